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
        <source>Please wait until the update has finished</source>
        <translation>يرجى الانتظار حتى ينتهي التحديث</translation>
    </message>
    <message>
        <source>the firmware image is damaged</source>
        <translation>صورة البرنامج الثابت تالفة</translation>
    </message>
    <message>
        <source>the firmware image is empty</source>
        <translation>صورة البرنامج الثابت فارغة</translation>
    </message>
    <message>
        <source>the firmware image is too large</source>
        <translation>صورة البرنامج الثابت كبيرة جدًا</translation>
    </message>
    <message>
        <source>the firmware image is for another model</source>
        <translation>صورة البرنامج الثابت مخصصة لطراز آخر</translation>
    </message>
    <message>
        <source>the firmware image could not be read</source>
        <translation>تعذرت قراءة صورة البرنامج الثابت</translation>
    </message>
    <message>
        <source>the firmware image could not be prepared, check the free disk space</source>
        <translation>تعذر تجهيز صورة البرنامج الثابت، تحقق من المساحة الحرة على القرص</translation>
    </message>
    <message>
        <source>the keyboard could not be reached</source>
        <translation>تعذر الوصول إلى لوحة المفاتيح</translation>
    </message>
    <message>
        <source>the keyboard did not enter update mode</source>
        <translation>لم تدخل لوحة المفاتيح وضع التحديث</translation>
    </message>
    <message>
        <source>the keyboard left during the update</source>
        <translation>انفصلت لوحة المفاتيح أثناء التحديث</translation>
    </message>
    <message>
        <source>the keyboard refused the image</source>
        <translation>رفضت لوحة المفاتيح الصورة</translation>
    </message>
    <message>
        <source>no update drive was found, mount it and try again</source>
        <translation>لم يُعثر على محرك التحديث، قم بتوصيله ثم أعد المحاولة</translation>
    </message>
    <message>
        <source>the update drive did not answer</source>
        <translation>لم يستجب محرك التحديث</translation>
    </message>
    <message>
        <source>the update drive could not be written</source>
        <translation>تعذرت الكتابة على محرك التحديث</translation>
    </message>
    <message>
        <source>the update was interrupted</source>
        <translation>انقطع التحديث</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>فشل التحديث: %1</translation>
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
    <message>
        <source>in update mode</source>
        <translation>في وضع التحديث</translation>
    </message>
</context>
</TS>
