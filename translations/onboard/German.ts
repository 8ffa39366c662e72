<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Download config to %1 stopped: another keyboard was selected</source>
        <translation>Herunterladen der Konfiguration auf %1 abgebrochen: eine andere Tastatur wurde gewählt</translation>
    </message>
    <message>
        <source>Download config to %1 failed: the keyboard was disconnected</source>
        <translation>Herunterladen der Konfiguration auf %1 fehlgeschlagen: die Tastatur wurde getrennt</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Herunterladen der Konfiguration fehlgeschlagen, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Konfiguration erfolgreich heruntergeladen</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, the keyboard holds %2. Nothing was downloaded.</source>
        <translation>%1 Tasten sind mit Makros belegt, die Tastatur speichert %2. Es wurde nichts heruntergeladen.</translation>
    </message>
    <message>
        <source>Macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, the keyboard holds %5. Nothing was downloaded.</source>
        <translation>Makro „%1“ auf Taste %2 (Ebene %3) hat %4 Ereignisse, die Tastatur speichert %5. Es wurde nichts heruntergeladen.</translation>
    </message>
    <message>
        <source>Key %1 (%2 layer) combines %3 modifier keys, the keyboard holds two. Nothing was downloaded.</source>
        <translation>Taste %1 (Ebene %2) kombiniert %3 Zusatztasten, die Tastatur speichert zwei. Es wurde nichts heruntergeladen.</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>keyboard layer</comment>
        <translation>Standard</translation>
    </message>
</context>
</TS>
