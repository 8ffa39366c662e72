<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
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
        <source>Default</source>
        <translation>الافتراضية</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, but the keyboard holds at most %2. Nothing was downloaded: bind fewer keys to macros and try again.</source>
        <translation>تم ربط وحدات ماكرو بـ %1 مفتاحًا، لكن لوحة المفاتيح تحفظ %2 كحد أقصى. لم يتم تنزيل أي شيء: اربط وحدات الماكرو بعدد أقل من المفاتيح ثم حاول مرة أخرى.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, but the keyboard holds at most %5 per macro. Nothing was downloaded: shorten the macro and try again.</source>
        <translation>يحتوي الماكرو &quot;%1&quot; على المفتاح %2 (الطبقة %3) على %4 حدثًا، لكن لوحة المفاتيح تحفظ %5 حدثًا كحد أقصى لكل ماكرو. لم يتم تنزيل أي شيء: اختصر الماكرو ثم حاول مرة أخرى.</translation>
    </message>
    <message>
        <source>The key combination on key %1 (%2 layer) uses %3 modifier keys, but the keyboard holds at most two. Nothing was downloaded: change the combination and try again.</source>
        <translation>يستخدم تركيب المفاتيح على المفتاح %1 (الطبقة %2) %3 من مفاتيح التعديل، لكن لوحة المفاتيح تحفظ مفتاحين كحد أقصى. لم يتم تنزيل أي شيء: غيّر التركيب ثم حاول مرة أخرى.</translation>
    </message>
</context>
</TS>
