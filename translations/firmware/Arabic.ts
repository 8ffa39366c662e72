<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>معلومات البرنامج الثابت</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>تحديث البرنامج الثابت</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>أثناء تحديث البرنامج الثابت، لا تفصل الجهاز!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>تم التحديث بنجاح</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>فشل التحديث</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>يرجى الانتظار حتى ينتهي التحديث</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>اسم المنتج:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>الإصدار الحالي:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>تقدم التحديث:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>الإصدار الجديد:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>اكتمل</translation>
    </message>
</context>
</TS>
