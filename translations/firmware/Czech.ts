<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informace o firmwaru</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Aktualizace firmwaru</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Během aktualizace firmwaru zařízení neodpojujte!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aktualizace proběhla úspěšně</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>Počkejte prosím na dokončení aktualizace</translation>
    </message>
    <message>
        <source>the firmware image is damaged</source>
        <translation>obraz firmwaru je poškozený</translation>
    </message>
    <message>
        <source>the firmware image is empty</source>
        <translation>obraz firmwaru je prázdný</translation>
    </message>
    <message>
        <source>the firmware image is too large</source>
        <translation>obraz firmwaru je příliš velký</translation>
    </message>
    <message>
        <source>the firmware image is for another model</source>
        <translation>obraz firmwaru je pro jiný model</translation>
    </message>
    <message>
        <source>the firmware image could not be read</source>
        <translation>obraz firmwaru nelze přečíst</translation>
    </message>
    <message>
        <source>the firmware image could not be prepared, check the free disk space</source>
        <translation>obraz firmwaru nelze připravit, zkontrolujte volné místo na disku</translation>
    </message>
    <message>
        <source>the keyboard could not be reached</source>
        <translation>klávesnice není dostupná</translation>
    </message>
    <message>
        <source>the keyboard did not enter update mode</source>
        <translation>klávesnice nepřešla do režimu aktualizace</translation>
    </message>
    <message>
        <source>the keyboard left during the update</source>
        <translation>klávesnice se během aktualizace odpojila</translation>
    </message>
    <message>
        <source>the keyboard refused the image</source>
        <translation>klávesnice obraz odmítla</translation>
    </message>
    <message>
        <source>no update drive was found, mount it and try again</source>
        <translation>jednotka aktualizace nebyla nalezena, připojte ji a zkuste to znovu</translation>
    </message>
    <message>
        <source>the update drive did not answer</source>
        <translation>jednotka aktualizace neodpovídá</translation>
    </message>
    <message>
        <source>the update drive could not be written</source>
        <translation>na jednotku aktualizace nelze zapisovat</translation>
    </message>
    <message>
        <source>the update was interrupted</source>
        <translation>aktualizace byla přerušena</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>Aktualizace se nezdařila: %1</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Název produktu:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuální verze:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Průběh:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nová verze:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Dokončeno</translation>
    </message>
    <message>
        <source>in update mode</source>
        <translation>v režimu aktualizace</translation>
    </message>
</context>
</TS>
