<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Download config to %1 stopped: another keyboard was selected</source>
        <translation>Transferência da configuração para %1 interrompida: foi selecionado outro teclado</translation>
    </message>
    <message>
        <source>Download config to %1 failed: the keyboard was disconnected</source>
        <translation>Falha ao transferir a configuração para %1: o teclado foi desligado</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Falha ao transferir a configuração, tente novamente</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Configuração transferida com êxito</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, the keyboard holds %2. Nothing was downloaded.</source>
        <translation>Há %1 teclas com macros, o teclado guarda %2. Nada foi transferido.</translation>
    </message>
    <message>
        <source>Macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, the keyboard holds %5. Nothing was downloaded.</source>
        <translation>A macro &quot;%1&quot; da tecla %2 (camada %3) tem %4 eventos, o teclado guarda %5. Nada foi transferido.</translation>
    </message>
    <message>
        <source>Key %1 (%2 layer) combines %3 modifier keys, the keyboard holds two. Nothing was downloaded.</source>
        <translation>A tecla %1 (camada %2) combina %3 teclas modificadoras, o teclado guarda duas. Nada foi transferido.</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>keyboard layer</comment>
        <translation>Predefinida</translation>
    </message>
</context>
</TS>
