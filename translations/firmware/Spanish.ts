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
        <source>Please wait until the update has finished</source>
        <translation>Espere a que termine la actualización</translation>
    </message>
    <message>
        <source>the firmware image is damaged</source>
        <translation>la imagen del firmware está dañada</translation>
    </message>
    <message>
        <source>the firmware image is empty</source>
        <translation>la imagen del firmware está vacía</translation>
    </message>
    <message>
        <source>the firmware image is too large</source>
        <translation>la imagen del firmware es demasiado grande</translation>
    </message>
    <message>
        <source>the firmware image is for another model</source>
        <translation>la imagen del firmware es de otro modelo</translation>
    </message>
    <message>
        <source>the firmware image could not be read</source>
        <translation>no se pudo leer la imagen del firmware</translation>
    </message>
    <message>
        <source>the firmware image could not be prepared, check the free disk space</source>
        <translation>no se pudo preparar la imagen del firmware, compruebe el espacio libre en disco</translation>
    </message>
    <message>
        <source>the keyboard could not be reached</source>
        <translation>no se pudo conectar con el teclado</translation>
    </message>
    <message>
        <source>the keyboard did not enter update mode</source>
        <translation>el teclado no entró en modo de actualización</translation>
    </message>
    <message>
        <source>the keyboard left during the update</source>
        <translation>el teclado se desconectó durante la actualización</translation>
    </message>
    <message>
        <source>the keyboard refused the image</source>
        <translation>el teclado rechazó la imagen</translation>
    </message>
    <message>
        <source>no update drive was found, mount it and try again</source>
        <translation>no se encontró la unidad de actualización, móntela e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>the update drive did not answer</source>
        <translation>la unidad de actualización no respondió</translation>
    </message>
    <message>
        <source>the update drive could not be written</source>
        <translation>no se pudo escribir en la unidad de actualización</translation>
    </message>
    <message>
        <source>the update was interrupted</source>
        <translation>la actualización se interrumpió</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>Error en la actualización: %1</translation>
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
    <message>
        <source>in update mode</source>
        <translation>en modo de actualización</translation>
    </message>
</context>
</TS>
