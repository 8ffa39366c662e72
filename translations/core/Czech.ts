<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name></name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimalizovat(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maximalizovat(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Obnovit(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Ukončit(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>DDataManager</name>
    <message>
        <source>Unknow</source>
        <translation>Neznámé</translation>
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
        <translation>Seznam produktů</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Test kláves</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Přepnout režim</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Stav baterie</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Zařízení není připojeno</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Seznam zařízení</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Vlastní klávesy</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Nastavení podsvícení</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Výkon</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Zařízení je offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Zařízení bylo zapnuto</translation>
    </message>
    <message>
        <source>The keyboard has not reported its serial number; its profiles are loaded when it does</source>
        <translation>Klávesnice nesdělila sériové číslo; profily se načtou, až tak učiní</translation>
    </message>
    <message>
        <source>The keyboard reported an unusable model name; its profiles cannot be stored</source>
        <translation>Klávesnice sdělila nepoužitelný název modelu; profily nelze uložit</translation>
    </message>
    <message>
        <source>The profile folder cannot be created</source>
        <translation>Složku profilů nelze vytvořit</translation>
    </message>
    <message>
        <source>The profile folder path is too long</source>
        <translation>Cesta ke složce profilů je příliš dlouhá</translation>
    </message>
    <message>
        <source>The simulator did not start: %1</source>
        <translation>Simulátor se nespustil: %1</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Přihlásit</translation>
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
        <translation>Ukončení programu</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Konflikt, program byl zastaven!</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Zařízení není připojeno</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
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
        <translation>Nelze přemapovat</translation>
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
