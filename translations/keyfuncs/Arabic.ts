<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>تعيين ملف التعريف</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>إعادة تعيين المفتاح</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>إعادة التعيين إلى أي مفتاح؟</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>اختصارات</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>إظهار سطح المكتب</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>قفل الكمبيوتر</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>جهاز الكمبيوتر</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
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
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>مجموعة مفاتيح</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>أدخل المفتاح؟</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>وظائف المفتاح</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>تبديل دوري</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>قفل لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>إلغاء قفل Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>قفل Win</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>الاستعلام عن البطارية</translation>
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
        <source>FN1 layer</source>
        <translation>طبقة FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>التبديل إلى USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>التبديل إلى 2.4G</translation>
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
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>اختيار التطبيق</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>يرجى اختيار مسار التطبيق</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>اختر التطبيق</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>أدخل النص ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>إضاءة لوحة المفاتيح</translation>
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
        <source>Close all</source>
        <translation>إطفاء الكل</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>إطفاء الإضاءة الخلفية</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>إيقاف الإضاءة الخلفية</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>تسجيل الإضاءة</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>مخصص 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>مخصص 2</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>طريقة التشغيل</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>تشغيل مرة واحدة</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>تشغيل متواصل تشغيل/إيقاف</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>تشغيل عدة مرات</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>تشغيل أثناء الضغط على المفتاح</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>عدد مرات التشغيل</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>عدد مرات التشغيل 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>تعيين ماكرو</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>زر الفأرة</translation>
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
        <source>Backward</source>
        <translation>للخلف</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>للأمام</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>زر القنص</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>التمرير لأسفل</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>التمرير لأعلى</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>الوسائط المتعددة</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>تشغيل/إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
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
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>المتصفح</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>زيادة سطوع الشاشة</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>خفض سطوع الشاشة</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DSideLightCustomEventPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>الإضاءة المحيطة</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>كل الإضاءة</translation>
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
        <source>Close side light</source>
        <translation>إطفاء الإضاءة الجانبية</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>إيقاف الإضاءة الجانبية</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Assign Profile</source>
        <translation>تعيين ملف التعريف</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>اختيار التطبيق</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>يرجى اختيار مسار التطبيق</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>اختر التطبيق</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>أدخل النص ...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>طريقة التشغيل</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>تشغيل مرة واحدة</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>تشغيل عدة مرات</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>تشغيل متواصل تشغيل/إيقاف</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>تشغيل أثناء الضغط على المفتاح</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>عدد مرات التشغيل</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>عدد مرات التشغيل 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>تعيين ماكرو</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>زر الفأرة</translation>
    </message>
</context>
</TS>
