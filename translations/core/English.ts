<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name></name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimize(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maximize(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Revert(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Quit(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>DDataManager</name>
    <message>
        <source>Unknow</source>
        <translation>Unknow</translation>
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
        <translation>(OffLine)</translation>
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
        <translation>Product List</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Test Key</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Switch Main Mode</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Battery Display</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Device not connected</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Device List</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Key Custom</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Light Setting</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performance</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>The device is offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>The device has been turned on</translation>
    </message>
    <message>
        <source>The keyboard has not reported its serial number; its profiles are loaded when it does</source>
        <translation>The keyboard has not reported its serial number; its profiles are loaded when it does</translation>
    </message>
    <message>
        <source>The keyboard reported an unusable model name; its profiles cannot be stored</source>
        <translation>The keyboard reported an unusable model name; its profiles cannot be stored</translation>
    </message>
    <message>
        <source>The profile folder cannot be created</source>
        <translation>The profile folder cannot be created</translation>
    </message>
    <message>
        <source>The profile folder path is too long</source>
        <translation>The profile folder path is too long</translation>
    </message>
    <message>
        <source>The simulator did not start: %1</source>
        <translation>The simulator did not start: %1</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
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
        <translation>Software exit</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Conflict, software out of operation!</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Device not connected</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
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
        <translation>Cannot remapped</translation>
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
