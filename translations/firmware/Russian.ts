<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Сведения о прошивке</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Во время обновления прошивки не отключайте устройство!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Обновление выполнено</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Не удалось обновить</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>Дождитесь завершения обновления</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Название продукта:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Текущая версия:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Ход обновления:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Новая версия:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
</context>
</TS>
