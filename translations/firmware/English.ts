<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Firmware Info</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Update Firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>If the firmware is being updated, do not unplug the device!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Update successful</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Update failed</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>Please wait until the update has finished</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Product name:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Current version:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Update progress:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>New version:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Complete</translation>
    </message>
</context>
</TS>
