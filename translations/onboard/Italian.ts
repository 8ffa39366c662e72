<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Download config to %1 stopped: another keyboard was selected</source>
        <translation>Download della configurazione su %1 interrotto: è stata selezionata un&apos;altra tastiera</translation>
    </message>
    <message>
        <source>Download config to %1 failed: the keyboard was disconnected</source>
        <translation>Download della configurazione su %1 non riuscito: la tastiera è stata scollegata</translation>
    </message>
</context>
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
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, the keyboard holds %2. Nothing was downloaded.</source>
        <translation>%1 tasti hanno una macro, la tastiera ne conserva %2. Non è stato scaricato nulla.</translation>
    </message>
    <message>
        <source>Macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, the keyboard holds %5. Nothing was downloaded.</source>
        <translation>La macro &quot;%1&quot; sul tasto %2 (livello %3) ha %4 eventi, la tastiera ne conserva %5. Non è stato scaricato nulla.</translation>
    </message>
    <message>
        <source>Key %1 (%2 layer) combines %3 modifier keys, the keyboard holds two. Nothing was downloaded.</source>
        <translation>Il tasto %1 (livello %2) combina %3 tasti modificatori, la tastiera ne conserva due. Non è stato scaricato nulla.</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>keyboard layer</comment>
        <translation>Predefinito</translation>
    </message>
</context>
</TS>
