<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informazioni firmware</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Aggiorna firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Non scollegare il dispositivo durante l&apos;aggiornamento del firmware!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aggiornamento riuscito</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>Attendere il completamento dell&apos;aggiornamento</translation>
    </message>
    <message>
        <source>the firmware image is damaged</source>
        <translation>l&apos;immagine del firmware è danneggiata</translation>
    </message>
    <message>
        <source>the firmware image is empty</source>
        <translation>l&apos;immagine del firmware è vuota</translation>
    </message>
    <message>
        <source>the firmware image is too large</source>
        <translation>l&apos;immagine del firmware è troppo grande</translation>
    </message>
    <message>
        <source>the firmware image is for another model</source>
        <translation>l&apos;immagine del firmware è per un altro modello</translation>
    </message>
    <message>
        <source>the firmware image could not be read</source>
        <translation>impossibile leggere l&apos;immagine del firmware</translation>
    </message>
    <message>
        <source>the firmware image could not be prepared, check the free disk space</source>
        <translation>impossibile preparare l&apos;immagine del firmware, controlla lo spazio libero su disco</translation>
    </message>
    <message>
        <source>the keyboard could not be reached</source>
        <translation>impossibile raggiungere la tastiera</translation>
    </message>
    <message>
        <source>the keyboard did not enter update mode</source>
        <translation>la tastiera non è entrata in modalità di aggiornamento</translation>
    </message>
    <message>
        <source>the keyboard left during the update</source>
        <translation>la tastiera si è scollegata durante l&apos;aggiornamento</translation>
    </message>
    <message>
        <source>the keyboard refused the image</source>
        <translation>la tastiera ha rifiutato l&apos;immagine</translation>
    </message>
    <message>
        <source>no update drive was found, mount it and try again</source>
        <translation>unità di aggiornamento non trovata, montala e riprova</translation>
    </message>
    <message>
        <source>the update drive did not answer</source>
        <translation>l&apos;unità di aggiornamento non risponde</translation>
    </message>
    <message>
        <source>the update drive could not be written</source>
        <translation>impossibile scrivere sull&apos;unità di aggiornamento</translation>
    </message>
    <message>
        <source>the update was interrupted</source>
        <translation>l&apos;aggiornamento è stato interrotto</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>Aggiornamento non riuscito: %1</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Nome prodotto:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versione attuale:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Avanzamento:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nuova versione:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>in update mode</source>
        <translation>in modalità di aggiornamento</translation>
    </message>
</context>
</TS>
