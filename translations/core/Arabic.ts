<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name></name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>تصغير(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>تكبير(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>استعادة(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>إنهاء(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>DDataManager</name>
    <message>
        <source>Unknow</source>
        <translation>غير معروف</translation>
    </message>
</context>
<context>
    <name>DDeviceListItem</name>
    <message>
        <source>DDeviceListItem</source>
        <translation>DDeviceListItem</translation>
    </message>
    <message>
        <source>(OffLine)</source>
        <translation>(غير متصل)</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>DDevicePage</source>
        <translation>DDevicePage</translation>
    </message>
    <message>
        <source>产品列表</source>
        <translation>قائمة المنتجات</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>اختبار المفاتيح</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>تبديل الوضع الرئيسي</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>عرض البطارية</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>الجهاز غير متصل</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>قائمة الأجهزة</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>تخصيص المفاتيح</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>إعدادات الإضاءة</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>ماكرو</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>الأداء</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>الجهاز غير متصل بالشبكة</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>تم تشغيل الجهاز</translation>
    </message>
    <message>
        <source>The keyboard has not reported its serial number; its profiles are loaded when it does</source>
        <translation>لم تُبلغ لوحة المفاتيح عن رقمها التسلسلي؛ ستُحمَّل ملفات التعريف عند إبلاغها</translation>
    </message>
    <message>
        <source>The keyboard reported an unusable model name; its profiles cannot be stored</source>
        <translation>أبلغت لوحة المفاتيح عن اسم طراز غير صالح؛ لا يمكن حفظ ملفات التعريف</translation>
    </message>
    <message>
        <source>The profile folder cannot be created</source>
        <translation>تعذّر إنشاء مجلد ملفات التعريف</translation>
    </message>
    <message>
        <source>The profile folder path is too long</source>
        <translation>مسار مجلد ملفات التعريف طويل جدًا</translation>
    </message>
    <message>
        <source>The simulator did not start: %1</source>
        <translation>لم يبدأ المحاكي: %1</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>تسجيل الدخول</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>DMainWidget</source>
        <translation>DMainWidget</translation>
    </message>
    <message>
        <source>VARDEX</source>
        <translation>VARDEX</translation>
    </message>
    <message>
        <source>HID</source>
        <translation>HID</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>V1.0.0.0.1</source>
        <translation>V1.0.0.0.1</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>الخروج من البرنامج</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>تعارض، توقف البرنامج عن العمل!</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>الجهاز غير متصل</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
</context>
<context>
    <name>keyColorRgbFrameItem</name>
    <message>
        <source>keyColorRgbFrameItem</source>
        <translation>keyColorRgbFrameItem</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>keySelectFrame</source>
        <translation>keySelectFrame</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>لا يمكن إعادة التعيين</translation>
    </message>
</context>
<context>
    <name>keyboardImageFrameItem</name>
    <message>
        <source>keyboardImageFrameItem</source>
        <translation>keyboardImageFrameItem</translation>
    </message>
</context>
</TS>
