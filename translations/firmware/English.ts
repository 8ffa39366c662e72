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
        <source>Please wait until the update has finished</source>
        <translation>Please wait until the update has finished</translation>
    </message>
    <message>
        <source>the firmware image is damaged</source>
        <translation>the firmware image is damaged</translation>
    </message>
    <message>
        <source>the firmware image is empty</source>
        <translation>the firmware image is empty</translation>
    </message>
    <message>
        <source>the firmware image is too large</source>
        <translation>the firmware image is too large</translation>
    </message>
    <message>
        <source>the firmware image is for another model</source>
        <translation>the firmware image is for another model</translation>
    </message>
    <message>
        <source>the firmware image could not be read</source>
        <translation>the firmware image could not be read</translation>
    </message>
    <message>
        <source>the firmware image could not be prepared, check the free disk space</source>
        <translation>the firmware image could not be prepared, check the free disk space</translation>
    </message>
    <message>
        <source>the keyboard could not be reached</source>
        <translation>the keyboard could not be reached</translation>
    </message>
    <message>
        <source>the keyboard did not enter update mode</source>
        <translation>the keyboard did not enter update mode</translation>
    </message>
    <message>
        <source>the keyboard left during the update</source>
        <translation>the keyboard left during the update</translation>
    </message>
    <message>
        <source>the keyboard refused the image</source>
        <translation>the keyboard refused the image</translation>
    </message>
    <message>
        <source>no update drive was found, mount it and try again</source>
        <translation>no update drive was found, mount it and try again</translation>
    </message>
    <message>
        <source>the update drive did not answer</source>
        <translation>the update drive did not answer</translation>
    </message>
    <message>
        <source>the update drive could not be written</source>
        <translation>the update drive could not be written</translation>
    </message>
    <message>
        <source>the update was interrupted</source>
        <translation>the update was interrupted</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>Update failed: %1</translation>
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
    <message>
        <source>in update mode</source>
        <translation>in update mode</translation>
    </message>
</context>
</TS>
