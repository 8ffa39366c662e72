<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informazioni firmware</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Aggiorna firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Non scollegare il dispositivo durante l&apos;aggiornamento del firmware!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aggiornamento riuscito</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aggiornamento non riuscito</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>Attendere il completamento dell&apos;aggiornamento</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Nome prodotto:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versione attuale:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Avanzamento:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nuova versione:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
</context>
</TS>
