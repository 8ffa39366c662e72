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
        <source>Update failed</source>
        <translation>Échec de la mise à jour</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>Veuillez attendre la fin de la mise à jour</translation>
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
</context>
</TS>
