<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name></name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Свернуть(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Развернуть(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Восстановить(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Выход(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>DDataManager</name>
    <message>
        <source>Unknow</source>
        <translation>Неизвестно</translation>
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
        <translation>(Не в сети)</translation>
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
        <translation>Список продуктов</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Проверка клавиш</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Сменить режим</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Заряд батареи</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Устройство не подключено</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Список устройств</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Настройка клавиш</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Настройка подсветки</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Производительность</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Устройство не в сети</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Устройство включено</translation>
    </message>
    <message>
        <source>The keyboard has not reported its serial number; its profiles are loaded when it does</source>
        <translation>Клавиатура не сообщила серийный номер; профили загрузятся, когда она его сообщит</translation>
    </message>
    <message>
        <source>The keyboard reported an unusable model name; its profiles cannot be stored</source>
        <translation>Клавиатура сообщила непригодное имя модели; профили нельзя сохранить</translation>
    </message>
    <message>
        <source>The profile folder cannot be created</source>
        <translation>Не удаётся создать папку профилей</translation>
    </message>
    <message>
        <source>The profile folder path is too long</source>
        <translation>Путь к папке профилей слишком длинный</translation>
    </message>
    <message>
        <source>The simulator did not start: %1</source>
        <translation>Симулятор не запущен: %1</translation>
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
        <translation>Вход</translation>
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
        <translation>Выход из программы</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Конфликт, программа остановлена!</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Устройство не подключено</translation>
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
        <translation>Нельзя переназначить</translation>
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
