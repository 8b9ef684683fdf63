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
        <source>Enter whole numbers of nanometres.</source>
        <translation>Enter whole numbers of nanometres.</translation>
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
        <source>Enter two illuminances of at least 0.01.</source>
        <translation>Enter two illuminances of at least 0.01.</translation>
    </message>
</context>
<context>
    <name>CustomizedTestDialog</name>
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
</TS>
