<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>عنصر إضاءة مخصصة</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>DLightsConfigPage</source>
        <translation>DLightsConfigPage</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>السطوع:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>السرعة:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>الاتجاه:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>وضع الإضاءة</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>ألوان كاملة</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>اللون السفلي</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>إضاءة مخصصة</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>لا يحتوي الجهاز على إضاءة محيطة</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>موجة</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>لوحة المفاتيح/الإضاءة المحيطة</translation>
    </message>
    <message>
        <source>Custom light name is too long</source>
        <translation>اسم الإضاءة المخصصة طويل جدًا</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>فشل تعديل اسم الإضاءة المخصصة</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>تنفس</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>نيون</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>رادار</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>ثعبان</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>تفاعلي</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>الشفق</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>تموج</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>وميض</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>تقاطع</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>استجابة السرعة</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>تموج تلقائي</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>خطوط</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>ألعاب نارية</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>إيقاع موسيقي</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>تصادم</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إيقاف</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>لا يمكن أن يكون اسم الإضاءة المخصصة فارغًا</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>تم تعديل اسم الإضاءة المخصصة بنجاح</translation>
    </message>
</context>
</TS>
