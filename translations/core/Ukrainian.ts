<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en_US">
<context>
    <name></name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Згорнути(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Розгорнути(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Відновити(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Вихід(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>DDataManager</name>
    <message>
        <source>Unknow</source>
        <translation>Невідомо</translation>
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
        <translation>(Не в мережі)</translation>
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
        <translation>Список продуктів</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Перевірка клавіш</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Змінити режим</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Заряд батареї</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Пристрій не під&apos;єднано</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Список пристроїв</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Налаштування клавіш</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Налаштування підсвічування</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Продуктивність</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Пристрій не в мережі</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Пристрій увімкнено</translation>
    </message>
    <message>
        <source>The keyboard has not reported its serial number; its profiles are loaded when it does</source>
        <translation>Клавіатура не повідомила серійний номер; профілі завантажаться, щойно вона це зробить</translation>
    </message>
    <message>
        <source>The keyboard reported an unusable model name; its profiles cannot be stored</source>
        <translation>Клавіатура повідомила непридатну назву моделі; профілі неможливо зберегти</translation>
    </message>
    <message>
        <source>The profile folder cannot be created</source>
        <translation>Не вдається створити теку профілів</translation>
    </message>
    <message>
        <source>The profile folder path is too long</source>
        <translation>Шлях до теки профілів задовгий</translation>
    </message>
    <message>
        <source>The simulator did not start: %1</source>
        <translation>Симулятор не запущено: %1</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Увійти</translation>
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
        <translation>Вихід із програми</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Конфлікт, програму зупинено!</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Пристрій не під&apos;єднано</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
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
        <translation>Не можна перепризначити</translation>
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
