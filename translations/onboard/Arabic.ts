<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Download config to %1 stopped: another keyboard was selected</source>
        <translation>توقف تنزيل الإعدادات إلى %1: تم تحديد لوحة مفاتيح أخرى</translation>
    </message>
    <message>
        <source>Download config to %1 failed: the keyboard was disconnected</source>
        <translation>فشل تنزيل الإعدادات إلى %1: تم فصل لوحة المفاتيح</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>فشل تنزيل الإعدادات، يرجى المحاولة مرة أخرى</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>تم تنزيل الإعدادات بنجاح</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, the keyboard holds %2. Nothing was downloaded.</source>
        <translation>تم ربط وحدات ماكرو بـ %1 مفتاحًا، ولوحة المفاتيح تحفظ %2. لم يتم تنزيل أي شيء.</translation>
    </message>
    <message>
        <source>Macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, the keyboard holds %5. Nothing was downloaded.</source>
        <translation>الماكرو &quot;%1&quot; على المفتاح %2 (الطبقة %3) يحتوي على %4 حدثًا، ولوحة المفاتيح تحفظ %5. لم يتم تنزيل أي شيء.</translation>
    </message>
    <message>
        <source>Key %1 (%2 layer) combines %3 modifier keys, the keyboard holds two. Nothing was downloaded.</source>
        <translation>المفتاح %1 (الطبقة %2) يجمع %3 من مفاتيح التعديل، ولوحة المفاتيح تحفظ مفتاحين. لم يتم تنزيل أي شيء.</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>keyboard layer</comment>
        <translation>الافتراضية</translation>
    </message>
</context>
</TS>
