<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informacje o oprogramowaniu układowym</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Aktualizacja oprogramowania układowego</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Nie odłączaj urządzenia podczas aktualizacji oprogramowania układowego!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Aktualizacja zakończona powodzeniem</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>Poczekaj na zakończenie aktualizacji</translation>
    </message>
    <message>
        <source>the firmware image is damaged</source>
        <translation>obraz oprogramowania układowego jest uszkodzony</translation>
    </message>
    <message>
        <source>the firmware image is empty</source>
        <translation>obraz oprogramowania układowego jest pusty</translation>
    </message>
    <message>
        <source>the firmware image is too large</source>
        <translation>obraz oprogramowania układowego jest za duży</translation>
    </message>
    <message>
        <source>the firmware image is for another model</source>
        <translation>obraz oprogramowania układowego jest przeznaczony dla innego modelu</translation>
    </message>
    <message>
        <source>the firmware image could not be read</source>
        <translation>nie można odczytać obrazu oprogramowania układowego</translation>
    </message>
    <message>
        <source>the firmware image could not be prepared, check the free disk space</source>
        <translation>nie można przygotować obrazu oprogramowania układowego, sprawdź wolne miejsce na dysku</translation>
    </message>
    <message>
        <source>the keyboard could not be reached</source>
        <translation>nie można połączyć się z klawiaturą</translation>
    </message>
    <message>
        <source>the keyboard did not enter update mode</source>
        <translation>klawiatura nie przeszła w tryb aktualizacji</translation>
    </message>
    <message>
        <source>the keyboard left during the update</source>
        <translation>klawiatura odłączyła się w trakcie aktualizacji</translation>
    </message>
    <message>
        <source>the keyboard refused the image</source>
        <translation>klawiatura odrzuciła obraz</translation>
    </message>
    <message>
        <source>no update drive was found, mount it and try again</source>
        <translation>nie znaleziono dysku aktualizacji, zamontuj go i spróbuj ponownie</translation>
    </message>
    <message>
        <source>the update drive did not answer</source>
        <translation>dysk aktualizacji nie odpowiada</translation>
    </message>
    <message>
        <source>the update drive could not be written</source>
        <translation>nie można zapisać na dysku aktualizacji</translation>
    </message>
    <message>
        <source>the update was interrupted</source>
        <translation>aktualizacja została przerwana</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>Aktualizacja nie powiodła się: %1</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Nazwa produktu:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Bieżąca wersja:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Postęp:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nowa wersja:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Zakończono</translation>
    </message>
    <message>
        <source>in update mode</source>
        <translation>w trybie aktualizacji</translation>
    </message>
</context>
</TS>
