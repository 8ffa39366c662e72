<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Firmware-Informationen</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Firmware aktualisieren</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Trennen Sie das Gerät nicht, während die Firmware aktualisiert wird!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aktualisierung erfolgreich</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>Bitte warten Sie, bis die Aktualisierung abgeschlossen ist</translation>
    </message>
    <message>
        <source>the firmware image is damaged</source>
        <translation>das Firmware-Abbild ist beschädigt</translation>
    </message>
    <message>
        <source>the firmware image is empty</source>
        <translation>das Firmware-Abbild ist leer</translation>
    </message>
    <message>
        <source>the firmware image is too large</source>
        <translation>das Firmware-Abbild ist zu groß</translation>
    </message>
    <message>
        <source>the firmware image is for another model</source>
        <translation>das Firmware-Abbild ist für ein anderes Modell</translation>
    </message>
    <message>
        <source>the firmware image could not be read</source>
        <translation>das Firmware-Abbild konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>the firmware image could not be prepared, check the free disk space</source>
        <translation>das Firmware-Abbild konnte nicht vorbereitet werden, prüfen Sie den freien Speicherplatz</translation>
    </message>
    <message>
        <source>the keyboard could not be reached</source>
        <translation>die Tastatur ist nicht erreichbar</translation>
    </message>
    <message>
        <source>the keyboard did not enter update mode</source>
        <translation>die Tastatur hat den Aktualisierungsmodus nicht aufgerufen</translation>
    </message>
    <message>
        <source>the keyboard left during the update</source>
        <translation>die Tastatur wurde während der Aktualisierung getrennt</translation>
    </message>
    <message>
        <source>the keyboard refused the image</source>
        <translation>die Tastatur hat das Abbild abgelehnt</translation>
    </message>
    <message>
        <source>no update drive was found, mount it and try again</source>
        <translation>kein Aktualisierungslaufwerk gefunden, binden Sie es ein und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>the update drive did not answer</source>
        <translation>das Aktualisierungslaufwerk antwortet nicht</translation>
    </message>
    <message>
        <source>the update drive could not be written</source>
        <translation>auf das Aktualisierungslaufwerk konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the update was interrupted</source>
        <translation>die Aktualisierung wurde unterbrochen</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>Aktualisierung fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Produktname:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuelle Version:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Neue Version:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>in update mode</source>
        <translation>im Aktualisierungsmodus</translation>
    </message>
</context>
</TS>
