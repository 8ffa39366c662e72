<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Stažení konfigurace se nezdařilo, zkuste to znovu</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Konfigurace byla úspěšně stažena</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, but the keyboard holds at most %2. Nothing was downloaded: bind fewer keys to macros and try again.</source>
        <translation>Makra jsou přiřazena %1 klávesám, ale klávesnice jich uloží nejvýše %2. Nic nebylo staženo: přiřaďte makra menšímu počtu kláves a zkuste to znovu.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, but the keyboard holds at most %5 per macro. Nothing was downloaded: shorten the macro and try again.</source>
        <translation>Makro „%1“ na klávese %2 (vrstva %3) má %4 událostí, ale klávesnice uloží nejvýše %5 na makro. Nic nebylo staženo: zkraťte makro a zkuste to znovu.</translation>
    </message>
    <message>
        <source>The key combination on key %1 (%2 layer) uses %3 modifier keys, but the keyboard holds at most two. Nothing was downloaded: change the combination and try again.</source>
        <translation>Kombinace na klávese %1 (vrstva %2) používá %3 modifikačních kláves, ale klávesnice uloží nejvýše dvě. Nic nebylo staženo: změňte kombinaci a zkuste to znovu.</translation>
    </message>
</context>
</TS>
