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
        <source>Please wait until the update has finished</source>
        <translation>Дождитесь завершения обновления</translation>
    </message>
    <message>
        <source>the firmware image is damaged</source>
        <translation>образ прошивки повреждён</translation>
    </message>
    <message>
        <source>the firmware image is empty</source>
        <translation>образ прошивки пуст</translation>
    </message>
    <message>
        <source>the firmware image is too large</source>
        <translation>образ прошивки слишком велик</translation>
    </message>
    <message>
        <source>the firmware image is for another model</source>
        <translation>образ прошивки предназначен для другой модели</translation>
    </message>
    <message>
        <source>the firmware image could not be read</source>
        <translation>не удалось прочитать образ прошивки</translation>
    </message>
    <message>
        <source>the firmware image could not be prepared, check the free disk space</source>
        <translation>не удалось подготовить образ прошивки, проверьте свободное место на диске</translation>
    </message>
    <message>
        <source>the keyboard could not be reached</source>
        <translation>не удалось связаться с клавиатурой</translation>
    </message>
    <message>
        <source>the keyboard did not enter update mode</source>
        <translation>клавиатура не перешла в режим обновления</translation>
    </message>
    <message>
        <source>the keyboard left during the update</source>
        <translation>клавиатура отключилась во время обновления</translation>
    </message>
    <message>
        <source>the keyboard refused the image</source>
        <translation>клавиатура отклонила образ</translation>
    </message>
    <message>
        <source>no update drive was found, mount it and try again</source>
        <translation>диск обновления не найден, подключите его и повторите попытку</translation>
    </message>
    <message>
        <source>the update drive did not answer</source>
        <translation>диск обновления не отвечает</translation>
    </message>
    <message>
        <source>the update drive could not be written</source>
        <translation>не удалось записать на диск обновления</translation>
    </message>
    <message>
        <source>the update was interrupted</source>
        <translation>обновление прервано</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>Не удалось обновить: %1</translation>
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
    <message>
        <source>in update mode</source>
        <translation>в режиме обновления</translation>
    </message>
</context>
</TS>
