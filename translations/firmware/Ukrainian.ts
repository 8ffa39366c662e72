<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en_US">
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Відомості про мікропрограму</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Оновлення мікропрограми</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Не від&apos;єднуйте пристрій під час оновлення мікропрограми!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Оновлення виконано</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Не вдалося оновити</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>Зачекайте, доки оновлення завершиться</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Назва продукту:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Поточна версія:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Перебіг оновлення:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Нова версія:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
</context>
</TS>
