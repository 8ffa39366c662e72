<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>وصل عدد ملفات التعريف إلى الحد الأقصى</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>فشل الإنشاء، عقدة الفهرس موجودة بالفعل، يرجى التحقق</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>تم إنشاء ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>فشل إنشاء ملف التعريف</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>يجب الاحتفاظ بملف تعريف واحد على الأقل</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>فشل حذف ملف التعريف</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>تم حذف ملف التعريف بنجاح</translation>
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
        <source>This index node non-existent</source>
        <translation>عقدة الفهرس هذه غير موجودة</translation>
    </message>
    <message>
        <source>The export path is too long</source>
        <translation>مسار التصدير طويل جدًا</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>فشل تصدير ملف التعريف</translation>
    </message>
    <message>
        <source>The file %1 already exists. Add the profile to it?</source>
        <translation>الملف %1 موجود بالفعل. هل تريد إضافة ملف التعريف إليه؟</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>تم تصدير ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>فتح ملف تعريف</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>ملفات التعريف(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>يرجى اختيار ملف الاستيراد أولاً</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>فشل استيراد ملف التعريف</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>تم استيراد ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>لا يمكن أن يكون اسم ملف التعريف فارغًا</translation>
    </message>
    <message>
        <source>The profile name is too long</source>
        <translation>اسم ملف التعريف طويل جدًا</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>فشل تعديل معلومات ملف التعريف</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>تم تعديل معلومات ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>The macro could not be updated in the profiles</source>
        <translation>تعذر تحديث الماكرو في ملفات التعريف</translation>
    </message>
</context>
<context>
    <name>DFileChooser</name>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>تعديل الاسم</translation>
    </message>
</context>
</TS>
