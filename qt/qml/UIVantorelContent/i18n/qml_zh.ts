<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DataHandlerService</name>
    <message>
        <source>The device's range of %1 to %2 nm cannot be read (at most %3 points): its spectra are not shown.</source>
        <translation>无法读取设备 %1 至 %2 nm 的波长范围（最多 %3 个点），不显示其光谱。</translation>
    </message>
</context>
<context>
    <name>DataTable</name>
    <message>
        <source>BASE</source>
        <translation>基础</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>红外</translation>
    </message>
    <message>
        <source>PPFD</source>
        <translation>植物</translation>
    </message>
    <message>
        <source>BL</source>
        <translation>蓝光</translation>
    </message>
    <message>
        <source>CIE1931 colorspace tristimulus values X</source>
        <translation>CIE1931色空间三刺激值X</translation>
    </message>
    <message>
        <source>CIE1931 colorspace tristimulus values Y</source>
        <translation>CIE1931色空间三刺激值Y</translation>
    </message>
    <message>
        <source>CIE1931 colorspace tristimulus values Z</source>
        <translation>CIE1931色空间三刺激值Z</translation>
    </message>
    <message>
        <source>CIE1931 colorspace chromaticity coordinates x</source>
        <translation>CIE1931色空间色品坐标x</translation>
    </message>
    <message>
        <source>CIE1931 colorspace chromaticity coordinates y</source>
        <translation>CIE1931色空间色品坐标y</translation>
    </message>
    <message>
        <source>CIE1960 colorspace chromaticity coordinates u</source>
        <translation>CIE1960色空间色品坐标u</translation>
    </message>
    <message>
        <source>CIE1960 colorspace chromaticity coordinates v</source>
        <translation>CIE1960色空间色品坐标v</translation>
    </message>
    <message>
        <source>CIE1976 colorspace chromaticity coordinates u'</source>
        <translation>CIE1976色空间色品坐标u'</translation>
    </message>
    <message>
        <source>CIE1976 colorspace chromaticity coordinates v'</source>
        <translation>CIE1976色空间色品坐标v'</translation>
    </message>
    <message>
        <source>Color temperature CCT(K)</source>
        <translation>色温CCT(K)</translation>
    </message>
    <message>
        <source>absDeltaUV</source>
        <translation>absDeltaUV</translation>
    </message>
    <message>
        <source>Red ratio(%)</source>
        <translation>红色比(%)</translation>
    </message>
    <message>
        <source>Green ratio(%)</source>
        <translation>绿色比(%)</translation>
    </message>
    <message>
        <source>Blue ratio(%)</source>
        <translation>蓝色比(%)</translation>
    </message>
    <message>
        <source>Color shift Duv</source>
        <translation>色偏差Duv</translation>
    </message>
    <message>
        <source>Color render index Ra</source>
        <translation>显色指数Ra</translation>
    </message>
    <message>
        <source>Color render index R1</source>
        <translation>显色指数R1</translation>
    </message>
    <message>
        <source>Color render index R2</source>
        <translation>显色指数R2</translation>
    </message>
    <message>
        <source>Color render index R3</source>
        <translation>显色指数R3</translation>
    </message>
    <message>
        <source>Color render index R4</source>
        <translation>显色指数R4</translation>
    </message>
    <message>
        <source>Color render index R5</source>
        <translation>显色指数R5</translation>
    </message>
    <message>
        <source>Color render index R6</source>
        <translation>显色指数R6</translation>
    </message>
    <message>
        <source>Color render index R7</source>
        <translation>显色指数R7</translation>
    </message>
    <message>
        <source>Color render index R8</source>
        <translation>显色指数R8</translation>
    </message>
    <message>
        <source>Color render index R9</source>
        <translation>显色指数R9</translation>
    </message>
    <message>
        <source>Color render index R10</source>
        <translation>显色指数R10</translation>
    </message>
    <message>
        <source>Color render index R11</source>
        <translation>显色指数R11</translation>
    </message>
    <message>
        <source>Color render index R12</source>
        <translation>显色指数R12</translation>
    </message>
    <message>
        <source>Color render index R13</source>
        <translation>显色指数R13</translation>
    </message>
    <message>
        <source>Color render index R14</source>
        <translation>显色指数R14</translation>
    </message>
    <message>
        <source>Color render index R15</source>
        <translation>显色指数R15</translation>
    </message>
    <message>
        <source>Peak wavelength Lp(nm)</source>
        <translation>峰值波长Lp(nm)</translation>
    </message>
    <message>
        <source>Half-peak width HW(nm)</source>
        <translation>半峰宽HW(nm)</translation>
    </message>
    <message>
        <source>Dominant wavelength Ld(nm)</source>
        <translation>主波长Ld(nm)</translation>
    </message>
    <message>
        <source>Color purity Purity(%)</source>
        <translation>色纯度Purity(%)</translation>
    </message>
    <message>
        <source>Light-dark vision ratio S/P</source>
        <translation>明暗视觉比S/P</translation>
    </message>
    <message>
        <source>Color tolerance SDCM</source>
        <translation>色容差SDCM</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Illuminance Lux</source>
        <translation>照度Lux</translation>
    </message>
    <message>
        <source>Irradiance Ee</source>
        <translation>辐照度Ee</translation>
    </message>
    <message>
        <source>Illuminance E(fc)</source>
        <translation>照度E(fc)</translation>
    </message>
    <message>
        <source>Color quality scale CQS</source>
        <translation>颜色质量指数CQS</translation>
    </message>
    <message>
        <source>Gamut area index GAI_EES</source>
        <translation>色域面积指数GAI_EES</translation>
    </message>
    <message>
        <source>Gamut area index GAI_BB_8</source>
        <translation>色域面积指数GAI_BB_8</translation>
    </message>
    <message>
        <source>Gamut area index GAI_BB_15</source>
        <translation>色域面积指数GAI_BB_15</translation>
    </message>
    <message>
        <source>Equivalen melanopic lux EML</source>
        <translation>等效黑视素照度EML</translation>
    </message>
    <message>
        <source>Melanopic equivalent daylight illuminance M_EDI</source>
        <translation>黑视素等效日光照度M_EDI</translation>
    </message>
    <message>
        <source>Luminance Nit(nit)</source>
        <translation>亮度Nit(nit)</translation>
    </message>
    <message>
        <source>Blue light hazard weighted irradiance Eb</source>
        <translation>蓝光危害加权辐照度Eb</translation>
    </message>
    <message>
        <source>Red irradiance Red_Ee</source>
        <translation>红光辐照度Red_Ee</translation>
    </message>
    <message>
        <source>Near infrared irradiance A Nir_EeA</source>
        <translation>近红外辐照度A Nir_EeA</translation>
    </message>
    <message>
        <source>Near infrared irradiance B Nir_EeB</source>
        <translation>近红外辐照度B Nir_EeB</translation>
    </message>
    <message>
        <source>Photosynthetically active radiation PAR</source>
        <translation>光合有效辐射PAR</translation>
    </message>
    <message>
        <source>Chlorophyll A weighted irradiance Eca</source>
        <translation>叶绿素A加权辐照度Eca</translation>
    </message>
    <message>
        <source>Chlorophyll B weighted irradiance Ecb</source>
        <translation>叶绿素B加权辐照度Ecb</translation>
    </message>
    <message>
        <source>Blue purple irradiance Eb</source>
        <translation>蓝紫光辐照度Eb</translation>
    </message>
    <message>
        <source>Yellow green irradiance Ey</source>
        <translation>黄绿光辐照度Ey</translation>
    </message>
    <message>
        <source>Red orange irradiance Er</source>
        <translation>红橙光辐照度Er</translation>
    </message>
    <message>
        <source>Red blue irradiance ratio Erb_Ratio</source>
        <translation>红蓝辐照度比Erb_Ratio</translation>
    </message>
    <message>
        <source>Photosynthetic photon flux density PPFD(umol/(m^2·s))</source>
        <translation>光合光子通量密度PPFD(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Blue purple photosynthetic photon flux density PPFDb(umol/(m^2·s))</source>
        <translation>蓝紫光光合光子通量密度PPFDb(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Yellow green photosynthetic photon flux density PPFDy(umol/(m^2·s))</source>
        <translation>黄绿光光合光子通量密度PPFDy(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Red orange photosynthetic photon flux density PPFDr(umol/(m^2·s))</source>
        <translation>红橙光光合光子通量密度PPFDr(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Far red photosynthetic photon flux density PPFDfr(umol/(m^2·s))</source>
        <translation>远红光光合光子通量密度PPFDfr(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Red orange photosynthetic photon flux density ratio PPFDr_ratio(%)</source>
        <translation>红橙光光合光子通量密度比PPFDr_ratio(%)</translation>
    </message>
    <message>
        <source>Yellow green photosynthetic photon flux density ratio PPFDy_ratio(%)</source>
        <translation>黄绿光光合光子通量密度比PPFDy_ratio(%)</translation>
    </message>
    <message>
        <source>Blue purple photosynthetic photon flux density ratio PPFDb_ratio(%)</source>
        <translation>蓝紫光光合光子通量密度比PPFDb_ratio(%)</translation>
    </message>
    <message>
        <source>Yield photon flux density YPFD (umol/(m^2·s))</source>
        <translation>产量光子通量密度YPFD (umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Flicker  frequency(Hz)</source>
        <translation>频闪频率(Hz)</translation>
    </message>
    <message>
        <source>Percent flicker(%)</source>
        <translation>频闪百分比(%)</translation>
    </message>
    <message>
        <source>Modulation depth(%)</source>
        <translation>调制深度(%)</translation>
    </message>
    <message>
        <source>Flicker index</source>
        <translation>频闪指数</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Custom Irradiance Ee</source>
        <translation>自定义辐照度Ee</translation>
    </message>
    <message>
        <source>Custom Peak wavelength LP</source>
        <translation>自定义峰值波长LP</translation>
    </message>
    <message>
        <source>Custom Half-peak width HW</source>
        <translation>自定义半峰宽HW</translation>
    </message>
</context>
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
        <source>Saved Incomplete</source>
        <translation>保存不完整</translation>
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
        <source>Failed to open file for writing in %1.</source>
        <translation>无法在 %1 中打开文件进行写入。</translation>
    </message>
    <message>
        <source>There is no measurement to report. Connect a device and measure first.</source>
        <translation>没有可写入报告的测量。请先连接设备并测量。</translation>
    </message>
    <message>
        <source>The test ended before its first sample; nothing was saved.</source>
        <translation>测试在第一次采样前已结束，未保存任何内容。</translation>
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
    <message>
        <source>Spectrum</source>
        <translation>光谱</translation>
    </message>
    <message>
        <source>Sample and reference spectra</source>
        <translation>样品与参考光谱</translation>
    </message>
    <message>
        <source>Absorbance</source>
        <translation>吸光度</translation>
    </message>
    <message>
        <source>Transmittance</source>
        <translation>透射率</translation>
    </message>
    <message>
        <source>Reflectance</source>
        <translation>反射率</translation>
    </message>
    <message>
        <source>Raman spectrum</source>
        <translation>拉曼光谱</translation>
    </message>
    <message>
        <source>Flicker</source>
        <translation>频闪</translation>
    </message>
    <message>
        <source>Missing from the report (not yet drawn on screen): %1</source>
        <translation>报告中缺少（尚未在屏幕上绘制）：%1</translation>
    </message>
    <message>
        <source>Missing from the report (not enough memory to draw them): %1</source>
        <translation>报告中缺少（内存不足，无法绘制）：%1</translation>
    </message>
</context>
<context>
    <name>Welcome</name>
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
    <message>
        <source>Serial Connection</source>
        <translation>串口连接</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Port ID</source>
        <translation>端口号</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动选择</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>connect Serial</comment>
        <translation>串口连接</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>蓝牙连接</translation>
    </message>
    <message>
        <source>Scan Bluetooth</source>
        <translation>扫描蓝牙</translation>
    </message>
    <message>
        <source>No Bluetooth devices found</source>
        <translation>没有发现设备</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Bluetooth connection button</comment>
        <translation>蓝牙连接</translation>
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
<context>
    <name>Studio</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开目录</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>手动获取</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>自动获取</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Flicker</source>
        <translation>频闪</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>曝光模式</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>获取</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>有线</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>蓝牙</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>曝光状态：</translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>曝光调整中</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>欠曝</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>过曝</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
</context>
<context>
    <name>KVRExportDialog</name>
    <message>
        <source>Export Report</source>
        <translation>导出报告</translation>
    </message>
    <message>
        <source>Sample Name</source>
        <translation>样品名称</translation>
    </message>
    <message>
        <source>Sample Number</source>
        <translation>样品编号</translation>
    </message>
    <message>
        <source>Sample Model</source>
        <translation>样品型号</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>测试人员</translation>
    </message>
    <message>
        <source>Test Time</source>
        <translation>测试时间</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
</context>
<context>
    <name>StudioService</name>
    <message>
        <source>The start wavelength must be less than the end wavelength.</source>
        <translation>起始波长必须小于结束波长。</translation>
    </message>
    <message>
        <source>Enter an exposure time in milliseconds from 0 to %1, such as %2.</source>
        <translation>请输入 0 到 %1 毫秒之间的曝光时间，例如 %2。</translation>
    </message>
    <message>
        <source>Connect a device before starting a test.</source>
        <translation>请先连接设备，再开始测试。</translation>
    </message>
    <message>
        <source>Enter a duration of at least one interval (%1 s) and at most %2 s.</source>
        <translation>时长须至少一个间隔（%1 s），最多 %2 s。</translation>
    </message>
    <message>
        <source>This computer's memory cannot hold a series that long: at %1 s intervals it can last at most %2 s.</source>
        <translation>本机内存无法容纳这么长的系列：间隔为 %1 s 时，最长只能持续 %2 s。</translation>
    </message>
</context>
<context>
    <name>KVRMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>ChartAbsorbance</name>
    <message>
        <source>Absorbance</source>
        <translation>吸光度</translation>
    </message>
</context>
<context>
    <name>ChartReflectance</name>
    <message>
        <source>Reflectance</source>
        <translation>反射率</translation>
    </message>
</context>
<context>
    <name>ChartTransmittance</name>
    <message>
        <source>Transmittance</source>
        <translation>透射率</translation>
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
        <source>Enter whole numbers of nanometres in digits only, such as 380.</source>
        <translation>请只用数字输入整数纳米值，例如 380。</translation>
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
        <source>Enter two illuminances of at least %1, such as %2.</source>
        <translation>请输入两个不小于 %1 的照度值，例如 %2。</translation>
    </message>
</context>
<context>
    <name>CustomizedTestDialog</name>
    <message>
        <source>Enter the duration and the intervals as whole numbers in digits only, such as 3600.</source>
        <translation>请只用数字输入整数的时长和间隔，例如 3600。</translation>
    </message>
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
    <message>
        <source>No spectrum is arriving from the device; intervals without one are left out.</source>
        <translation>设备没有传来光谱；没有光谱的间隔不记录。</translation>
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
<context>
    <name>PureSpectrum</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开目录</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>手动获取</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>自动获取</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>曝光模式</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>获取</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>有线</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>蓝牙</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>曝光状态：</translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>曝光调整中</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>欠曝</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>过曝</translation>
    </message>
</context>
<context>
    <name>Reflectance</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开目录</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>手动获取</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>自动获取</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>ref</source>
        <translation>参考</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>曝光模式</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>获取</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>有线</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>蓝牙</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>曝光状态：</translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>曝光调整中</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>欠曝</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>过曝</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>光谱</translation>
    </message>
    <message>
        <source>Reflectance</source>
        <translation>反射率</translation>
    </message>
    <message>
        <source>WL: %1 nm
Ref: %2
Src: %3</source>
        <translation>波长: %1 nm
        参考光强度: %2
        待测光强度: %3</translation>
    </message>
</context>
<context>
    <name>Transmittance</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开目录</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>手动获取</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>自动获取</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>ref</source>
        <translation>参考</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>曝光模式</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>获取</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>有线</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>蓝牙</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>曝光状态：</translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>曝光调整中</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>欠曝</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>过曝</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>光谱</translation>
    </message>
    <message>
        <source>Transmittance</source>
        <translation>透射率</translation>
    </message>
    <message>
        <source>WL: %1 nm
Ref: %2
Src: %3</source>
        <translation>波长: %1 nm
        参考光强度: %2
        待测光强度: %3</translation>
    </message>
</context>
<context>
    <name>Absorbance</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开目录</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>手动获取</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>自动获取</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>ref</source>
        <translation>参考</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>曝光模式</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>获取</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>有线</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>蓝牙</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>曝光状态:</translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>曝光调整中</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>欠曝</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>过曝</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>光谱</translation>
    </message>
    <message>
        <source>Absorbance</source>
        <translation>吸收率</translation>
    </message>
    <message>
        <source>WL: %1 nm
Ref: %2
Src: %3</source>
        <translation>波长: %1 nm
        参考光强度: %2
        待测光强度: %3</translation>
    </message>
</context>
<context>
    <name>Raman</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开目录</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>手动获取</translation>
    </message>
    <message>
        <source>Peak Selection</source>
        <translation>选峰</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>曝光模式</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>有线</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>蓝牙</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>曝光状态:</translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>曝光调整中</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>欠曝</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>过曝</translation>
    </message>
    <message>
        <source>RamanRaw</source>
        <translation>拉曼原始光谱</translation>
    </message>
    <message>
        <source>RamanClean</source>
        <translation>拉曼去基线</translation>
    </message>
    <message>
        <source>RamanFluorescence</source>
        <translation>荧光基线</translation>
    </message>
    <message>
        <source>Peak selection</source>
        <translation>选峰</translation>
    </message>
    <message>
        <source>cm^-1</source>
        <translation>cm^-1</translation>
    </message>
    <message>
        <source>intensity</source>
        <translation>强度</translation>
    </message>
</context>
<context>
    <name>ChartColorVector</name>
    <message>
        <source>Relation</source>
        <translation>关系</translation>
    </message>
    <message>
        <source>Ref Source</source>
        <translation>参考光源</translation>
    </message>
    <message>
        <source>Test Source</source>
        <translation>测试光源</translation>
    </message>
</context>
<context>
    <name>ChartPowerDistribution</name>
    <message>
        <source>Test Source</source>
        <translation>测试光源</translation>
    </message>
    <message>
        <source>Ref Source</source>
        <translation>参考光源</translation>
    </message>
</context>
<context>
    <name>ChartFlicker</name>
    <message>
        <source>Flicker frequency(Hz): %1
Modulation depth(%): %2
Percent flicker(%): %3
Flicker index: %4
Gain: %5</source>
        <translation>频闪频率(Hz): %1
调制深度(%): %2
频闪百分比(%): %3
频闪指数: %4
增益: %5</translation>
    </message>
</context>
<context>
    <name>SerialOpenFailure</name>
    <message>
        <source>In use by another program (process %2):
%1
Close it, then try again.</source>
        <translation>正被另一个程序（进程 %2）使用：
%1
请关闭该程序后重试。</translation>
    </message>
    <message>
        <source>In use by another program. Close it, then try again.</source>
        <translation>正被另一个程序使用。请关闭该程序后重试。</translation>
    </message>
    <message>
        <source>Locked by a program that is no longer running, through its lock file:
%1
%2 or an administrator can delete that file.</source>
        <translation>被一个已不再运行的程序通过其锁文件锁定：
%1
%2 或管理员可以删除该文件。</translation>
    </message>
    <message>
        <source>Not allowed: the port belongs to the group “%1”. Once an administrator has added you to it, log out and in again to join it.</source>
        <translation>无权使用：该端口属于用户组“%1”。管理员将您加入该组后，请注销并重新登录以加入该组。</translation>
    </message>
    <message>
        <source>Not allowed, and joining the port&apos;s group “%1” would not change that: ask an administrator.</source>
        <translation>无权使用，且加入该端口的用户组“%1”也无济于事：请联系管理员。</translation>
    </message>
    <message>
        <source>These ports cannot be opened now:</source>
        <translation>以下端口当前无法打开：</translation>
    </message>
</context>
</TS>
