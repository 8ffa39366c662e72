<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informace o firmwaru</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Aktualizace firmwaru</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Během aktualizace firmwaru zařízení neodpojujte!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aktualizace proběhla úspěšně</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aktualizace se nezdařila</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>Počkejte prosím na dokončení aktualizace</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Název produktu:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuální verze:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Průběh:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nová verze:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Dokončeno</translation>
    </message>
</context>
</TS>
