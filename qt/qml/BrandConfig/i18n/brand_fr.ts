<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BrandConfig</name>
    <message>
        <source>Vantorel Spectral Studio</source>
        <translation>Vantorel Studio Spectral</translation>
    </message>
</context>
</TS>
