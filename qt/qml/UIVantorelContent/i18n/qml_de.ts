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
</context>
<context>
    <name>StudioService</name>
    <message>
        <source>The start wavelength must be less than the end wavelength.</source>
        <translation>Die Anfangswellenlänge muss kleiner als die Endwellenlänge sein.</translation>
    </message>
    <message>
        <source>Invalid exposure time. Enter a number of milliseconds from 0 to %1.</source>
        <translation>Ungültige Belichtungszeit. Geben Sie eine Anzahl Millisekunden von 0 bis %1 ein.</translation>
    </message>
</context>
</TS>
