<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Download della configurazione non riuscito, riprovare</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Configurazione scaricata correttamente</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, but the keyboard holds at most %2. Nothing was downloaded: bind fewer keys to macros and try again.</source>
        <translation>%1 tasti hanno una macro assegnata, ma la tastiera ne conserva al massimo %2. Non è stato scaricato nulla: assegnare le macro a meno tasti e riprovare.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, but the keyboard holds at most %5 per macro. Nothing was downloaded: shorten the macro and try again.</source>
        <translation>La macro &quot;%1&quot; sul tasto %2 (livello %3) ha %4 eventi, ma la tastiera ne conserva al massimo %5 per macro. Non è stato scaricato nulla: accorciare la macro e riprovare.</translation>
    </message>
    <message>
        <source>The key combination on key %1 (%2 layer) uses %3 modifier keys, but the keyboard holds at most two. Nothing was downloaded: change the combination and try again.</source>
        <translation>La combinazione sul tasto %1 (livello %2) usa %3 tasti modificatori, ma la tastiera ne conserva al massimo due. Non è stato scaricato nulla: modificare la combinazione e riprovare.</translation>
    </message>
</context>
</TS>
