<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Main</name>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>UART connection failed</source>
        <translation>UART-Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>No valid baud rate found</source>
        <translation>Keine gültige Baudrate gefunden</translation>
    </message>
    <message>
        <source>UART disconnected</source>
        <translation>UART-Verbindung getrennt</translation>
    </message>
    <message>
        <source>Bluetooth connection failed</source>
        <translation>Bluetooth-Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed to create Bluetooth service</source>
        <translation>Bluetooth-Dienst konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Bluetooth disconnected</source>
        <translation>Bluetooth-Verbindung getrennt</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Speichern erfolgreich</translation>
    </message>
    <message>
        <source>Data has been successfully saved to:
</source>
        <translation>Die Daten wurden erfolgreich gespeichert unter:
</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>An unknown error occurred while saving the file.</source>
        <translation>Beim Speichern der Datei ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
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
        <translation>Der Datenpuffer ist nicht initialisiert.</translation>
    </message>
    <message>
        <source>Failed to create directory for saving.</source>
        <translation>Der Speicherordner konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Unknown save type.</source>
        <translation>Unbekannter Speichertyp.</translation>
    </message>
    <message>
        <source>Failed to write file.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
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
        <translation>Kontrollkästchen</translation>
    </message>
</context>
<context>
    <name>CustomWindow</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
