<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>الوظيفة:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>المفتاح</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>مسافة</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>الافتراضية</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>طبقة FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>جارٍ التحميل</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>ماكرو</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>إعادة تعيين المفتاح</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>الفأرة</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>الوسائط المتعددة</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>مجموعة مفاتيح</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>اختصارات</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>تبديل ملف التعريف</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>تشغيل تطبيق</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>إضاءة لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>الإضاءة المحيطة</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>وظائف المفتاح</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>يرجى اختيار مفتاح أولاً</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>تمت العملية بنجاح</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>فشل الإعداد لأن النص فارغ</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>خطأ غير معروف</translation>
    </message>
    <message>
        <source>The text was cut to the length a key can hold</source>
        <translation>تم قص النص إلى الطول الذي يتسع له المفتاح</translation>
    </message>
    <message>
        <source>There is no macro to assign. Please record a macro first</source>
        <translation>لا يوجد ماكرو لتعيينه. يرجى تسجيل ماكرو أولاً</translation>
    </message>
    <message>
        <source>Restoring the default failed</source>
        <translation>فشلت استعادة الإعداد الافتراضي</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Korean/English</source>
        <translation>كوري/إنجليزي</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>هانجا</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>لوحة المفاتيح الافتراضية</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>هانجا</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>كوري/إنجليزي</translation>
    </message>
</context>
</TS>
