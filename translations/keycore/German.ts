<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funktion:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN-Ebene</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Taste umbelegen</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Verknüpfungen</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Profil wechseln</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Programm starten</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Tastenlicht</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Ambientelicht</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Tastenfunktion</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Bitte zuerst eine Taste auswählen</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Speichern fehlgeschlagen: Der Text ist leer</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>The text was cut to the length a key can hold</source>
        <translation>Der Text wurde auf die Länge gekürzt, die eine Taste aufnehmen kann</translation>
    </message>
    <message>
        <source>There is no macro to assign. Please record a macro first</source>
        <translation>Es gibt kein Makro zum Zuweisen. Bitte zuerst ein Makro aufnehmen</translation>
    </message>
    <message>
        <source>Restoring the default failed</source>
        <translation>Wiederherstellen der Standardbelegung fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Korean/English</source>
        <translation>Kor./Engl.</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Hanja</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Bildschirmtastatur</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Hanja</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Kor./Engl.</translation>
    </message>
</context>
</TS>
