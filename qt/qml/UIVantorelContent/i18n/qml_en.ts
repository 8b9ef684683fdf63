<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Main</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>UART connection failed</source>
        <translation>UART connection failed</translation>
    </message>
    <message>
        <source>No valid baud rate found</source>
        <translation>No valid baud rate found</translation>
    </message>
    <message>
        <source>UART disconnected</source>
        <translation>UART disconnected</translation>
    </message>
    <message>
        <source>Bluetooth connection failed</source>
        <translation>Bluetooth connection failed</translation>
    </message>
    <message>
        <source>Failed to create Bluetooth service</source>
        <translation>Failed to create Bluetooth service</translation>
    </message>
    <message>
        <source>Bluetooth disconnected</source>
        <translation>Bluetooth disconnected</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Save Successful</translation>
    </message>
    <message>
        <source>Data has been successfully saved to:
</source>
        <translation>Data has been successfully saved to:
</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Save Failed</translation>
    </message>
    <message>
        <source>An unknown error occurred while saving the file.</source>
        <translation>An unknown error occurred while saving the file.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
</context>
<context>
    <name>SaveService</name>
    <message>
        <source>Data buffer is not initialized.</source>
        <translation>Data buffer is not initialized.</translation>
    </message>
    <message>
        <source>Failed to create directory for saving.</source>
        <translation>Failed to create directory for saving.</translation>
    </message>
    <message>
        <source>Unknown save type.</source>
        <translation>Unknown save type.</translation>
    </message>
    <message>
        <source>Failed to write file.</source>
        <translation>Failed to write file.</translation>
    </message>
    <message>
        <source>Spectral Illuminance Test Report</source>
        <translation>Spectral Illuminance Test Report</translation>
    </message>
    <message>
        <source>Experiment Information:</source>
        <translation>Experiment Information:</translation>
    </message>
    <message>
        <source>Sample Name:%1</source>
        <translation>Sample Name:%1</translation>
    </message>
    <message>
        <source>Sample Model:%1</source>
        <translation>Sample Model:%1</translation>
    </message>
    <message>
        <source>Sample No:%1</source>
        <translation>Sample No:%1</translation>
    </message>
    <message>
        <source>Manufacturer:%1</source>
        <translation>Manufacturer:%1</translation>
    </message>
    <message>
        <source>Time:%1</source>
        <translation>Time:%1</translation>
    </message>
    <message>
        <source>Tester:%1</source>
        <translation>Tester:%1</translation>
    </message>
    <message>
        <source>Device Id:%1</source>
        <translation>Device Id:%1</translation>
    </message>
    <message>
        <source>Integration Time: %1 ms</source>
        <translation>Integration Time: %1 ms</translation>
    </message>
    <message>
        <source>Measurement Parameters</source>
        <translation>Measurement Parameters</translation>
    </message>
    <message>
        <source>%1-Report</source>
        <translation>%1-Report</translation>
    </message>
    <message>
        <source>光谱照度测试报告</source>
        <translation>光谱照度测试报告</translation>
    </message>
    <message>
        <source>实验信息</source>
        <translation>实验信息</translation>
    </message>
    <message>
        <source>样品名称：%1</source>
        <translation>样品名称：%1</translation>
    </message>
    <message>
        <source>样品型号：%1</source>
        <translation>样品型号：%1</translation>
    </message>
    <message>
        <source>样品编号：%1</source>
        <translation>样品编号：%1</translation>
    </message>
    <message>
        <source>制造厂商：%1</source>
        <translation>制造厂商：%1</translation>
    </message>
    <message>
        <source>测试时间：%1</source>
        <translation>测试时间：%1</translation>
    </message>
    <message>
        <source>测试人员：%1</source>
        <translation>测试人员：%1</translation>
    </message>
    <message>
        <source>测试仪器：%1</source>
        <translation>测试仪器：%1</translation>
    </message>
    <message>
        <source>积分时间：%1 ms</source>
        <translation>积分时间：%1 ms</translation>
    </message>
    <message>
        <source>测量参数</source>
        <translation>测量参数</translation>
    </message>
    <message>
        <source>%1-测试报告</source>
        <translation>%1-测试报告</translation>
    </message>
</context>
<context>
    <name>KVRCheckBox</name>
    <message>
        <source>CheckBox</source>
        <translation>CheckBox</translation>
    </message>
</context>
<context>
    <name>CustomWindow</name>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
