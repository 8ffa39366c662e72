<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Levé tlačítko</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Prostřední tlačítko</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Pravé tlačítko</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Přiřazeno</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>DMacroPage</source>
        <translation>DMacroPage</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Záznam maker</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Makra</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Nastavení prodlevy</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Zaznamenaná</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Bez prodlevy</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Výchozí prodleva</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Záznam</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Seznam událostí</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Záznam je prázdný</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Vložit událost</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozice</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Vložit za</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Vložit před</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Událost</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Klávesnice</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Prodleva</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Akce</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Stiskněte klávesu</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Levé tlačítko</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Prostřední tlačítko</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Pravé tlačítko</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Zadejte prodlevu</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Vlastnosti</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Klávesa</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Změnit</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importovat</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vyprázdnit</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nahoru</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Dolů</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Zastavit záznam</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Spustit záznam</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Nejprve vyberte pozici</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Byl dosažen limit událostí</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Vložení se nezdařilo</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Vloženo</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Změna se nezdařila</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Změněno</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Odstranění se nezdařilo</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Nejprve vyberte makro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Makro se nepodařilo vyprázdnit</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Makro vyprázdněno</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Přesun se nezdařil</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Název makra nesmí být prázdný</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Makro přejmenováno</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Makro se nepodařilo přejmenovat</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Makro se nepodařilo přidat</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Makro přidáno</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Makro se nepodařilo odstranit</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Makro odstraněno</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Složka pro uložení</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Nejprve vyberte složku pro uložení</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Makro se nepodařilo exportovat</translation>
    </message>
    <message>
        <source>The file path is too long</source>
        <translation>Cesta k souboru je příliš dlouhá</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <translation>Soubor %1 již existuje. Nahradit jej?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportovat</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Makro exportováno</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Otevřít soubor makra</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Soubory maker(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Makro se nepodařilo importovat</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Makro importováno</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Záznam makra spuštěn</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Záznam makra zastaven</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Zaznamenané makro se nepodařilo uložit</translation>
    </message>
    <message>
        <source>Import macro failed: the file declares a document type or entity</source>
        <translation>Makro se nepodařilo importovat: soubor deklaruje typ dokumentu nebo entitu</translation>
    </message>
    <message>
        <source>Import macro failed: the file is not UTF-8 text</source>
        <translation>Makro se nepodařilo importovat: soubor není text v UTF-8</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than macros and their events</source>
        <translation>Makro se nepodařilo importovat: soubor obsahuje víc než makra a jejich události</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the mouse code %2, which is no button action</source>
        <translation>Makro se nepodařilo importovat: událost %1 má kód myši %2, což není akce tlačítka</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the key code %2, which is no key</source>
        <translation>Makro se nepodařilo importovat: událost %1 má kód klávesy %2, což není klávesa</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportovat</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Přejmenovat</translation>
    </message>
</context>
</TS>
