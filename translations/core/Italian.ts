<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name></name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Riduci a icona(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Ingrandisci(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Ripristina(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Esci(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>DDataManager</name>
    <message>
        <source>Unknow</source>
        <translation>Sconosciuto</translation>
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
        <translation>(Non in linea)</translation>
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
        <translation>Elenco prodotti</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Prova tasti</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Cambia modalità</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Batteria</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo non connesso</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Elenco dispositivi</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizza tasti</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Illuminazione</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Prestazioni</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Il dispositivo è offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Il dispositivo è stato acceso</translation>
    </message>
    <message>
        <source>The keyboard has not reported its serial number; its profiles are loaded when it does</source>
        <translation>La tastiera non ha comunicato il numero di serie; i profili verranno caricati quando lo farà</translation>
    </message>
    <message>
        <source>The keyboard reported an unusable model name; its profiles cannot be stored</source>
        <translation>La tastiera ha comunicato un nome modello non valido; impossibile salvare i profili</translation>
    </message>
    <message>
        <source>The profile folder cannot be created</source>
        <translation>Impossibile creare la cartella dei profili</translation>
    </message>
    <message>
        <source>The profile folder path is too long</source>
        <translation>Il percorso della cartella dei profili è troppo lungo</translation>
    </message>
    <message>
        <source>The simulator did not start: %1</source>
        <translation>Il simulatore non è stato avviato: %1</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Accedi</translation>
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
        <translation>Uscita dal programma</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Conflitto, il programma è stato arrestato!</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo non connesso</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
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
        <translation>Non riassegnabile</translation>
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
