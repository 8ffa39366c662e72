<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funzione:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Livello base</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Livello FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Rimappa tasto</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tasti combinati</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Cambia profilo</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Avvia applicazione</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Luce tastiera</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Luce d&apos;atmosfera</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Funzioni del tasto</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Seleziona prima un tasto</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Impostazione non riuscita: il testo è vuoto</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>The text was cut to the length a key can hold</source>
        <translation>Il testo è stato tagliato alla lunghezza consentita per un tasto</translation>
    </message>
    <message>
        <source>There is no macro to assign. Please record a macro first</source>
        <translation>Nessuna macro da assegnare. Registra prima una macro</translation>
    </message>
    <message>
        <source>Restoring the default failed</source>
        <translation>Ripristino predefinito non riuscito</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Korean/English</source>
        <translation>Coreano/inglese</translation>
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
        <translation>Tastiera virtuale</translation>
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
        <translation>Coreano/inglese</translation>
    </message>
</context>
</TS>
