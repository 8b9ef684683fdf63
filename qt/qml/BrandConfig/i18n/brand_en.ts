<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BrandConfig</name>
    <message>
        <source>Vantorel Spectral Studio</source>
        <translation>Vantorel Spectral Studio</translation>
    </message>
</context>
</TS>
