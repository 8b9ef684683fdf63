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
    <name>StudioService</name>
    <message>
        <source>The start wavelength must be less than the end wavelength.</source>
        <translation>La longueur d'onde de début doit être inférieure à la longueur d'onde de fin.</translation>
    </message>
    <message>
        <source>Invalid exposure time. Enter a number of milliseconds from 0 to %1.</source>
        <translation>Temps d'exposition non valide. Saisissez un nombre de millisecondes compris entre 0 et %1.</translation>
    </message>
</context>
</TS>
