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
    <name>Function</name>
    <message>
        <source>Spectrum Only</source>
        <translation>仅光谱</translation>
    </message>
    <message>
        <source>Photometry &amp;&amp; Power</source>
        <translation>光度学</translation>
    </message>
    <message>
        <source>Absorbance</source>
        <translation>吸收</translation>
    </message>
    <message>
        <source>Transmittance</source>
        <translation>透射</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>拉曼</translation>
    </message>
    <message>
        <source>Reflectance</source>
        <translation>反射</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>成像</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>KVRMenubar</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>硬件</translation>
    </message>
    <message>
        <source>Set Baud Rate</source>
        <translation>设置波特率</translation>
    </message>
    <message>
        <source>Set Efficiency</source>
        <translation>设置效率曲线</translation>
    </message>
    <message>
        <source>Switch Irradiance Unit</source>
        <translation>切换辐照度单位</translation>
    </message>
    <message>
        <source>Set Bandwidth</source>
        <translation>设置波段</translation>
    </message>
    <message>
        <source>Switch CIE Fundamentals</source>
        <translation>切换CIE基准</translation>
    </message>
    <message>
        <source>Set Illuminance</source>
        <translation>设置照度</translation>
    </message>
    <message>
        <source>Switch Gain</source>
        <translation>切换增益</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开连接</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Customized Test</source>
        <translation>自定义测试</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支持</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
</context>
<context>
    <name>BaudRateDialog</name>
    <message>
        <source>Baud Rate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
</context>
<context>
    <name>EfficiencyDialog</name>
    <message>
        <source>Efficiency</source>
        <translation>效率</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>选择目录</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>烧录</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
</context>
<context>
    <name>BandwidthDialog</name>
    <message>
        <source>Bandwidth</source>
        <translation>波段</translation>
    </message>
    <message>
        <source>Enable Custom Wavelength</source>
        <translation>启用自定义波长</translation>
    </message>
    <message>
        <source>Bandwidth (nm)</source>
        <translation>波段 (nm)</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Enter whole numbers of nanometres.</source>
        <translation>请输入整数纳米值。</translation>
    </message>
    <message>
        <source>The start must be below the end.</source>
        <translation>起始值必须小于结束值。</translation>
    </message>
</context>
<context>
    <name>IlluminanceDialog</name>
    <message>
        <source>Illuminance Calibrate</source>
        <translation>照度校准</translation>
    </message>
    <message>
        <source>Illuminance</source>
        <translation>照度</translation>
    </message>
    <message>
        <source>Current Illuminance</source>
        <translation>当前照度</translation>
    </message>
    <message>
        <source>Target Illuminance</source>
        <translation>目标照度</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Enter two illuminances of at least 0.01.</source>
        <translation>请输入两个不小于 0.01 的照度值。</translation>
    </message>
</context>
<context>
    <name>CustomizedTestDialog</name>
    <message>
        <source>Customized Test</source>
        <translation>自定义测试</translation>
    </message>
    <message>
        <source>Test Settings</source>
        <translation>测试设置</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
</context>
<context>
    <name>SupportDialog</name>
    <message>
        <source>Support</source>
        <translation>支持</translation>
    </message>
    <message>
        <source>Company Information</source>
        <translation>公司信息</translation>
    </message>
    <message>
        <source>Company: %1</source>
        <translation>公司：%1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>地址：%1</translation>
    </message>
    <message>
        <source>Telephone: %1</source>
        <translation>电话：%1</translation>
    </message>
    <message>
        <source>Mobile: %1</source>
        <translation>手机：%1</translation>
    </message>
    <message>
        <source>Email: </source>
        <translation>邮箱：</translation>
    </message>
    <message>
        <source>Website: </source>
        <translation>网站：</translation>
    </message>
    <message>
        <source>More Support</source>
        <translation>更多支持</translation>
    </message>
</context>
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Software Information</source>
        <translation>软件信息</translation>
    </message>
    <message>
        <source>Software: %1</source>
        <translation>软件：%1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>版权所有。</translation>
    </message>
</context>
</TS>
