<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Assegnata</translation>
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
        <translation>Registrazione macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Impostazione ritardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Registrato</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Ritardo predefinito</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Elenco eventi</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Nessuna registrazione</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Inserisci evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserisci dopo</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserisci prima</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Premi un tasto</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Inserisci il ritardo</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Interrompi registrazione</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Avvia registrazione</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Seleziona prima una posizione</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>È stato raggiunto il limite di eventi</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Inserimento non riuscito</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Inserito</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Modifica non riuscita</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Eliminazione non riuscita</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Seleziona prima una macro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Impossibile svuotare la macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Macro svuotata</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Spostamento non riuscito</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Il nome della macro non può essere vuoto</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Macro rinominata</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Impossibile rinominare la macro</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Impossibile aggiungere la macro</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro aggiunta</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Impossibile eliminare la macro</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminata</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Cartella di salvataggio</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Selezionare prima la cartella di salvataggio</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Impossibile esportare la macro</translation>
    </message>
    <message>
        <source>The file path is too long</source>
        <translation>Il percorso del file è troppo lungo</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <translation>Il file %1 esiste già. Sostituirlo?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro esportata</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Apri file macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>File macro(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Impossibile importare la macro</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importata</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Registrazione macro avviata</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Registrazione macro interrotta</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Impossibile salvare la macro registrata</translation>
    </message>
    <message>
        <source>Import macro failed: the file declares a document type or entity</source>
        <translation>Impossibile importare la macro: il file dichiara un tipo di documento o un&apos;entità</translation>
    </message>
    <message>
        <source>Import macro failed: the file is not UTF-8 text</source>
        <translation>Impossibile importare la macro: il file non è testo UTF-8</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than macros and their events</source>
        <translation>Impossibile importare la macro: il file contiene altro oltre alle macro e ai loro eventi</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the mouse code %2, which is no button action</source>
        <translation>Impossibile importare la macro: l&apos;evento %1 ha il codice mouse %2, che non è un&apos;azione di pulsante</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the key code %2, which is no key</source>
        <translation>Impossibile importare la macro: l&apos;evento %1 ha il codice tasto %2, che non è un tasto</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modifica nome</translation>
    </message>
</context>
</TS>
