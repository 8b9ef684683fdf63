<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DataHandlerService</name>
    <message>
        <source>The device's range of %1 to %2 nm cannot be read (at most %3 points): its spectra are not shown.</source>
        <translation>The device's range of %1 to %2 nm cannot be read (at most %3 points): its spectra are not shown.</translation>
    </message>
</context>
<context>
    <name>DataTable</name>
    <message>
        <source>BASE</source>
        <translation>BASE</translation>
    </message>
    <message>
        <source>IR</source>
        <translation>IR</translation>
    </message>
    <message>
        <source>PPFD</source>
        <translation>PPFD</translation>
    </message>
    <message>
        <source>BL</source>
        <translation>BL</translation>
    </message>
    <message>
        <source>CIE1931 colorspace tristimulus values X</source>
        <translation>CIE1931 colorspace tristimulus values X</translation>
    </message>
    <message>
        <source>CIE1931 colorspace tristimulus values Y</source>
        <translation>CIE1931 colorspace tristimulus values Y</translation>
    </message>
    <message>
        <source>CIE1931 colorspace tristimulus values Z</source>
        <translation>CIE1931 colorspace tristimulus values Z</translation>
    </message>
    <message>
        <source>CIE1931 colorspace chromaticity coordinates x</source>
        <translation>CIE1931 colorspace chromaticity coordinates x</translation>
    </message>
    <message>
        <source>CIE1931 colorspace chromaticity coordinates y</source>
        <translation>CIE1931 colorspace chromaticity coordinates y</translation>
    </message>
    <message>
        <source>CIE1960 colorspace chromaticity coordinates u</source>
        <translation>CIE1960 colorspace chromaticity coordinates u</translation>
    </message>
    <message>
        <source>CIE1960 colorspace chromaticity coordinates v</source>
        <translation>CIE1960 colorspace chromaticity coordinates v</translation>
    </message>
    <message>
        <source>CIE1976 colorspace chromaticity coordinates u'</source>
        <translation>CIE1976 colorspace chromaticity coordinates u'</translation>
    </message>
    <message>
        <source>CIE1976 colorspace chromaticity coordinates v'</source>
        <translation>CIE1976 colorspace chromaticity coordinates v'</translation>
    </message>
    <message>
        <source>Color temperature CCT(K)</source>
        <translation>Color temperature CCT(K)</translation>
    </message>
    <message>
        <source>absDeltaUV</source>
        <translation>absDeltaUV</translation>
    </message>
    <message>
        <source>Red ratio(%)</source>
        <translation>Red ratio(%)</translation>
    </message>
    <message>
        <source>Green ratio(%)</source>
        <translation>Green ratio(%)</translation>
    </message>
    <message>
        <source>Blue ratio(%)</source>
        <translation>Blue ratio(%)</translation>
    </message>
    <message>
        <source>Color shift Duv</source>
        <translation>Color shift Duv</translation>
    </message>
    <message>
        <source>Color render index Ra</source>
        <translation>Color render index Ra</translation>
    </message>
    <message>
        <source>Color render index R1</source>
        <translation>Color render index R1</translation>
    </message>
    <message>
        <source>Color render index R2</source>
        <translation>Color render index R2</translation>
    </message>
    <message>
        <source>Color render index R3</source>
        <translation>Color render index R3</translation>
    </message>
    <message>
        <source>Color render index R4</source>
        <translation>Color render index R4</translation>
    </message>
    <message>
        <source>Color render index R5</source>
        <translation>Color render index R5</translation>
    </message>
    <message>
        <source>Color render index R6</source>
        <translation>Color render index R6</translation>
    </message>
    <message>
        <source>Color render index R7</source>
        <translation>Color render index R7</translation>
    </message>
    <message>
        <source>Color render index R8</source>
        <translation>Color render index R8</translation>
    </message>
    <message>
        <source>Color render index R9</source>
        <translation>Color render index R9</translation>
    </message>
    <message>
        <source>Color render index R10</source>
        <translation>Color render index R10</translation>
    </message>
    <message>
        <source>Color render index R11</source>
        <translation>Color render index R11</translation>
    </message>
    <message>
        <source>Color render index R12</source>
        <translation>Color render index R12</translation>
    </message>
    <message>
        <source>Color render index R13</source>
        <translation>Color render index R13</translation>
    </message>
    <message>
        <source>Color render index R14</source>
        <translation>Color render index R14</translation>
    </message>
    <message>
        <source>Color render index R15</source>
        <translation>Color render index R15</translation>
    </message>
    <message>
        <source>Peak wavelength Lp(nm)</source>
        <translation>Peak wavelength Lp(nm)</translation>
    </message>
    <message>
        <source>Half-peak width HW(nm)</source>
        <translation>Half-peak width HW(nm)</translation>
    </message>
    <message>
        <source>Dominant wavelength Ld(nm)</source>
        <translation>Dominant wavelength Ld(nm)</translation>
    </message>
    <message>
        <source>Color purity Purity(%)</source>
        <translation>Color purity Purity(%)</translation>
    </message>
    <message>
        <source>Light-dark vision ratio S/P</source>
        <translation>Light-dark vision ratio S/P</translation>
    </message>
    <message>
        <source>Color tolerance SDCM</source>
        <translation>Color tolerance SDCM</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Illuminance Lux</source>
        <translation>Illuminance Lux</translation>
    </message>
    <message>
        <source>Irradiance Ee</source>
        <translation>Irradiance Ee</translation>
    </message>
    <message>
        <source>Illuminance E(fc)</source>
        <translation>Illuminance E(fc)</translation>
    </message>
    <message>
        <source>Color quality scale CQS</source>
        <translation>Color quality scale CQS</translation>
    </message>
    <message>
        <source>Gamut area index GAI_EES</source>
        <translation>Gamut area index GAI_EES</translation>
    </message>
    <message>
        <source>Gamut area index GAI_BB_8</source>
        <translation>Gamut area index GAI_BB_8</translation>
    </message>
    <message>
        <source>Gamut area index GAI_BB_15</source>
        <translation>Gamut area index GAI_BB_15</translation>
    </message>
    <message>
        <source>Equivalen melanopic lux EML</source>
        <translation>Equivalen melanopic lux EML</translation>
    </message>
    <message>
        <source>Melanopic equivalent daylight illuminance M_EDI</source>
        <translation>Melanopic equivalent daylight illuminance M_EDI</translation>
    </message>
    <message>
        <source>Luminance Nit(nit)</source>
        <translation>Luminance Nit(nit)</translation>
    </message>
    <message>
        <source>Blue light hazard weighted irradiance Eb</source>
        <translation>Blue light hazard weighted irradiance Eb</translation>
    </message>
    <message>
        <source>Red irradiance Red_Ee</source>
        <translation>Red irradiance Red_Ee</translation>
    </message>
    <message>
        <source>Near infrared irradiance A Nir_EeA</source>
        <translation>Near infrared irradiance A Nir_EeA</translation>
    </message>
    <message>
        <source>Near infrared irradiance B Nir_EeB</source>
        <translation>Near infrared irradiance B Nir_EeB</translation>
    </message>
    <message>
        <source>Photosynthetically active radiation PAR</source>
        <translation>Photosynthetically active radiation PAR</translation>
    </message>
    <message>
        <source>Chlorophyll A weighted irradiance Eca</source>
        <translation>Chlorophyll A weighted irradiance Eca</translation>
    </message>
    <message>
        <source>Chlorophyll B weighted irradiance Ecb</source>
        <translation>Chlorophyll B weighted irradiance Ecb</translation>
    </message>
    <message>
        <source>Blue purple irradiance Eb</source>
        <translation>Blue purple irradiance Eb</translation>
    </message>
    <message>
        <source>Yellow green irradiance Ey</source>
        <translation>Yellow green irradiance Ey</translation>
    </message>
    <message>
        <source>Red orange irradiance Er</source>
        <translation>Red orange irradiance Er</translation>
    </message>
    <message>
        <source>Red blue irradiance ratio Erb_Ratio</source>
        <translation>Red blue irradiance ratio Erb_Ratio</translation>
    </message>
    <message>
        <source>Photosynthetic photon flux density PPFD(umol/(m^2·s))</source>
        <translation>Photosynthetic photon flux density PPFD(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Blue purple photosynthetic photon flux density PPFDb(umol/(m^2·s))</source>
        <translation>Blue purple photosynthetic photon flux density PPFDb(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Yellow green photosynthetic photon flux density PPFDy(umol/(m^2·s))</source>
        <translation>Yellow green photosynthetic photon flux density PPFDy(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Red orange photosynthetic photon flux density PPFDr(umol/(m^2·s))</source>
        <translation>Red orange photosynthetic photon flux density PPFDr(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Far red photosynthetic photon flux density PPFDfr(umol/(m^2·s))</source>
        <translation>Far red photosynthetic photon flux density PPFDfr(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Red orange photosynthetic photon flux density ratio PPFDr_ratio(%)</source>
        <translation>Red orange photosynthetic photon flux density ratio PPFDr_ratio(%)</translation>
    </message>
    <message>
        <source>Yellow green photosynthetic photon flux density ratio PPFDy_ratio(%)</source>
        <translation>Yellow green photosynthetic photon flux density ratio PPFDy_ratio(%)</translation>
    </message>
    <message>
        <source>Blue purple photosynthetic photon flux density ratio PPFDb_ratio(%)</source>
        <translation>Blue purple photosynthetic photon flux density ratio PPFDb_ratio(%)</translation>
    </message>
    <message>
        <source>Yield photon flux density YPFD (umol/(m^2·s))</source>
        <translation>Yield photon flux density YPFD (umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Flicker  frequency(Hz)</source>
        <translation>Flicker  frequency(Hz)</translation>
    </message>
    <message>
        <source>Percent flicker(%)</source>
        <translation>Percent flicker(%)</translation>
    </message>
    <message>
        <source>Modulation depth(%)</source>
        <translation>Modulation depth(%)</translation>
    </message>
    <message>
        <source>Flicker index</source>
        <translation>Flicker index</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <source>Custom Irradiance Ee</source>
        <translation>Custom Irradiance Ee</translation>
    </message>
    <message>
        <source>Custom Peak wavelength LP</source>
        <translation>Custom Peak wavelength LP</translation>
    </message>
    <message>
        <source>Custom Half-peak width HW</source>
        <translation>Custom Half-peak width HW</translation>
    </message>
</context>
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
        <source>Saved Incomplete</source>
        <translation>Saved Incomplete</translation>
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
        <translation>OK</translation>
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
        <source>Failed to open file for writing in %1.</source>
        <translation>Failed to open file for writing in %1.</translation>
    </message>
    <message>
        <source>There is no measurement to report. Connect a device and measure first.</source>
        <translation>There is no measurement to report. Connect a device and measure first.</translation>
    </message>
    <message>
        <source>The test ended before its first sample; nothing was saved.</source>
        <translation>The test ended before its first sample; nothing was saved.</translation>
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
    <message>
        <source>Spectrum</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>Sample and reference spectra</source>
        <translation>Sample and reference spectra</translation>
    </message>
    <message>
        <source>Absorbance</source>
        <translation>Absorbance</translation>
    </message>
    <message>
        <source>Transmittance</source>
        <translation>Transmittance</translation>
    </message>
    <message>
        <source>Reflectance</source>
        <translation>Reflectance</translation>
    </message>
    <message>
        <source>Raman spectrum</source>
        <translation>Raman spectrum</translation>
    </message>
    <message>
        <source>Flicker</source>
        <translation>Flicker</translation>
    </message>
    <message>
        <source>Missing from the report (not yet drawn on screen): %1</source>
        <translation>Missing from the report (not yet drawn on screen): %1</translation>
    </message>
    <message>
        <source>Missing from the report (not enough memory to draw them): %1</source>
        <translation>Missing from the report (not enough memory to draw them): %1</translation>
    </message>
</context>
<context>
    <name>Welcome</name>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Serial Connection</source>
        <translation>Serial Connection</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Port ID</source>
        <translation>Port ID</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baud Rate</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>connect Serial</comment>
        <translation>Open</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Scan Bluetooth</source>
        <translation>Scan Bluetooth</translation>
    </message>
    <message>
        <source>No Bluetooth devices found</source>
        <translation>No Bluetooth devices found</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Bluetooth connection button</comment>
        <translation>Open</translation>
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
<context>
    <name>Studio</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Snapshot Measure</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>Continuous Measure</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Flicker</source>
        <translation>Flicker</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposure</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Get</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>Exposure Status: </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Adjusting Exposure</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Under Exposure</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Normal Exposure</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Over Exposure</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>KVRExportDialog</name>
    <message>
        <source>Export Report</source>
        <translation>Export Report</translation>
    </message>
    <message>
        <source>Sample Name</source>
        <translation>Sample Name</translation>
    </message>
    <message>
        <source>Sample Number</source>
        <translation>Sample Number</translation>
    </message>
    <message>
        <source>Sample Model</source>
        <translation>Sample Model</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Test Time</source>
        <translation>Test Time</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
</context>
<context>
    <name>StudioService</name>
    <message>
        <source>The start wavelength must be less than the end wavelength.</source>
        <translation>The start wavelength must be less than the end wavelength.</translation>
    </message>
    <message>
        <source>Enter an exposure time in milliseconds from 0 to %1, such as %2.</source>
        <translation>Enter an exposure time in milliseconds from 0 to %1, such as %2.</translation>
    </message>
    <message>
        <source>Connect a device before starting a test.</source>
        <translation>Connect a device before starting a test.</translation>
    </message>
    <message>
        <source>Enter a duration of at least one interval (%1 s) and at most %2 s.</source>
        <translation>Enter a duration of at least one interval (%1 s) and at most %2 s.</translation>
    </message>
    <message>
        <source>This computer's memory cannot hold a series that long: at %1 s intervals it can last at most %2 s.</source>
        <translation>This computer's memory cannot hold a series that long: at %1 s intervals it can last at most %2 s.</translation>
    </message>
</context>
<context>
    <name>KVRMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ChartAbsorbance</name>
    <message>
        <source>Absorbance</source>
        <translation>Absorbance</translation>
    </message>
</context>
<context>
    <name>ChartReflectance</name>
    <message>
        <source>Reflectance</source>
        <translation>Reflectance</translation>
    </message>
</context>
<context>
    <name>ChartTransmittance</name>
    <message>
        <source>Transmittance</source>
        <translation>Transmittance</translation>
    </message>
</context>
<context>
    <name>Function</name>
    <message>
        <source>Spectrum Only</source>
        <translation>Spectrum Only</translation>
    </message>
    <message>
        <source>Photometry &amp;&amp; Power</source>
        <translation>Photometry &amp;&amp; Power</translation>
    </message>
    <message>
        <source>Absorbance</source>
        <translation>Absorbance</translation>
    </message>
    <message>
        <source>Transmittance</source>
        <translation>Transmittance</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>Raman</translation>
    </message>
    <message>
        <source>Reflectance</source>
        <translation>Reflectance</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>KVRMenubar</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Set Baud Rate</source>
        <translation>Set Baud Rate</translation>
    </message>
    <message>
        <source>Set Efficiency</source>
        <translation>Set Efficiency</translation>
    </message>
    <message>
        <source>Switch Irradiance Unit</source>
        <translation>Switch Irradiance Unit</translation>
    </message>
    <message>
        <source>Set Bandwidth</source>
        <translation>Set Bandwidth</translation>
    </message>
    <message>
        <source>Switch CIE Fundamentals</source>
        <translation>Switch CIE Fundamentals</translation>
    </message>
    <message>
        <source>Set Illuminance</source>
        <translation>Set Illuminance</translation>
    </message>
    <message>
        <source>Switch Gain</source>
        <translation>Switch Gain</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Tool</translation>
    </message>
    <message>
        <source>Customized Test</source>
        <translation>Customized Test</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
</context>
<context>
    <name>BaudRateDialog</name>
    <message>
        <source>Baud Rate</source>
        <translation>Baud Rate</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>EfficiencyDialog</name>
    <message>
        <source>Efficiency</source>
        <translation>Efficiency</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Select Directory</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>BandwidthDialog</name>
    <message>
        <source>Bandwidth</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <source>Enable Custom Wavelength</source>
        <translation>Enable Custom Wavelength</translation>
    </message>
    <message>
        <source>Bandwidth (nm)</source>
        <translation>Bandwidth (nm)</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Enter whole numbers of nanometres in digits only, such as 380.</source>
        <translation>Enter whole numbers of nanometres in digits only, such as 380.</translation>
    </message>
    <message>
        <source>The start must be below the end.</source>
        <translation>The start must be below the end.</translation>
    </message>
</context>
<context>
    <name>IlluminanceDialog</name>
    <message>
        <source>Illuminance Calibrate</source>
        <translation>Illuminance Calibrate</translation>
    </message>
    <message>
        <source>Illuminance</source>
        <translation>Illuminance</translation>
    </message>
    <message>
        <source>Current Illuminance</source>
        <translation>Current Illuminance</translation>
    </message>
    <message>
        <source>Target Illuminance</source>
        <translation>Target Illuminance</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Enter two illuminances of at least %1, such as %2.</source>
        <translation>Enter two illuminances of at least %1, such as %2.</translation>
    </message>
</context>
<context>
    <name>CustomizedTestDialog</name>
    <message>
        <source>Enter the duration and the intervals as whole numbers in digits only, such as 3600.</source>
        <translation>Enter the duration and the intervals as whole numbers in digits only, such as 3600.</translation>
    </message>
    <message>
        <source>Customized Test</source>
        <translation>Customized Test</translation>
    </message>
    <message>
        <source>Test Settings</source>
        <translation>Test Settings</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervals</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>No spectrum is arriving from the device; intervals without one are left out.</source>
        <translation>No spectrum is arriving from the device; intervals without one are left out.</translation>
    </message>
</context>
<context>
    <name>SupportDialog</name>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Company Information</source>
        <translation>Company Information</translation>
    </message>
    <message>
        <source>Company: %1</source>
        <translation>Company: %1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Address: %1</translation>
    </message>
    <message>
        <source>Telephone: %1</source>
        <translation>Telephone: %1</translation>
    </message>
    <message>
        <source>Mobile: %1</source>
        <translation>Mobile: %1</translation>
    </message>
    <message>
        <source>Email: </source>
        <translation>Email: </translation>
    </message>
    <message>
        <source>Website: </source>
        <translation>Website: </translation>
    </message>
    <message>
        <source>More Support</source>
        <translation>More Support</translation>
    </message>
</context>
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Software Information</source>
        <translation>Software Information</translation>
    </message>
    <message>
        <source>Software: %1</source>
        <translation>Software: %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>All rights reserved.</translation>
    </message>
</context>
<context>
    <name>PureSpectrum</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Snapshot Measure</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>Continuous Measure</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposure</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Get</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>Exposure Status: </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Adjusting Exposure</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Under Exposure</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Normal Exposure</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Over Exposure</translation>
    </message>
</context>
<context>
    <name>Reflectance</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Snapshot Measure</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>Continuous Measure</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>ref</source>
        <translation>ref</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposure</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Get</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>Exposure Status: </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Adjusting Exposure</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Under Exposure</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Normal Exposure</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Over Exposure</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>Reflectance</source>
        <translation>Reflectance</translation>
    </message>
    <message>
        <source>WL: %1 nm
Ref: %2
Src: %3</source>
        <translation>WL: %1 nm
Ref: %2
Src: %3</translation>
    </message>
</context>
<context>
    <name>Transmittance</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Snapshot Measure</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>Continuous Measure</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>ref</source>
        <translation>ref</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposure</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Get</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>Exposure Status: </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Adjusting Exposure</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Under Exposure</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Normal Exposure</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Over Exposure</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>Transmittance</source>
        <translation>Transmittance</translation>
    </message>
    <message>
        <source>WL: %1 nm
Ref: %2
Src: %3</source>
        <translation>WL: %1 nm
Ref: %2
Src: %3</translation>
    </message>
</context>
<context>
    <name>Absorbance</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Snapshot Measure</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>Continuous Measure</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>ref</source>
        <translation>ref</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposure</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Get</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>Exposure Status: </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Adjusting Exposure</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Under Exposure</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Normal Exposure</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Over Exposure</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>Absorbance</source>
        <translation>Absorbance</translation>
    </message>
    <message>
        <source>WL: %1 nm
Ref: %2
Src: %3</source>
        <translation>WL: %1 nm
Ref: %2
Src: %3</translation>
    </message>
</context>
<context>
    <name>Raman</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Snapshot Measure</translation>
    </message>
    <message>
        <source>Peak Selection</source>
        <translation>Peak Selection</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposure</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>Exposure Status: </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Adjusting Exposure</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Under Exposure</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Normal Exposure</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Over Exposure</translation>
    </message>
    <message>
        <source>RamanRaw</source>
        <translation>RamanRaw</translation>
    </message>
    <message>
        <source>RamanClean</source>
        <translation>RamanClean</translation>
    </message>
    <message>
        <source>RamanFluorescence</source>
        <translation>RamanFluorescence</translation>
    </message>
    <message>
        <source>Peak selection</source>
        <translation>Peak selection</translation>
    </message>
    <message>
        <source>cm^-1</source>
        <translation>cm^-1</translation>
    </message>
    <message>
        <source>intensity</source>
        <translation>intensity</translation>
    </message>
</context>
<context>
    <name>ChartColorVector</name>
    <message>
        <source>Relation</source>
        <translation>Relation</translation>
    </message>
    <message>
        <source>Ref Source</source>
        <translation>Ref Source</translation>
    </message>
    <message>
        <source>Test Source</source>
        <translation>Test Source</translation>
    </message>
</context>
<context>
    <name>ChartPowerDistribution</name>
    <message>
        <source>Test Source</source>
        <translation>Test Source</translation>
    </message>
    <message>
        <source>Ref Source</source>
        <translation>Ref Source</translation>
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
        <translation>Flicker frequency(Hz): %1
Modulation depth(%): %2
Percent flicker(%): %3
Flicker index: %4
Gain: %5</translation>
    </message>
</context>
<context>
    <name>SerialOpenFailure</name>
    <message>
        <source>In use by another program (process %2):
%1
Close it, then try again.</source>
        <translation>In use by another program (process %2):
%1
Close it, then try again.</translation>
    </message>
    <message>
        <source>In use by another program. Close it, then try again.</source>
        <translation>In use by another program. Close it, then try again.</translation>
    </message>
    <message>
        <source>Locked by a program that is no longer running, through its lock file:
%1
%2 or an administrator can delete that file.</source>
        <translation>Locked by a program that is no longer running, through its lock file:
%1
%2 or an administrator can delete that file.</translation>
    </message>
    <message>
        <source>Not allowed: the port belongs to the group “%1”. Once an administrator has added you to it, log out and in again to join it.</source>
        <translation>Not allowed: the port belongs to the group “%1”. Once an administrator has added you to it, log out and in again to join it.</translation>
    </message>
    <message>
        <source>Not allowed, and joining the port&apos;s group “%1” would not change that: ask an administrator.</source>
        <translation>Not allowed, and joining the port&apos;s group “%1” would not change that: ask an administrator.</translation>
    </message>
    <message>
        <source>These ports cannot be opened now:</source>
        <translation>These ports cannot be opened now:</translation>
    </message>
</context>
</TS>
