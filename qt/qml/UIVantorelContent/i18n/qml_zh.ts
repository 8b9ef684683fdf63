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
</context>
<context>
    <name>StudioService</name>
    <message>
        <source>The start wavelength must be less than the end wavelength.</source>
        <translation>起始波长必须小于结束波长。</translation>
    </message>
    <message>
        <source>Invalid exposure time. Enter a number of milliseconds from 0 to %1.</source>
        <translation>曝光时间无效。请输入 0 到 %1 之间的毫秒数。</translation>
    </message>
</context>
</TS>
