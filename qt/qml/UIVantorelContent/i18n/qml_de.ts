<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DataHandlerService</name>
    <message>
        <source>The device's range of %1 to %2 nm cannot be read (at most %3 points): its spectra are not shown.</source>
        <translation>Der Bereich des Geräts von %1 bis %2 nm kann nicht gelesen werden (höchstens %3 Punkte): seine Spektren werden nicht angezeigt.</translation>
    </message>
</context>
<context>
    <name>DataTable</name>
    <message>
        <source>BASE</source>
        <translation>BASIS</translation>
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
        <translation>CIE1931-Farbraum Normfarbwert X</translation>
    </message>
    <message>
        <source>CIE1931 colorspace tristimulus values Y</source>
        <translation>CIE1931-Farbraum Normfarbwert Y</translation>
    </message>
    <message>
        <source>CIE1931 colorspace tristimulus values Z</source>
        <translation>CIE1931-Farbraum Normfarbwert Z</translation>
    </message>
    <message>
        <source>CIE1931 colorspace chromaticity coordinates x</source>
        <translation>CIE1931-Farbraum Farbwertanteil x</translation>
    </message>
    <message>
        <source>CIE1931 colorspace chromaticity coordinates y</source>
        <translation>CIE1931-Farbraum Farbwertanteil y</translation>
    </message>
    <message>
        <source>CIE1960 colorspace chromaticity coordinates u</source>
        <translation>CIE1960-Farbraum Farbwertanteil u</translation>
    </message>
    <message>
        <source>CIE1960 colorspace chromaticity coordinates v</source>
        <translation>CIE1960-Farbraum Farbwertanteil v</translation>
    </message>
    <message>
        <source>CIE1976 colorspace chromaticity coordinates u'</source>
        <translation>CIE1976-Farbraum Farbwertanteil u'</translation>
    </message>
    <message>
        <source>CIE1976 colorspace chromaticity coordinates v'</source>
        <translation>CIE1976-Farbraum Farbwertanteil v'</translation>
    </message>
    <message>
        <source>Color temperature CCT(K)</source>
        <translation>Farbtemperatur CCT(K)</translation>
    </message>
    <message>
        <source>absDeltaUV</source>
        <translation>absDeltaUV</translation>
    </message>
    <message>
        <source>Red ratio(%)</source>
        <translation>Rotanteil(%)</translation>
    </message>
    <message>
        <source>Green ratio(%)</source>
        <translation>Grünanteil(%)</translation>
    </message>
    <message>
        <source>Blue ratio(%)</source>
        <translation>Blauanteil(%)</translation>
    </message>
    <message>
        <source>Color shift Duv</source>
        <translation>Farbabweichung Duv</translation>
    </message>
    <message>
        <source>Color render index Ra</source>
        <translation>Farbwiedergabeindex Ra</translation>
    </message>
    <message>
        <source>Color render index R1</source>
        <translation>Farbwiedergabeindex R1</translation>
    </message>
    <message>
        <source>Color render index R2</source>
        <translation>Farbwiedergabeindex R2</translation>
    </message>
    <message>
        <source>Color render index R3</source>
        <translation>Farbwiedergabeindex R3</translation>
    </message>
    <message>
        <source>Color render index R4</source>
        <translation>Farbwiedergabeindex R4</translation>
    </message>
    <message>
        <source>Color render index R5</source>
        <translation>Farbwiedergabeindex R5</translation>
    </message>
    <message>
        <source>Color render index R6</source>
        <translation>Farbwiedergabeindex R6</translation>
    </message>
    <message>
        <source>Color render index R7</source>
        <translation>Farbwiedergabeindex R7</translation>
    </message>
    <message>
        <source>Color render index R8</source>
        <translation>Farbwiedergabeindex R8</translation>
    </message>
    <message>
        <source>Color render index R9</source>
        <translation>Farbwiedergabeindex R9</translation>
    </message>
    <message>
        <source>Color render index R10</source>
        <translation>Farbwiedergabeindex R10</translation>
    </message>
    <message>
        <source>Color render index R11</source>
        <translation>Farbwiedergabeindex R11</translation>
    </message>
    <message>
        <source>Color render index R12</source>
        <translation>Farbwiedergabeindex R12</translation>
    </message>
    <message>
        <source>Color render index R13</source>
        <translation>Farbwiedergabeindex R13</translation>
    </message>
    <message>
        <source>Color render index R14</source>
        <translation>Farbwiedergabeindex R14</translation>
    </message>
    <message>
        <source>Color render index R15</source>
        <translation>Farbwiedergabeindex R15</translation>
    </message>
    <message>
        <source>Peak wavelength Lp(nm)</source>
        <translation>Spitzenwellenlänge Lp(nm)</translation>
    </message>
    <message>
        <source>Half-peak width HW(nm)</source>
        <translation>Halbwertsbreite HW(nm)</translation>
    </message>
    <message>
        <source>Dominant wavelength Ld(nm)</source>
        <translation>Dominante Wellenlänge Ld(nm)</translation>
    </message>
    <message>
        <source>Color purity Purity(%)</source>
        <translation>Farbreinheit Purity(%)</translation>
    </message>
    <message>
        <source>Light-dark vision ratio S/P</source>
        <translation>Hell-Dunkel-Sehverhältnis S/P</translation>
    </message>
    <message>
        <source>Color tolerance SDCM</source>
        <translation>Farbtoleranz SDCM</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Illuminance Lux</source>
        <translation>Beleuchtungsstärke Lux</translation>
    </message>
    <message>
        <source>Irradiance Ee</source>
        <translation>Bestrahlungsstärke Ee</translation>
    </message>
    <message>
        <source>Illuminance E(fc)</source>
        <translation>Beleuchtungsstärke E(fc)</translation>
    </message>
    <message>
        <source>Color quality scale CQS</source>
        <translation>Farbqualitätsskala CQS</translation>
    </message>
    <message>
        <source>Gamut area index GAI_EES</source>
        <translation>Farbraumflächenindex GAI_EES</translation>
    </message>
    <message>
        <source>Gamut area index GAI_BB_8</source>
        <translation>Farbraumflächenindex GAI_BB_8</translation>
    </message>
    <message>
        <source>Gamut area index GAI_BB_15</source>
        <translation>Farbraumflächenindex GAI_BB_15</translation>
    </message>
    <message>
        <source>Equivalen melanopic lux EML</source>
        <translation>Äquivalente melanopische Beleuchtungsstärke EML</translation>
    </message>
    <message>
        <source>Melanopic equivalent daylight illuminance M_EDI</source>
        <translation>Melanopische Tageslicht-äquivalente Beleuchtungsstärke M_EDI</translation>
    </message>
    <message>
        <source>Luminance Nit(nit)</source>
        <translation>Leuchtdichte Nit(nit)</translation>
    </message>
    <message>
        <source>Blue light hazard weighted irradiance Eb</source>
        <translation>Blaulichtgefährdungs-gewichtete Bestrahlungsstärke Eb</translation>
    </message>
    <message>
        <source>Red irradiance Red_Ee</source>
        <translation>Rote Bestrahlungsstärke Red_Ee</translation>
    </message>
    <message>
        <source>Near infrared irradiance A Nir_EeA</source>
        <translation>Nahinfrarot-Bestrahlungsstärke A Nir_EeA</translation>
    </message>
    <message>
        <source>Near infrared irradiance B Nir_EeB</source>
        <translation>Nahinfrarot-Bestrahlungsstärke B Nir_EeB</translation>
    </message>
    <message>
        <source>Photosynthetically active radiation PAR</source>
        <translation>Photosynthetisch aktive Strahlung PAR</translation>
    </message>
    <message>
        <source>Chlorophyll A weighted irradiance Eca</source>
        <translation>Chlorophyll-A-gewichtete Bestrahlungsstärke Eca</translation>
    </message>
    <message>
        <source>Chlorophyll B weighted irradiance Ecb</source>
        <translation>Chlorophyll-B-gewichtete Bestrahlungsstärke Ecb</translation>
    </message>
    <message>
        <source>Blue purple irradiance Eb</source>
        <translation>Blauviolette Bestrahlungsstärke Eb</translation>
    </message>
    <message>
        <source>Yellow green irradiance Ey</source>
        <translation>Gelbgrüne Bestrahlungsstärke Ey</translation>
    </message>
    <message>
        <source>Red orange irradiance Er</source>
        <translation>Rotorange Bestrahlungsstärke Er</translation>
    </message>
    <message>
        <source>Red blue irradiance ratio Erb_Ratio</source>
        <translation>Rot-Blau-Bestrahlungsverhältnis Erb_Ratio</translation>
    </message>
    <message>
        <source>Photosynthetic photon flux density PPFD(umol/(m^2·s))</source>
        <translation>Photosynthetische Photonenflussdichte PPFD(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Blue purple photosynthetic photon flux density PPFDb(umol/(m^2·s))</source>
        <translation>Blauviolette photosynthetische Photonenflussdichte PPFDb(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Yellow green photosynthetic photon flux density PPFDy(umol/(m^2·s))</source>
        <translation>Gelbgrüne photosynthetische Photonenflussdichte PPFDy(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Red orange photosynthetic photon flux density PPFDr(umol/(m^2·s))</source>
        <translation>Rotorange photosynthetische Photonenflussdichte PPFDr(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Far red photosynthetic photon flux density PPFDfr(umol/(m^2·s))</source>
        <translation>Dunkelrote photosynthetische Photonenflussdichte PPFDfr(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Red orange photosynthetic photon flux density ratio PPFDr_ratio(%)</source>
        <translation>Rotorange-Anteil der photosynthetischen Photonenflussdichte PPFDr_ratio(%)</translation>
    </message>
    <message>
        <source>Yellow green photosynthetic photon flux density ratio PPFDy_ratio(%)</source>
        <translation>Gelbgrün-Anteil der photosynthetischen Photonenflussdichte PPFDy_ratio(%)</translation>
    </message>
    <message>
        <source>Blue purple photosynthetic photon flux density ratio PPFDb_ratio(%)</source>
        <translation>Blauviolett-Anteil der photosynthetischen Photonenflussdichte PPFDb_ratio(%)</translation>
    </message>
    <message>
        <source>Yield photon flux density YPFD (umol/(m^2·s))</source>
        <translation>Ertragsphotonenflussdichte YPFD (umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Flicker  frequency(Hz)</source>
        <translation>Flackerfrequenz(Hz)</translation>
    </message>
    <message>
        <source>Percent flicker(%)</source>
        <translation>Prozentuales Flackern(%)</translation>
    </message>
    <message>
        <source>Modulation depth(%)</source>
        <translation>Modulationstiefe(%)</translation>
    </message>
    <message>
        <source>Flicker index</source>
        <translation>Flackerindex</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Custom Irradiance Ee</source>
        <translation>Benutzerdefinierte Bestrahlungsstärke Ee</translation>
    </message>
    <message>
        <source>Custom Peak wavelength LP</source>
        <translation>Benutzerdefinierte Spitzenwellenlänge LP</translation>
    </message>
    <message>
        <source>Custom Half-peak width HW</source>
        <translation>Benutzerdefinierte Halbwertsbreite HW</translation>
    </message>
</context>
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
        <source>Saved Incomplete</source>
        <translation>Unvollständig gespeichert</translation>
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
        <source>Failed to open file for writing in %1.</source>
        <translation>In %1 konnte keine Datei zum Schreiben geöffnet werden.</translation>
    </message>
    <message>
        <source>There is no measurement to report. Connect a device and measure first.</source>
        <translation>Keine Messung für den Bericht. Erst ein Gerät verbinden und messen.</translation>
    </message>
    <message>
        <source>The test ended before its first sample; nothing was saved.</source>
        <translation>Der Test endete vor seiner ersten Probe; es wurde nichts gespeichert.</translation>
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
        <translation>Spektrum</translation>
    </message>
    <message>
        <source>Sample and reference spectra</source>
        <translation>Proben- und Referenzspektren</translation>
    </message>
    <message>
        <source>Absorbance</source>
        <translation>Absorbanz</translation>
    </message>
    <message>
        <source>Transmittance</source>
        <translation>Transmissionsgrad</translation>
    </message>
    <message>
        <source>Reflectance</source>
        <translation>Reflexionsgrad</translation>
    </message>
    <message>
        <source>Raman spectrum</source>
        <translation>Raman-Spektrum</translation>
    </message>
    <message>
        <source>Flicker</source>
        <translation>Flackern</translation>
    </message>
    <message>
        <source>Missing from the report (not yet drawn on screen): %1</source>
        <translation>Fehlt im Bericht (noch nicht auf dem Bildschirm gezeichnet): %1</translation>
    </message>
    <message>
        <source>Missing from the report (not enough memory to draw them): %1</source>
        <translation>Fehlt im Bericht (zu wenig Speicher zum Zeichnen): %1</translation>
    </message>
</context>
<context>
    <name>Welcome</name>
    <message>
        <source>Theme</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Serial Connection</source>
        <translation>Serielle Verbindung</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Port ID</source>
        <translation>Port-ID</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>connect Serial</comment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Scan Bluetooth</source>
        <translation>Bluetooth scannen</translation>
    </message>
    <message>
        <source>No Bluetooth devices found</source>
        <translation>Keine Bluetooth-Geräte gefunden</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Bluetooth connection button</comment>
        <translation>Öffnen</translation>
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
<context>
    <name>Studio</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Schnappschuss-Messung</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>Kontinuierliche Messung</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Flicker</source>
        <translation>Flackern</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Einstellen</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Abrufen</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriell</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>Belichtungsstatus: </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Belichtung anpassen</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Unterbelichtung</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Normale Belichtung</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Überbelichtung</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
</context>
<context>
    <name>KVRExportDialog</name>
    <message>
        <source>Export Report</source>
        <translation>Bericht exportieren</translation>
    </message>
    <message>
        <source>Sample Name</source>
        <translation>Probenname</translation>
    </message>
    <message>
        <source>Sample Number</source>
        <translation>Probennummer</translation>
    </message>
    <message>
        <source>Sample Model</source>
        <translation>Probenmodell</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>Prüfer</translation>
    </message>
    <message>
        <source>Test Time</source>
        <translation>Testzeit</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
</context>
<context>
    <name>StudioService</name>
    <message>
        <source>The start wavelength must be less than the end wavelength.</source>
        <translation>Die Anfangswellenlänge muss kleiner als die Endwellenlänge sein.</translation>
    </message>
    <message>
        <source>Enter an exposure time in milliseconds from 0 to %1, such as %2.</source>
        <translation>Belichtungszeit in Millisekunden von 0 bis %1 eingeben, z. B. %2.</translation>
    </message>
    <message>
        <source>Connect a device before starting a test.</source>
        <translation>Vor dem Start eines Tests ein Gerät verbinden.</translation>
    </message>
    <message>
        <source>Enter a duration of at least one interval (%1 s) and at most %2 s.</source>
        <translation>Dauer eingeben: mindestens ein Intervall (%1 s), höchstens %2 s.</translation>
    </message>
    <message>
        <source>This computer's memory cannot hold a series that long: at %1 s intervals it can last at most %2 s.</source>
        <translation>Der Speicher dieses Computers kann eine so lange Serie nicht aufnehmen: Bei Intervallen von %1 s kann sie höchstens %2 s dauern.</translation>
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
        <translation>Absorbanz</translation>
    </message>
</context>
<context>
    <name>ChartReflectance</name>
    <message>
        <source>Reflectance</source>
        <translation>Reflexionsgrad</translation>
    </message>
</context>
<context>
    <name>ChartTransmittance</name>
    <message>
        <source>Transmittance</source>
        <translation>Transmissionsgrad</translation>
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
        <translation>Thema</translation>
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
        <source>Enter whole numbers of nanometres in digits only, such as 380.</source>
        <translation>Bitte ganze Nanometerwerte nur aus Ziffern eingeben, z. B. 380.</translation>
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
        <source>Enter two illuminances of at least %1, such as %2.</source>
        <translation>Bitte zwei Beleuchtungsstärken von mindestens %1 eingeben, z. B. %2.</translation>
    </message>
</context>
<context>
    <name>CustomizedTestDialog</name>
    <message>
        <source>Enter the duration and the intervals as whole numbers in digits only, such as 3600.</source>
        <translation>Dauer und Intervalle als ganze Zahlen nur aus Ziffern eingeben, z. B. 3600.</translation>
    </message>
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
    <message>
        <source>No spectrum is arriving from the device; intervals without one are left out.</source>
        <translation>Vom Gerät kommt kein Spektrum; Intervalle ohne Spektrum werden ausgelassen.</translation>
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
<context>
    <name>PureSpectrum</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Schnappschuss-Messung</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>Kontinuierliche Messung</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Einstellen</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Abrufen</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriell</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>Belichtungsstatus: </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Belichtung anpassen</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Unterbelichtung</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Normale Belichtung</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Überbelichtung</translation>
    </message>
</context>
<context>
    <name>Reflectance</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Schnappschuss-Messung</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>Kontinuierliche Messung</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>ref</source>
        <translation>Ref</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Einstellen</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Abrufen</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriell</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>Belichtungsstatus: </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Belichtung anpassen</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Unterbelichtung</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Normale Belichtung</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Überbelichtung</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Spektrum</translation>
    </message>
    <message>
        <source>Reflectance</source>
        <translation>Reflexion</translation>
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
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Schnappschuss-Messung</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>Kontinuierliche Messung</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>ref</source>
        <translation>Ref</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Einstellen</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Abrufen</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriell</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>Belichtungsstatus: </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Belichtung anpassen</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Unterbelichtung</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Normale Belichtung</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Überbelichtung</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Spektrum</translation>
    </message>
    <message>
        <source>Transmittance</source>
        <translation>Transmission</translation>
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
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Schnappschuss-Messung</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>Kontinuierliche Messung</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>ref</source>
        <translation>Ref</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Einstellen</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Abrufen</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriell</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>Belichtungsstatus: </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Belichtung anpassen</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Unterbelichtung</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Normale Belichtung</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Überbelichtung</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Spektrum</translation>
    </message>
    <message>
        <source>Absorbance</source>
        <translation>Absorption</translation>
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
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Schnappschuss-Messung</translation>
    </message>
    <message>
        <source>Peak Selection</source>
        <translation>Peak-Auswahl</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriell</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>Belichtungsstatus: </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Belichtung anpassen</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Unterbelichtung</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Normale Belichtung</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Überbelichtung</translation>
    </message>
    <message>
        <source>RamanRaw</source>
        <translation>Raman roh</translation>
    </message>
    <message>
        <source>RamanClean</source>
        <translation>Raman bereinigt</translation>
    </message>
    <message>
        <source>RamanFluorescence</source>
        <translation>Fluoreszenz</translation>
    </message>
    <message>
        <source>Peak selection</source>
        <translation>Peak-Auswahl</translation>
    </message>
    <message>
        <source>cm^-1</source>
        <translation>cm^-1</translation>
    </message>
    <message>
        <source>intensity</source>
        <translation>Intensität</translation>
    </message>
</context>
<context>
    <name>ChartColorVector</name>
    <message>
        <source>Relation</source>
        <translation>Zuordnung</translation>
    </message>
    <message>
        <source>Ref Source</source>
        <translation>Referenzquelle</translation>
    </message>
    <message>
        <source>Test Source</source>
        <translation>Testquelle</translation>
    </message>
</context>
<context>
    <name>ChartPowerDistribution</name>
    <message>
        <source>Test Source</source>
        <translation>Testquelle</translation>
    </message>
    <message>
        <source>Ref Source</source>
        <translation>Referenzquelle</translation>
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
        <translation>Flimmerfrequenz (Hz): %1
Modulationstiefe (%): %2
Flimmeranteil (%): %3
Flimmerindex: %4
Verstärkung: %5</translation>
    </message>
</context>
<context>
    <name>SerialOpenFailure</name>
    <message>
        <source>In use by another program (process %2):
%1
Close it, then try again.</source>
        <translation>Von einem anderen Programm (Prozess %2) belegt:
%1
Schließen Sie es und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>In use by another program. Close it, then try again.</source>
        <translation>Von einem anderen Programm belegt. Schließen Sie es und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Locked by a program that is no longer running, through its lock file:
%1
%2 or an administrator can delete that file.</source>
        <translation>Gesperrt durch die Sperrdatei eines Programms, das nicht mehr läuft:
%1
%2 oder ein Administrator kann diese Datei löschen.</translation>
    </message>
    <message>
        <source>Not allowed: the port belongs to the group “%1”. Once an administrator has added you to it, log out and in again to join it.</source>
        <translation>Nicht erlaubt: Der Port gehört zur Gruppe „%1“. Sobald ein Administrator Sie in diese Gruppe aufgenommen hat, melden Sie sich ab und wieder an, um ihr beizutreten.</translation>
    </message>
    <message>
        <source>Not allowed, and joining the port&apos;s group “%1” would not change that: ask an administrator.</source>
        <translation>Nicht erlaubt, und ein Beitritt zur Gruppe „%1“ des Ports würde daran nichts ändern: Wenden Sie sich an einen Administrator.</translation>
    </message>
    <message>
        <source>These ports cannot be opened now:</source>
        <translation>Diese Ports lassen sich derzeit nicht öffnen:</translation>
    </message>
</context>
</TS>
