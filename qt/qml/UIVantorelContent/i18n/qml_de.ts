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
    <name>Function</name>
    <message>
        <source>Spectrum Only</source>
        <translation>Nur Spektrum</translation>
    </message>
    <message>
        <source>Photometry &amp;&amp; Power</source>
        <translation>Photometrie &amp;&amp; Leistung</translation>
    </message>
    <message>
        <source>Absorbance</source>
        <translation>Absorption</translation>
    </message>
    <message>
        <source>Transmittance</source>
        <translation>Transmission</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>Raman</translation>
    </message>
    <message>
        <source>Reflectance</source>
        <translation>Reflexion</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>KVRMenubar</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Set Baud Rate</source>
        <translation>Baudrate einstellen</translation>
    </message>
    <message>
        <source>Set Efficiency</source>
        <translation>Effizienz einstellen</translation>
    </message>
    <message>
        <source>Switch Irradiance Unit</source>
        <translation>Einheit der Bestrahlungsstärke</translation>
    </message>
    <message>
        <source>Set Bandwidth</source>
        <translation>Bandbreite einstellen</translation>
    </message>
    <message>
        <source>Switch CIE Fundamentals</source>
        <translation>CIE-Grundlagen wechseln</translation>
    </message>
    <message>
        <source>Set Illuminance</source>
        <translation>Beleuchtungsstärke einstellen</translation>
    </message>
    <message>
        <source>Switch Gain</source>
        <translation>Verstärkung wechseln</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Customized Test</source>
        <translation>Benutzerdefinierter Test</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
</context>
<context>
    <name>BaudRateDialog</name>
    <message>
        <source>Baud Rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>EfficiencyDialog</name>
    <message>
        <source>Efficiency</source>
        <translation>Effizienz</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
</context>
<context>
    <name>BandwidthDialog</name>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Enable Custom Wavelength</source>
        <translation>Eigenen Wellenlängenbereich verwenden</translation>
    </message>
    <message>
        <source>Bandwidth (nm)</source>
        <translation>Bandbreite (nm)</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Enter whole numbers of nanometres.</source>
        <translation>Bitte ganze Nanometerwerte eingeben.</translation>
    </message>
    <message>
        <source>The start must be below the end.</source>
        <translation>Der Anfang muss unter dem Ende liegen.</translation>
    </message>
</context>
<context>
    <name>IlluminanceDialog</name>
    <message>
        <source>Illuminance Calibrate</source>
        <translation>Beleuchtungsstärke kalibrieren</translation>
    </message>
    <message>
        <source>Illuminance</source>
        <translation>Beleuchtungsstärke</translation>
    </message>
    <message>
        <source>Current Illuminance</source>
        <translation>Aktuelle Beleuchtungsstärke</translation>
    </message>
    <message>
        <source>Target Illuminance</source>
        <translation>Soll-Beleuchtungsstärke</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Enter two illuminances of at least 0.01.</source>
        <translation>Bitte zwei Beleuchtungsstärken von mindestens 0,01 eingeben.</translation>
    </message>
</context>
<context>
    <name>CustomizedTestDialog</name>
    <message>
        <source>Customized Test</source>
        <translation>Benutzerdefinierter Test</translation>
    </message>
    <message>
        <source>Test Settings</source>
        <translation>Testeinstellungen</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervall</translation>
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
        <translation>Firmeninformationen</translation>
    </message>
    <message>
        <source>Company: %1</source>
        <translation>Firma: %1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Adresse: %1</translation>
    </message>
    <message>
        <source>Telephone: %1</source>
        <translation>Telefon: %1</translation>
    </message>
    <message>
        <source>Mobile: %1</source>
        <translation>Mobil: %1</translation>
    </message>
    <message>
        <source>Email: </source>
        <translation>E-Mail: </translation>
    </message>
    <message>
        <source>Website: </source>
        <translation>Website: </translation>
    </message>
    <message>
        <source>More Support</source>
        <translation>Weitere Unterstützung</translation>
    </message>
</context>
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Software Information</source>
        <translation>Software-Informationen</translation>
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
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
</context>
</TS>
