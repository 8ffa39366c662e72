<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funkce:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klávesa</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mezerník</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Vrstva FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Načítání</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Nahrát</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Přemapovat klávesu</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Zakázat</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinace kláves</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Zkratky</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Přepnout profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Spustit aplikaci</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Podsvícení kláves</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Ambientní světlo</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Funkce klávesy</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Nejprve vyberte klávesu</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Úspěšně uloženo</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Uložení se nezdařilo: text je prázdný</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Neznámá chyba</translation>
    </message>
    <message>
        <source>The text was cut to the length a key can hold</source>
        <translation>Text byl zkrácen na délku, kterou klávesa pojme</translation>
    </message>
    <message>
        <source>There is no macro to assign. Please record a macro first</source>
        <translation>Není žádné makro k přiřazení. Nejprve nahrajte makro</translation>
    </message>
    <message>
        <source>Restoring the default failed</source>
        <translation>Obnovení výchozího nastavení se nezdařilo</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Korean/English</source>
        <translation>Kor./angl.</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Hanča</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Virtuální klávesnice</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Hanča</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Kor./angl.</translation>
    </message>
</context>
</TS>
