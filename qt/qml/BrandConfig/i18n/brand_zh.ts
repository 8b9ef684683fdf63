<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BrandConfig</name>
    <message>
        <source>Vantorel Spectral Studio</source>
        <translation>Vantorel 光谱工作室</translation>
    </message>
</context>
</TS>
