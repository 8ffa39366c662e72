<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
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
        <source>Default</source>
        <translation>Predeterminada</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, but the keyboard holds at most %2. Nothing was downloaded: bind fewer keys to macros and try again.</source>
        <translation>Hay %1 teclas con macros asignadas, pero el teclado admite como máximo %2. No se ha descargado nada: asigne macros a menos teclas e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, but the keyboard holds at most %5 per macro. Nothing was downloaded: shorten the macro and try again.</source>
        <translation>La macro &quot;%1&quot; de la tecla %2 (capa %3) tiene %4 eventos, pero el teclado admite como máximo %5 por macro. No se ha descargado nada: acorte la macro e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The key combination on key %1 (%2 layer) uses %3 modifier keys, but the keyboard holds at most two. Nothing was downloaded: change the combination and try again.</source>
        <translation>La combinación de la tecla %1 (capa %2) usa %3 teclas modificadoras, pero el teclado admite como máximo dos. No se ha descargado nada: cambie la combinación e inténtelo de nuevo.</translation>
    </message>
</context>
</TS>
