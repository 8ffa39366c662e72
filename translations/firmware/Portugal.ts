<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informações do firmware</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Atualizar firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Não desligue o dispositivo enquanto o firmware está a ser atualizado!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Atualização concluída com êxito</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>A atualização falhou</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>Aguarde até a atualização terminar</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Nome do produto:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versão atual:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progresso:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nova versão:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Concluído</translation>
    </message>
</context>
</TS>
