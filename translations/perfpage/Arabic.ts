<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The light sleep time must be from 0 to 60000 seconds</source>
        <translation>يجب أن يكون وقت سكون الإضاءة بين 0 و60000 ثانية</translation>
    </message>
    <message>
        <source>The keyboard sleep time must be from 5 to 1000 minutes</source>
        <translation>يجب أن يكون وقت سكون لوحة المفاتيح بين 5 و1000 دقيقة</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>لا يمكن أن يكون وقت سكون الإضاءة أطول من وقت سكون لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>وقت سكون لوحة المفاتيح قصير جدًا</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>فشل ضبط وقت السكون</translation>
    </message>
    <message>
        <source>The keyboard took the sleep time, but the profile could not be saved</source>
        <translation>قبلت لوحة المفاتيح وقت السكون، لكن تعذّر حفظ ملف التعريف</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>تم ضبط وقت السكون</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>هل تريد إعادة تعيين ملف التعريف الحالي؟</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>The current profile could not be reset</source>
        <translation>تعذّرت إعادة تعيين ملف التعريف الحالي</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>تمت إعادة تعيين ملف التعريف الحالي بنجاح</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>عند تفعيل قفل Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>تعطيل مفتاح Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>تعطيل SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>تعطيل ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>تعطيل ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>سكون الإضاءة:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>ثانية</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>سكون لوحة المفاتيح:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>إعادة تعيين ملف التعريف</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>خصائص لوحة المفاتيح</translation>
    </message>
    <message>
        <source>No keyboard settings program of the desktop is installed</source>
        <translation>لم يُثبَّت برنامج إعدادات لوحة المفاتيح لسطح المكتب</translation>
    </message>
    <message>
        <source>The keyboard settings could not be opened</source>
        <translation>تعذّر فتح إعدادات لوحة المفاتيح</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>صورة الخلفية</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>التشغيل التلقائي</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>تشغيل التطبيق عند بدء النظام (مصغّر)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>التصغير إلى شريط المهام عند الإغلاق</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>الترقية</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>التحقق من ترقية البرنامج الثابت</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>برنامج التطبيق</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>التحقق من التحديثات</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>وردي</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>أخرى</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>لم يُعثر على أجهزة قابلة للترقية</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>تم حفظ الإعداد</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>تعذّر حفظ الإعداد</translation>
    </message>
    <message>
        <source>No system tray is running: closing the window quits the program.</source>
        <translation>لا يعمل شريط النظام: إغلاق النافذة ينهي البرنامج.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>رفع الصوت</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>خفض الصوت</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>تشغيل/إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>المقطع التالي</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>المقطع السابق</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>المشغّل</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>الكمبيوتر</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>المتصفح</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>زيادة سطوع الشاشة</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>خفض سطوع الشاشة</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>زر الفأرة الأيسر</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>زر الفأرة الأوسط</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>زر الفأرة الأيمن</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>التمرير لأعلى</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>التمرير لأسفل</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>للأمام</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>للخلف</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>زر القنص</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>تبديل النوافذ</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>إظهار سطح المكتب</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>جهاز الكمبيوتر</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>قفل الكمبيوتر</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>بلوتوث 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>بلوتوث 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>بلوتوث 3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>التبديل إلى 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>التبديل إلى USB</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>قفل لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>قفل/إلغاء قفل Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>قفل Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>إلغاء قفل Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>الطبقة الافتراضية</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>طبقة FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>طبقة FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>الاستعلام عن البطارية</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>الإضاءة الكاملة</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>الإضاءة التفاعلية</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>كل الإضاءة</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>زيادة السطوع</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>خفض السطوع</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>زيادة السرعة</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>خفض السرعة</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>الاتجاه +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>الاتجاه -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>تدوير الاتجاه</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>التبديل إلى الألوان الكاملة</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>تغيير اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>تغيير اللون السفلي</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>مخصص 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>مخصص 2</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>إيقاف الإضاءة الخلفية</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>إطفاء الكل</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>إطفاء الإضاءة الخلفية</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>تسجيل الإضاءة</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>إطفاء الإضاءة الجانبية</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>إيقاف الإضاءة الجانبية</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>إعادة تعيين مفتاح</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>ماكرو</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>مجموعة مفاتيح</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>وسائط متعددة</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>الفأرة</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
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
        <source>Shortcuts</source>
        <translation>اختصارات</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>وظيفة المفتاح</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>إضاءة لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>إضاءة الأجواء</translation>
    </message>
</context>
</TS>
