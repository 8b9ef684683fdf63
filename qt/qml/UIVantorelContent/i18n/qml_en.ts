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
    <name>StudioService</name>
    <message>
        <source>The start wavelength must be less than the end wavelength.</source>
        <translation>The start wavelength must be less than the end wavelength.</translation>
    </message>
    <message>
        <source>Invalid exposure time. Enter a number of milliseconds from 0 to %1.</source>
        <translation>Invalid exposure time. Enter a number of milliseconds from 0 to %1.</translation>
    </message>
</context>
</TS>
