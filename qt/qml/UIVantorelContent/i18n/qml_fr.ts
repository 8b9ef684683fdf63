<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DataHandlerService</name>
    <message>
        <source>The device's range of %1 to %2 nm cannot be read (at most %3 points): its spectra are not shown.</source>
        <translation>La plage de l'appareil de %1 à %2 nm ne peut pas être lue (%3 points au plus) : ses spectres ne sont pas affichés.</translation>
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
        <translation>Valeur tristimulus X de l'espace CIE1931</translation>
    </message>
    <message>
        <source>CIE1931 colorspace tristimulus values Y</source>
        <translation>Valeur tristimulus Y de l'espace CIE1931</translation>
    </message>
    <message>
        <source>CIE1931 colorspace tristimulus values Z</source>
        <translation>Valeur tristimulus Z de l'espace CIE1931</translation>
    </message>
    <message>
        <source>CIE1931 colorspace chromaticity coordinates x</source>
        <translation>Coordonnée chromatique x de l'espace CIE1931</translation>
    </message>
    <message>
        <source>CIE1931 colorspace chromaticity coordinates y</source>
        <translation>Coordonnée chromatique y de l'espace CIE1931</translation>
    </message>
    <message>
        <source>CIE1960 colorspace chromaticity coordinates u</source>
        <translation>Coordonnée chromatique u de l'espace CIE1960</translation>
    </message>
    <message>
        <source>CIE1960 colorspace chromaticity coordinates v</source>
        <translation>Coordonnée chromatique v de l'espace CIE1960</translation>
    </message>
    <message>
        <source>CIE1976 colorspace chromaticity coordinates u'</source>
        <translation>Coordonnée chromatique u' de l'espace CIE1976</translation>
    </message>
    <message>
        <source>CIE1976 colorspace chromaticity coordinates v'</source>
        <translation>Coordonnée chromatique v' de l'espace CIE1976</translation>
    </message>
    <message>
        <source>Color temperature CCT(K)</source>
        <translation>Température de couleur CCT(K)</translation>
    </message>
    <message>
        <source>absDeltaUV</source>
        <translation>absDeltaUV</translation>
    </message>
    <message>
        <source>Red ratio(%)</source>
        <translation>Proportion de rouge(%)</translation>
    </message>
    <message>
        <source>Green ratio(%)</source>
        <translation>Proportion de vert(%)</translation>
    </message>
    <message>
        <source>Blue ratio(%)</source>
        <translation>Proportion de bleu(%)</translation>
    </message>
    <message>
        <source>Color shift Duv</source>
        <translation>Écart de couleur Duv</translation>
    </message>
    <message>
        <source>Color render index Ra</source>
        <translation>Indice de rendu des couleurs Ra</translation>
    </message>
    <message>
        <source>Color render index R1</source>
        <translation>Indice de rendu des couleurs R1</translation>
    </message>
    <message>
        <source>Color render index R2</source>
        <translation>Indice de rendu des couleurs R2</translation>
    </message>
    <message>
        <source>Color render index R3</source>
        <translation>Indice de rendu des couleurs R3</translation>
    </message>
    <message>
        <source>Color render index R4</source>
        <translation>Indice de rendu des couleurs R4</translation>
    </message>
    <message>
        <source>Color render index R5</source>
        <translation>Indice de rendu des couleurs R5</translation>
    </message>
    <message>
        <source>Color render index R6</source>
        <translation>Indice de rendu des couleurs R6</translation>
    </message>
    <message>
        <source>Color render index R7</source>
        <translation>Indice de rendu des couleurs R7</translation>
    </message>
    <message>
        <source>Color render index R8</source>
        <translation>Indice de rendu des couleurs R8</translation>
    </message>
    <message>
        <source>Color render index R9</source>
        <translation>Indice de rendu des couleurs R9</translation>
    </message>
    <message>
        <source>Color render index R10</source>
        <translation>Indice de rendu des couleurs R10</translation>
    </message>
    <message>
        <source>Color render index R11</source>
        <translation>Indice de rendu des couleurs R11</translation>
    </message>
    <message>
        <source>Color render index R12</source>
        <translation>Indice de rendu des couleurs R12</translation>
    </message>
    <message>
        <source>Color render index R13</source>
        <translation>Indice de rendu des couleurs R13</translation>
    </message>
    <message>
        <source>Color render index R14</source>
        <translation>Indice de rendu des couleurs R14</translation>
    </message>
    <message>
        <source>Color render index R15</source>
        <translation>Indice de rendu des couleurs R15</translation>
    </message>
    <message>
        <source>Peak wavelength Lp(nm)</source>
        <translation>Longueur d'onde de crête Lp(nm)</translation>
    </message>
    <message>
        <source>Half-peak width HW(nm)</source>
        <translation>Largeur à mi-hauteur HW(nm)</translation>
    </message>
    <message>
        <source>Dominant wavelength Ld(nm)</source>
        <translation>Longueur d'onde dominante Ld(nm)</translation>
    </message>
    <message>
        <source>Color purity Purity(%)</source>
        <translation>Pureté de couleur Purity(%)</translation>
    </message>
    <message>
        <source>Light-dark vision ratio S/P</source>
        <translation>Rapport de vision photopique/scotopique S/P</translation>
    </message>
    <message>
        <source>Color tolerance SDCM</source>
        <translation>Tolérance de couleur SDCM</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Illuminance Lux</source>
        <translation>Éclairement Lux</translation>
    </message>
    <message>
        <source>Irradiance Ee</source>
        <translation>Éclairement énergétique Ee</translation>
    </message>
    <message>
        <source>Illuminance E(fc)</source>
        <translation>Éclairement E(fc)</translation>
    </message>
    <message>
        <source>Color quality scale CQS</source>
        <translation>Échelle de qualité des couleurs CQS</translation>
    </message>
    <message>
        <source>Gamut area index GAI_EES</source>
        <translation>Indice de surface de gamut GAI_EES</translation>
    </message>
    <message>
        <source>Gamut area index GAI_BB_8</source>
        <translation>Indice de surface de gamut GAI_BB_8</translation>
    </message>
    <message>
        <source>Gamut area index GAI_BB_15</source>
        <translation>Indice de surface de gamut GAI_BB_15</translation>
    </message>
    <message>
        <source>Equivalen melanopic lux EML</source>
        <translation>Lux mélanopique équivalent EML</translation>
    </message>
    <message>
        <source>Melanopic equivalent daylight illuminance M_EDI</source>
        <translation>Éclairement équivalent lumière du jour mélanopique M_EDI</translation>
    </message>
    <message>
        <source>Luminance Nit(nit)</source>
        <translation>Luminance Nit(nit)</translation>
    </message>
    <message>
        <source>Blue light hazard weighted irradiance Eb</source>
        <translation>Éclairement énergétique pondéré lumière bleue Eb</translation>
    </message>
    <message>
        <source>Red irradiance Red_Ee</source>
        <translation>Éclairement énergétique rouge Red_Ee</translation>
    </message>
    <message>
        <source>Near infrared irradiance A Nir_EeA</source>
        <translation>Éclairement énergétique proche infrarouge A Nir_EeA</translation>
    </message>
    <message>
        <source>Near infrared irradiance B Nir_EeB</source>
        <translation>Éclairement énergétique proche infrarouge B Nir_EeB</translation>
    </message>
    <message>
        <source>Photosynthetically active radiation PAR</source>
        <translation>Rayonnement photosynthétiquement actif PAR</translation>
    </message>
    <message>
        <source>Chlorophyll A weighted irradiance Eca</source>
        <translation>Éclairement énergétique pondéré chlorophylle A Eca</translation>
    </message>
    <message>
        <source>Chlorophyll B weighted irradiance Ecb</source>
        <translation>Éclairement énergétique pondéré chlorophylle B Ecb</translation>
    </message>
    <message>
        <source>Blue purple irradiance Eb</source>
        <translation>Éclairement énergétique bleu-violet Eb</translation>
    </message>
    <message>
        <source>Yellow green irradiance Ey</source>
        <translation>Éclairement énergétique jaune-vert Ey</translation>
    </message>
    <message>
        <source>Red orange irradiance Er</source>
        <translation>Éclairement énergétique rouge-orange Er</translation>
    </message>
    <message>
        <source>Red blue irradiance ratio Erb_Ratio</source>
        <translation>Rapport d'éclairement rouge/bleu Erb_Ratio</translation>
    </message>
    <message>
        <source>Photosynthetic photon flux density PPFD(umol/(m^2·s))</source>
        <translation>Densité de flux de photons photosynthétiques PPFD(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Blue purple photosynthetic photon flux density PPFDb(umol/(m^2·s))</source>
        <translation>Densité de flux de photons photosynthétiques bleu-violet PPFDb(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Yellow green photosynthetic photon flux density PPFDy(umol/(m^2·s))</source>
        <translation>Densité de flux de photons photosynthétiques jaune-vert PPFDy(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Red orange photosynthetic photon flux density PPFDr(umol/(m^2·s))</source>
        <translation>Densité de flux de photons photosynthétiques rouge-orange PPFDr(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Far red photosynthetic photon flux density PPFDfr(umol/(m^2·s))</source>
        <translation>Densité de flux de photons rouge lointain PPFDfr(umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Red orange photosynthetic photon flux density ratio PPFDr_ratio(%)</source>
        <translation>Part rouge-orange de la densité de flux de photons PPFDr_ratio(%)</translation>
    </message>
    <message>
        <source>Yellow green photosynthetic photon flux density ratio PPFDy_ratio(%)</source>
        <translation>Part jaune-vert de la densité de flux de photons PPFDy_ratio(%)</translation>
    </message>
    <message>
        <source>Blue purple photosynthetic photon flux density ratio PPFDb_ratio(%)</source>
        <translation>Part bleu-violet de la densité de flux de photons PPFDb_ratio(%)</translation>
    </message>
    <message>
        <source>Yield photon flux density YPFD (umol/(m^2·s))</source>
        <translation>Densité de flux de photons de rendement YPFD (umol/(m^2·s))</translation>
    </message>
    <message>
        <source>Flicker  frequency(Hz)</source>
        <translation>Fréquence de scintillement(Hz)</translation>
    </message>
    <message>
        <source>Percent flicker(%)</source>
        <translation>Pourcentage de scintillement(%)</translation>
    </message>
    <message>
        <source>Modulation depth(%)</source>
        <translation>Profondeur de modulation(%)</translation>
    </message>
    <message>
        <source>Flicker index</source>
        <translation>Indice de scintillement</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Largeur de bande</translation>
    </message>
    <message>
        <source>Custom Irradiance Ee</source>
        <translation>Éclairement énergétique personnalisé Ee</translation>
    </message>
    <message>
        <source>Custom Peak wavelength LP</source>
        <translation>Longueur d'onde de crête personnalisée LP</translation>
    </message>
    <message>
        <source>Custom Half-peak width HW</source>
        <translation>Largeur à mi-hauteur personnalisée HW</translation>
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
        <translation>Échec de la connexion UART</translation>
    </message>
    <message>
        <source>No valid baud rate found</source>
        <translation>Aucun débit en bauds valide trouvé</translation>
    </message>
    <message>
        <source>UART disconnected</source>
        <translation>UART déconnecté</translation>
    </message>
    <message>
        <source>Bluetooth connection failed</source>
        <translation>Échec de la connexion Bluetooth</translation>
    </message>
    <message>
        <source>Failed to create Bluetooth service</source>
        <translation>Impossible de créer le service Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth disconnected</source>
        <translation>Bluetooth déconnecté</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Enregistrement réussi</translation>
    </message>
    <message>
        <source>Saved Incomplete</source>
        <translation>Enregistrement incomplet</translation>
    </message>
    <message>
        <source>Data has been successfully saved to:
</source>
        <translation>Les données ont été enregistrées dans :
</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Échec de l'enregistrement</translation>
    </message>
    <message>
        <source>An unknown error occurred while saving the file.</source>
        <translation>Une erreur inconnue s'est produite lors de l'enregistrement du fichier.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
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
        <translation>La mémoire tampon de données n'est pas initialisée.</translation>
    </message>
    <message>
        <source>Failed to create directory for saving.</source>
        <translation>Impossible de créer le dossier d'enregistrement.</translation>
    </message>
    <message>
        <source>Unknown save type.</source>
        <translation>Type d'enregistrement inconnu.</translation>
    </message>
    <message>
        <source>Failed to write file.</source>
        <translation>Impossible d'écrire le fichier.</translation>
    </message>
    <message>
        <source>Failed to open file for writing in %1.</source>
        <translation>Impossible d'ouvrir un fichier en écriture dans %1.</translation>
    </message>
    <message>
        <source>There is no measurement to report. Connect a device and measure first.</source>
        <translation>Aucune mesure pour le rapport. Connectez un appareil et mesurez.</translation>
    </message>
    <message>
        <source>The test ended before its first sample; nothing was saved.</source>
        <translation>Le test s'est terminé avant son premier échantillon ; rien n'a été enregistré.</translation>
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
        <translation>Spectre</translation>
    </message>
    <message>
        <source>Sample and reference spectra</source>
        <translation>Spectres de l'échantillon et de la référence</translation>
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
        <translation>Réflectance</translation>
    </message>
    <message>
        <source>Raman spectrum</source>
        <translation>Spectre Raman</translation>
    </message>
    <message>
        <source>Flicker</source>
        <translation>Scintillement</translation>
    </message>
    <message>
        <source>Missing from the report (not yet drawn on screen): %1</source>
        <translation>Absent du rapport (pas encore tracé à l'écran) : %1</translation>
    </message>
    <message>
        <source>Missing from the report (not enough memory to draw them): %1</source>
        <translation>Absent du rapport (mémoire insuffisante pour le tracer) : %1</translation>
    </message>
</context>
<context>
    <name>Welcome</name>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Serial Connection</source>
        <translation>Connexion série</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Port ID</source>
        <translation>ID du port</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Débit binaire</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>connect Serial</comment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Scan Bluetooth</source>
        <translation>Scanner Bluetooth</translation>
    </message>
    <message>
        <source>No Bluetooth devices found</source>
        <translation>Aucun appareil Bluetooth trouvé</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Bluetooth connection button</comment>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>KVRCheckBox</name>
    <message>
        <source>CheckBox</source>
        <translation>Case à cocher</translation>
    </message>
</context>
<context>
    <name>CustomWindow</name>
    <message>
        <source>Minimize</source>
        <translation>Minimiser</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximiser</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Studio</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Mesure instantanée</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>Mesure continue</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Flicker</source>
        <translation>Scintillement</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Obtenir</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>État de l'exposition : </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Ajustement de l'exposition</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Sous-exposition</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Exposition normale</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Surexposition</translation>
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
        <translation>Exporter le rapport</translation>
    </message>
    <message>
        <source>Sample Name</source>
        <translation>Nom de l'échantillon</translation>
    </message>
    <message>
        <source>Sample Number</source>
        <translation>Numéro d'échantillon</translation>
    </message>
    <message>
        <source>Sample Model</source>
        <translation>Modèle d'échantillon</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>Testeur</translation>
    </message>
    <message>
        <source>Test Time</source>
        <translation>Heure du test</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
</context>
<context>
    <name>StudioService</name>
    <message>
        <source>The start wavelength must be less than the end wavelength.</source>
        <translation>La longueur d'onde de début doit être inférieure à la longueur d'onde de fin.</translation>
    </message>
    <message>
        <source>Enter an exposure time in milliseconds from 0 to %1, such as %2.</source>
        <translation>Saisissez un temps d'exposition en millisecondes de 0 à %1, par ex. %2.</translation>
    </message>
    <message>
        <source>Connect a device before starting a test.</source>
        <translation>Connectez un appareil avant de lancer un test.</translation>
    </message>
    <message>
        <source>Enter a duration of at least one interval (%1 s) and at most %2 s.</source>
        <translation>Saisissez une durée d'au moins un intervalle (%1 s) et d'au plus %2 s.</translation>
    </message>
    <message>
        <source>This computer's memory cannot hold a series that long: at %1 s intervals it can last at most %2 s.</source>
        <translation>La mémoire de cet ordinateur ne peut pas contenir une série aussi longue : à des intervalles de %1 s, elle peut durer au plus %2 s.</translation>
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
        <translation>Réflectance</translation>
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
        <translation>Spectre uniquement</translation>
    </message>
    <message>
        <source>Photometry &amp;&amp; Power</source>
        <translation>Photométrie &amp;&amp; Puissance</translation>
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
        <translation>Réflectance</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>KVRMenubar</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Matériel</translation>
    </message>
    <message>
        <source>Set Baud Rate</source>
        <translation>Régler le débit binaire</translation>
    </message>
    <message>
        <source>Set Efficiency</source>
        <translation>Régler l'efficacité</translation>
    </message>
    <message>
        <source>Switch Irradiance Unit</source>
        <translation>Unité d'éclairement énergétique</translation>
    </message>
    <message>
        <source>Set Bandwidth</source>
        <translation>Régler la bande</translation>
    </message>
    <message>
        <source>Switch CIE Fundamentals</source>
        <translation>Fondamentaux CIE</translation>
    </message>
    <message>
        <source>Set Illuminance</source>
        <translation>Régler l'éclairement</translation>
    </message>
    <message>
        <source>Switch Gain</source>
        <translation>Changer le gain</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Customized Test</source>
        <translation>Test personnalisé</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
</context>
<context>
    <name>BaudRateDialog</name>
    <message>
        <source>Baud Rate</source>
        <translation>Débit binaire</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
</context>
<context>
    <name>EfficiencyDialog</name>
    <message>
        <source>Efficiency</source>
        <translation>Efficacité</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flasher</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
</context>
<context>
    <name>BandwidthDialog</name>
    <message>
        <source>Bandwidth</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>Enable Custom Wavelength</source>
        <translation>Activer la longueur d'onde personnalisée</translation>
    </message>
    <message>
        <source>Bandwidth (nm)</source>
        <translation>Bande (nm)</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Enter whole numbers of nanometres in digits only, such as 380.</source>
        <translation>Saisissez des nombres entiers de nanomètres, en chiffres seulement, par ex. 380.</translation>
    </message>
    <message>
        <source>The start must be below the end.</source>
        <translation>Le début doit être inférieur à la fin.</translation>
    </message>
</context>
<context>
    <name>IlluminanceDialog</name>
    <message>
        <source>Illuminance Calibrate</source>
        <translation>Étalonnage de l'éclairement</translation>
    </message>
    <message>
        <source>Illuminance</source>
        <translation>Éclairement</translation>
    </message>
    <message>
        <source>Current Illuminance</source>
        <translation>Éclairement actuel</translation>
    </message>
    <message>
        <source>Target Illuminance</source>
        <translation>Éclairement cible</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Enter two illuminances of at least %1, such as %2.</source>
        <translation>Saisissez deux éclairements d'au moins %1, par ex. %2.</translation>
    </message>
</context>
<context>
    <name>CustomizedTestDialog</name>
    <message>
        <source>Enter the duration and the intervals as whole numbers in digits only, such as 3600.</source>
        <translation>Saisissez la durée et les intervalles en nombres entiers, en chiffres seulement, par ex. 3600.</translation>
    </message>
    <message>
        <source>Customized Test</source>
        <translation>Test personnalisé</translation>
    </message>
    <message>
        <source>Test Settings</source>
        <translation>Paramètres du test</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>No spectrum is arriving from the device; intervals without one are left out.</source>
        <translation>Aucun spectre n'arrive de l'appareil ; les intervalles sans spectre sont omis.</translation>
    </message>
</context>
<context>
    <name>SupportDialog</name>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Company Information</source>
        <translation>Informations sur l'entreprise</translation>
    </message>
    <message>
        <source>Company: %1</source>
        <translation>Entreprise : %1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Adresse : %1</translation>
    </message>
    <message>
        <source>Telephone: %1</source>
        <translation>Téléphone : %1</translation>
    </message>
    <message>
        <source>Mobile: %1</source>
        <translation>Mobile : %1</translation>
    </message>
    <message>
        <source>Email: </source>
        <translation>E-mail : </translation>
    </message>
    <message>
        <source>Website: </source>
        <translation>Site web : </translation>
    </message>
    <message>
        <source>More Support</source>
        <translation>Plus d'assistance</translation>
    </message>
</context>
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Software Information</source>
        <translation>Informations sur le logiciel</translation>
    </message>
    <message>
        <source>Software: %1</source>
        <translation>Logiciel : %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>PureSpectrum</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Mesure instantanée</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>Mesure continue</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Obtenir</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>État de l'exposition : </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Ajustement de l'exposition</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Sous-exposition</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Exposition normale</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Surexposition</translation>
    </message>
</context>
<context>
    <name>Reflectance</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Mesure instantanée</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>Mesure continue</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>ref</source>
        <translation>Réf</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Obtenir</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>État de l'exposition : </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Ajustement de l'exposition</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Sous-exposition</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Exposition normale</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Surexposition</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Spectre</translation>
    </message>
    <message>
        <source>Reflectance</source>
        <translation>Réflectance</translation>
    </message>
    <message>
        <source>WL: %1 nm
Ref: %2
Src: %3</source>
        <translation>WL: %1 nm
Réf: %2
Src: %3</translation>
    </message>
</context>
<context>
    <name>Transmittance</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Mesure instantanée</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>Mesure continue</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>ref</source>
        <translation>Réf</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Obtenir</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>État de l'exposition : </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Ajustement de l'exposition</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Sous-exposition</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Exposition normale</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Surexposition</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Spectre</translation>
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
Réf: %2
Src: %3</translation>
    </message>
</context>
<context>
    <name>Absorbance</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Mesure instantanée</translation>
    </message>
    <message>
        <source>Continuous Measure</source>
        <translation>Mesure continue</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>ref</source>
        <translation>Réf</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Obtenir</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>État de l'exposition : </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Ajustement de l'exposition</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Sous-exposition</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Exposition normale</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Surexposition</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Spectre</translation>
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
Réf: %2
Src: %3</translation>
    </message>
</context>
<context>
    <name>Raman</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Snapshot Measure</source>
        <translation>Mesure instantanée</translation>
    </message>
    <message>
        <source>Peak Selection</source>
        <translation>Sélection de pic</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Exposure Status: </source>
        <translation>État de l'exposition : </translation>
    </message>
    <message>
        <source>Adjusting Exposure</source>
        <translation>Ajustement de l'exposition</translation>
    </message>
    <message>
        <source>Under Exposure</source>
        <translation>Sous-exposition</translation>
    </message>
    <message>
        <source>Normal Exposure</source>
        <translation>Exposition normale</translation>
    </message>
    <message>
        <source>Over Exposure</source>
        <translation>Surexposition</translation>
    </message>
    <message>
        <source>RamanRaw</source>
        <translation>Raman brut</translation>
    </message>
    <message>
        <source>RamanClean</source>
        <translation>Raman corrigé</translation>
    </message>
    <message>
        <source>RamanFluorescence</source>
        <translation>Fluorescence</translation>
    </message>
    <message>
        <source>Peak selection</source>
        <translation>Sélection de pic</translation>
    </message>
    <message>
        <source>cm^-1</source>
        <translation>cm^-1</translation>
    </message>
    <message>
        <source>intensity</source>
        <translation>intensité</translation>
    </message>
</context>
<context>
    <name>ChartColorVector</name>
    <message>
        <source>Relation</source>
        <translation>Correspondance</translation>
    </message>
    <message>
        <source>Ref Source</source>
        <translation>Source de référence</translation>
    </message>
    <message>
        <source>Test Source</source>
        <translation>Source testée</translation>
    </message>
</context>
<context>
    <name>ChartPowerDistribution</name>
    <message>
        <source>Test Source</source>
        <translation>Source testée</translation>
    </message>
    <message>
        <source>Ref Source</source>
        <translation>Source de référence</translation>
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
        <translation>Fréquence (Hz) : %1
Taux de modulation (%) : %2
Taux de scintillement (%) : %3
Indice de scintillement : %4
Gain : %5</translation>
    </message>
</context>
<context>
    <name>SerialOpenFailure</name>
    <message>
        <source>In use by another program (process %2):
%1
Close it, then try again.</source>
        <translation>Utilisé par un autre programme (processus %2) :
%1
Fermez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>In use by another program. Close it, then try again.</source>
        <translation>Utilisé par un autre programme. Fermez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>Locked by a program that is no longer running, through its lock file:
%1
%2 or an administrator can delete that file.</source>
        <translation>Verrouillé par le fichier de verrou d&apos;un programme qui ne tourne plus :
%1
%2 ou un administrateur peut supprimer ce fichier.</translation>
    </message>
    <message>
        <source>Not allowed: the port belongs to the group “%1”. Once an administrator has added you to it, log out and in again to join it.</source>
        <translation>Non autorisé : le port appartient au groupe « %1 ». Une fois qu&apos;un administrateur vous y aura ajouté, déconnectez-vous puis reconnectez-vous pour en faire partie.</translation>
    </message>
    <message>
        <source>Not allowed, and joining the port&apos;s group “%1” would not change that: ask an administrator.</source>
        <translation>Non autorisé, et rejoindre le groupe « %1 » du port n&apos;y changerait rien : adressez-vous à un administrateur.</translation>
    </message>
    <message>
        <source>These ports cannot be opened now:</source>
        <translation>Ces ports ne peuvent pas être ouverts pour le moment :</translation>
    </message>
</context>
</TS>
