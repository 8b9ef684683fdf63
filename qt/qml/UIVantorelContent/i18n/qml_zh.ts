<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Main</name>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>UART connection failed</source>
        <translation>串口连接失败</translation>
    </message>
    <message>
        <source>No valid baud rate found</source>
        <translation>未找到有效的波特率</translation>
    </message>
    <message>
        <source>UART disconnected</source>
        <translation>串口已断开</translation>
    </message>
    <message>
        <source>Bluetooth connection failed</source>
        <translation>蓝牙连接失败</translation>
    </message>
    <message>
        <source>Failed to create Bluetooth service</source>
        <translation>创建蓝牙服务失败</translation>
    </message>
    <message>
        <source>Bluetooth disconnected</source>
        <translation>蓝牙已断开</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>保存成功</translation>
    </message>
    <message>
        <source>Data has been successfully saved to:
</source>
        <translation>数据已成功保存到：
</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>保存失败</translation>
    </message>
    <message>
        <source>An unknown error occurred while saving the file.</source>
        <translation>保存文件时发生未知错误。</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>SaveService</name>
    <message>
        <source>Data buffer is not initialized.</source>
        <translation>数据缓冲区未初始化。</translation>
    </message>
    <message>
        <source>Failed to create directory for saving.</source>
        <translation>无法创建保存目录。</translation>
    </message>
    <message>
        <source>Unknown save type.</source>
        <translation>未知的保存类型。</translation>
    </message>
    <message>
        <source>Failed to write file.</source>
        <translation>写入文件失败。</translation>
    </message>
    <message>
        <source>Spectral Illuminance Test Report</source>
        <translation>光谱照度测试报告</translation>
    </message>
    <message>
        <source>Experiment Information:</source>
        <translation>实验信息</translation>
    </message>
    <message>
        <source>Sample Name:%1</source>
        <translation>样品名称：%1</translation>
    </message>
    <message>
        <source>Sample Model:%1</source>
        <translation>样品型号：%1</translation>
    </message>
    <message>
        <source>Sample No:%1</source>
        <translation>样品编号：%1</translation>
    </message>
    <message>
        <source>Manufacturer:%1</source>
        <translation>制造厂商：%1</translation>
    </message>
    <message>
        <source>Time:%1</source>
        <translation>测试时间：%1</translation>
    </message>
    <message>
        <source>Tester:%1</source>
        <translation>测试人员：%1</translation>
    </message>
    <message>
        <source>Device Id:%1</source>
        <translation>测试仪器：%1</translation>
    </message>
    <message>
        <source>Integration Time: %1 ms</source>
        <translation>积分时间：%1 ms</translation>
    </message>
    <message>
        <source>Measurement Parameters</source>
        <translation>测量参数</translation>
    </message>
    <message>
        <source>%1-Report</source>
        <translation>%1-测试报告</translation>
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
        <translation>复选框</translation>
    </message>
</context>
<context>
    <name>CustomWindow</name>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>向下还原</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
</TS>
