<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BrandConfig</name>
    <message>
        <source>Vantorel Spectral Studio</source>
        <translation>Vantorel Spektralstudio</translation>
    </message>
</context>
</TS>
