<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>È stato raggiunto il numero massimo di profili</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Creazione non riuscita: il nodo con questo indice esiste già, verificare</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profilo creato correttamente</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Impossibile creare il profilo</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Deve rimanere almeno un profilo</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Impossibile eliminare il profilo</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profilo eliminato correttamente</translation>
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
        <source>This index node non-existent</source>
        <translation>Il nodo con questo indice non esiste</translation>
    </message>
    <message>
        <source>The export path is too long</source>
        <translation>Il percorso di esportazione è troppo lungo</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Impossibile esportare il profilo</translation>
    </message>
    <message>
        <source>The file %1 already exists. Add the profile to it?</source>
        <translation>Il file %1 esiste già. Aggiungere il profilo a questo file?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profilo esportato correttamente</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Apri file del profilo</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>File di profilo(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Selezionare prima il file da importare</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Impossibile importare il profilo</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profilo importato correttamente</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Il nome del profilo non può essere vuoto</translation>
    </message>
    <message>
        <source>The profile name is too long</source>
        <translation>Il nome del profilo è troppo lungo</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Impossibile modificare le informazioni del profilo</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Informazioni del profilo modificate correttamente</translation>
    </message>
    <message>
        <source>The macro could not be updated in the profiles</source>
        <translation>Impossibile aggiornare la macro nei profili</translation>
    </message>
</context>
<context>
    <name>DFileChooser</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modifica nome</translation>
    </message>
</context>
</TS>
