<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Zugewiesen</translation>
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
        <translation>Makroaufnahme</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Makros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Aufgenommen</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Standardverzögerung</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Ereignisliste</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Keine Aufnahme</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Ereignis einfügen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Danach einfügen</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Davor einfügen</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Bitte eine Taste drücken</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Bitte Verzögerung eingeben</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Aufnahme starten</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Bitte zuerst eine Position wählen</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Die Höchstzahl an Ereignissen ist erreicht</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Einfügen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Eingefügt</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Ändern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Bitte zuerst ein Makro wählen</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Makro konnte nicht geleert werden</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Makro geleert</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Verschieben fehlgeschlagen</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Der Makroname darf nicht leer sein</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Makro umbenannt</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Makro konnte nicht umbenannt werden</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Makro konnte nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Makro hinzugefügt</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Makro konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Makro gelöscht</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Speicherordner</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Bitte zuerst einen Speicherordner wählen</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Makro konnte nicht exportiert werden</translation>
    </message>
    <message>
        <source>The file path is too long</source>
        <translation>Der Dateipfad ist zu lang</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <translation>Die Datei %1 existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Makro exportiert</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Makrodatei öffnen</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Makrodateien(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Makro konnte nicht importiert werden</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Makro importiert</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Makroaufnahme gestartet</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Makroaufnahme beendet</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Aufgenommenes Makro konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Import macro failed: the file declares a document type or entity</source>
        <translation>Makro konnte nicht importiert werden: Die Datei deklariert einen Dokumenttyp oder eine Entität</translation>
    </message>
    <message>
        <source>Import macro failed: the file is not UTF-8 text</source>
        <translation>Makro konnte nicht importiert werden: Die Datei ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than macros and their events</source>
        <translation>Makro konnte nicht importiert werden: Die Datei enthält mehr als Makros und ihre Ereignisse</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the mouse code %2, which is no button action</source>
        <translation>Makro konnte nicht importiert werden: Ereignis %1 hat den Mauscode %2, der keine Tastenaktion ist</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the key code %2, which is no key</source>
        <translation>Makro konnte nicht importiert werden: Ereignis %1 hat den Tastencode %2, der keine Taste ist</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Namen ändern</translation>
    </message>
</context>
</TS>
