<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funkcja:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Domyślna</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Warstwa FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wczytywanie</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Wgraj</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Zmiana klawisza</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Skrót klawiszowy</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Przełącz profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Uruchom aplikację</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Podświetlenie</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Światło otoczenia</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Funkcje klawisza</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Najpierw wybierz klawisz</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Zapisano</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Nie zapisano: tekst jest pusty</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>The text was cut to the length a key can hold</source>
        <translation>Tekst został przycięty do długości, jaką może przechować klawisz</translation>
    </message>
    <message>
        <source>There is no macro to assign. Please record a macro first</source>
        <translation>Brak makra do przypisania. Najpierw nagraj makro</translation>
    </message>
    <message>
        <source>Restoring the default failed</source>
        <translation>Nie udało się przywrócić ustawienia domyślnego</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Korean/English</source>
        <translation>Kor./ang.</translation>
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
        <translation>Klawiatura ekranowa</translation>
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
        <translation>Kor./ang.</translation>
    </message>
</context>
</TS>
