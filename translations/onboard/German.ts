<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
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
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, but the keyboard holds at most %2. Nothing was downloaded: bind fewer keys to macros and try again.</source>
        <translation>%1 Tasten sind mit Makros belegt, die Tastatur speichert aber höchstens %2. Es wurde nichts heruntergeladen: Belegen Sie weniger Tasten mit Makros und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, but the keyboard holds at most %5 per macro. Nothing was downloaded: shorten the macro and try again.</source>
        <translation>Das Makro „%1“ auf Taste %2 (Ebene %3) hat %4 Ereignisse, die Tastatur speichert aber höchstens %5 pro Makro. Es wurde nichts heruntergeladen: Kürzen Sie das Makro und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The key combination on key %1 (%2 layer) uses %3 modifier keys, but the keyboard holds at most two. Nothing was downloaded: change the combination and try again.</source>
        <translation>Die Tastenkombination auf Taste %1 (Ebene %2) verwendet %3 Zusatztasten, die Tastatur speichert aber höchstens zwei. Es wurde nichts heruntergeladen: Ändern Sie die Kombination und versuchen Sie es erneut.</translation>
    </message>
</context>
</TS>
