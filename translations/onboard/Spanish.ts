<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Download config to %1 stopped: another keyboard was selected</source>
        <translation>Descarga de la configuración a %1 detenida: se seleccionó otro teclado</translation>
    </message>
    <message>
        <source>Download config to %1 failed: the keyboard was disconnected</source>
        <translation>Error al descargar la configuración a %1: el teclado se desconectó</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Error al descargar la configuración, inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Configuración descargada correctamente</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, the keyboard holds %2. Nothing was downloaded.</source>
        <translation>Hay %1 teclas con macros, el teclado admite %2. No se ha descargado nada.</translation>
    </message>
    <message>
        <source>Macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, the keyboard holds %5. Nothing was downloaded.</source>
        <translation>La macro &quot;%1&quot; de la tecla %2 (capa %3) tiene %4 eventos, el teclado admite %5. No se ha descargado nada.</translation>
    </message>
    <message>
        <source>Key %1 (%2 layer) combines %3 modifier keys, the keyboard holds two. Nothing was downloaded.</source>
        <translation>La tecla %1 (capa %2) combina %3 teclas modificadoras, el teclado admite dos. No se ha descargado nada.</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>keyboard layer</comment>
        <translation>Predeterminada</translation>
    </message>
</context>
</TS>
