<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informations du micrologiciel</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Mettre à jour le micrologiciel</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Ne débranchez pas l&apos;appareil pendant la mise à jour du micrologiciel !</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Mise à jour réussie</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>Veuillez attendre la fin de la mise à jour</translation>
    </message>
    <message>
        <source>the firmware image is damaged</source>
        <translation>l&apos;image du micrologiciel est endommagée</translation>
    </message>
    <message>
        <source>the firmware image is empty</source>
        <translation>l&apos;image du micrologiciel est vide</translation>
    </message>
    <message>
        <source>the firmware image is too large</source>
        <translation>l&apos;image du micrologiciel est trop grande</translation>
    </message>
    <message>
        <source>the firmware image is for another model</source>
        <translation>l&apos;image du micrologiciel est destinée à un autre modèle</translation>
    </message>
    <message>
        <source>the firmware image could not be read</source>
        <translation>impossible de lire l&apos;image du micrologiciel</translation>
    </message>
    <message>
        <source>the firmware image could not be prepared, check the free disk space</source>
        <translation>impossible de préparer l&apos;image du micrologiciel, vérifiez l&apos;espace disque libre</translation>
    </message>
    <message>
        <source>the keyboard could not be reached</source>
        <translation>impossible de joindre le clavier</translation>
    </message>
    <message>
        <source>the keyboard did not enter update mode</source>
        <translation>le clavier n&apos;est pas passé en mode mise à jour</translation>
    </message>
    <message>
        <source>the keyboard left during the update</source>
        <translation>le clavier s&apos;est déconnecté pendant la mise à jour</translation>
    </message>
    <message>
        <source>the keyboard refused the image</source>
        <translation>le clavier a refusé l&apos;image</translation>
    </message>
    <message>
        <source>no update drive was found, mount it and try again</source>
        <translation>aucun lecteur de mise à jour trouvé, montez-le puis réessayez</translation>
    </message>
    <message>
        <source>the update drive did not answer</source>
        <translation>le lecteur de mise à jour ne répond pas</translation>
    </message>
    <message>
        <source>the update drive could not be written</source>
        <translation>impossible d&apos;écrire sur le lecteur de mise à jour</translation>
    </message>
    <message>
        <source>the update was interrupted</source>
        <translation>la mise à jour a été interrompue</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>Échec de la mise à jour : %1</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Nom du produit :</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Version actuelle :</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progression :</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nouvelle version :</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>in update mode</source>
        <translation>en mode mise à jour</translation>
    </message>
</context>
</TS>
