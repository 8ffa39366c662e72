<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Información del firmware</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Actualizar firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>¡No desconecte el dispositivo mientras se actualiza el firmware!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Actualización correcta</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Error en la actualización</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>Espere a que termine la actualización</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Nombre del producto:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versión actual:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progreso:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nueva versión:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
</context>
</TS>
