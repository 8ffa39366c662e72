<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Download config to %1 stopped: another keyboard was selected</source>
        <translation>Stahování konfigurace do %1 bylo zastaveno: byla vybrána jiná klávesnice</translation>
    </message>
    <message>
        <source>Download config to %1 failed: the keyboard was disconnected</source>
        <translation>Stažení konfigurace do %1 se nezdařilo: klávesnice byla odpojena</translation>
    </message>
</context>
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
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, the keyboard holds %2. Nothing was downloaded.</source>
        <translation>Makra jsou přiřazena %1 klávesám, klávesnice uloží %2. Nic nebylo staženo.</translation>
    </message>
    <message>
        <source>Macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, the keyboard holds %5. Nothing was downloaded.</source>
        <translation>Makro „%1“ na klávese %2 (vrstva %3) má %4 událostí, klávesnice uloží %5. Nic nebylo staženo.</translation>
    </message>
    <message>
        <source>Key %1 (%2 layer) combines %3 modifier keys, the keyboard holds two. Nothing was downloaded.</source>
        <translation>Klávesa %1 (vrstva %2) kombinuje %3 modifikačních kláves, klávesnice uloží dvě. Nic nebylo staženo.</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>keyboard layer</comment>
        <translation>Výchozí</translation>
    </message>
</context>
</TS>
