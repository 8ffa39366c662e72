<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name></name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimieren(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maximieren(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Wiederherstellen(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Beenden(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>DDataManager</name>
    <message>
        <source>Unknow</source>
        <translation>Unbekannt</translation>
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
        <translation>(Offline)</translation>
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
        <translation>Produktliste</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Tasten testen</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Modus wechseln</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Akkustand</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Gerät nicht verbunden</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Geräteliste</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Das Gerät ist offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Das Gerät wurde eingeschaltet</translation>
    </message>
    <message>
        <source>The keyboard has not reported its serial number; its profiles are loaded when it does</source>
        <translation>Die Tastatur hat ihre Seriennummer noch nicht gemeldet; ihre Profile werden danach geladen</translation>
    </message>
    <message>
        <source>The keyboard reported an unusable model name; its profiles cannot be stored</source>
        <translation>Die Tastatur meldete einen unbrauchbaren Modellnamen; ihre Profile können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The profile folder cannot be created</source>
        <translation>Der Profilordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The profile folder path is too long</source>
        <translation>Der Pfad des Profilordners ist zu lang</translation>
    </message>
    <message>
        <source>The simulator did not start: %1</source>
        <translation>Der Simulator wurde nicht gestartet: %1</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
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
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Konflikt, das Programm wurde angehalten!</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Gerät nicht verbunden</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
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
        <translation>Nicht umbelegbar</translation>
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
