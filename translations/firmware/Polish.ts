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
        <source>Update failed</source>
        <translation>Aktualizacja nie powiodła się</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>Poczekaj na zakończenie aktualizacji</translation>
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
</context>
</TS>
