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
        <source>Please wait until the update has finished</source>
        <translation>Aguarde até a atualização terminar</translation>
    </message>
    <message>
        <source>the firmware image is damaged</source>
        <translation>a imagem do firmware está danificada</translation>
    </message>
    <message>
        <source>the firmware image is empty</source>
        <translation>a imagem do firmware está vazia</translation>
    </message>
    <message>
        <source>the firmware image is too large</source>
        <translation>a imagem do firmware é demasiado grande</translation>
    </message>
    <message>
        <source>the firmware image is for another model</source>
        <translation>a imagem do firmware é de outro modelo</translation>
    </message>
    <message>
        <source>the firmware image could not be read</source>
        <translation>não foi possível ler a imagem do firmware</translation>
    </message>
    <message>
        <source>the firmware image could not be prepared, check the free disk space</source>
        <translation>não foi possível preparar a imagem do firmware, verifique o espaço livre em disco</translation>
    </message>
    <message>
        <source>the keyboard could not be reached</source>
        <translation>não foi possível contactar o teclado</translation>
    </message>
    <message>
        <source>the keyboard did not enter update mode</source>
        <translation>o teclado não entrou no modo de atualização</translation>
    </message>
    <message>
        <source>the keyboard left during the update</source>
        <translation>o teclado desligou-se durante a atualização</translation>
    </message>
    <message>
        <source>the keyboard refused the image</source>
        <translation>o teclado recusou a imagem</translation>
    </message>
    <message>
        <source>no update drive was found, mount it and try again</source>
        <translation>a unidade de atualização não foi encontrada, monte-a e tente novamente</translation>
    </message>
    <message>
        <source>the update drive did not answer</source>
        <translation>a unidade de atualização não respondeu</translation>
    </message>
    <message>
        <source>the update drive could not be written</source>
        <translation>não foi possível escrever na unidade de atualização</translation>
    </message>
    <message>
        <source>the update was interrupted</source>
        <translation>a atualização foi interrompida</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>A atualização falhou: %1</translation>
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
    <message>
        <source>in update mode</source>
        <translation>em modo de atualização</translation>
    </message>
</context>
</TS>
