<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>نقرة الزر الأيسر</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>نقرة الزر الأوسط</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>نقرة الزر الأيمن</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>مرتبط</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>DMacroPage</source>
        <translation>DMacroPage</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>مجموعة الماكرو</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>إعداد التأخير</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>كما سُجّل</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>بدون تأخير</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>التأخير الافتراضي</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>تسجيل</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>قائمة الأحداث</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>التسجيل فارغ</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>إدراج حدث</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>إدراج بعد</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>إدراج قبل</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>الحدث</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>الفأرة</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>التأخير</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>الإجراء</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>يرجى الضغط على مفتاح</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>نقرة الزر الأيسر</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>نقرة الزر الأوسط</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>نقرة الزر الأيمن</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>يرجى إدخال التأخير</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>إدراج</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>الخصائص</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>المفتاح</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>الفأرة</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>لأعلى</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>لأسفل</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>إيقاف التسجيل</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>بدء التسجيل</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>يرجى تحديد موضع أولاً</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>وصل عدد الأحداث المسجلة إلى الحد الأقصى</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>فشل الإدراج</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>تم الإدراج بنجاح</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>فشل التعديل</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>تم التعديل بنجاح</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>فشل الحذف</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>يرجى تحديد ماكرو أولاً</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>فشل مسح الماكرو</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>تم مسح الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>فشل النقل</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>لا يمكن أن يكون اسم الماكرو فارغًا</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>تم تعديل اسم الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>فشل تعديل اسم الماكرو</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>فشلت إضافة الماكرو</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>تمت إضافة الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>فشل حذف الماكرو</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>تم حذف الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>مجلد الحفظ</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>يرجى اختيار مجلد الحفظ أولاً</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>فشل تصدير الماكرو</translation>
    </message>
    <message>
        <source>The file path is too long</source>
        <translation>مسار الملف طويل جدًا</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <translation>الملف %1 موجود بالفعل. هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>تم تصدير الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>فتح ملف ماكرو</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>ملفات الماكرو(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>فشل استيراد الماكرو</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>تم استيراد الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>بدأ تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>توقف تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>فشل حفظ الماكرو المسجل</translation>
    </message>
    <message>
        <source>Import macro failed: the file declares a document type or entity</source>
        <translation>فشل استيراد الماكرو: الملف يعرّف نوع مستند أو كيانًا</translation>
    </message>
    <message>
        <source>Import macro failed: the file is not UTF-8 text</source>
        <translation>فشل استيراد الماكرو: الملف ليس نصًا بترميز UTF-8</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than macros and their events</source>
        <translation>فشل استيراد الماكرو: يحتوي الملف على أكثر من وحدات الماكرو وأحداثها</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the mouse code %2, which is no button action</source>
        <translation>فشل استيراد الماكرو: الحدث %1 يحمل رمز الفأرة %2، وهو ليس إجراء زر</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the key code %2, which is no key</source>
        <translation>فشل استيراد الماكرو: الحدث %1 يحمل رمز المفتاح %2، وهو ليس مفتاحًا</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>تعديل الاسم</translation>
    </message>
</context>
</TS>
