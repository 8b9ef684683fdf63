<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <source>Enter whole numbers of nanometres.</source>
        <translation>Saisissez des nombres entiers de nanomètres.</translation>
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
        <source>Enter two illuminances of at least 0.01.</source>
        <translation>Saisissez deux éclairements d'au moins 0,01.</translation>
    </message>
</context>
<context>
    <name>CustomizedTestDialog</name>
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
</TS>
