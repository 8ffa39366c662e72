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
        <source>Please wait until the update has finished</source>
        <translation>Зачекайте, доки оновлення завершиться</translation>
    </message>
    <message>
        <source>the firmware image is damaged</source>
        <translation>образ мікропрограми пошкоджено</translation>
    </message>
    <message>
        <source>the firmware image is empty</source>
        <translation>образ мікропрограми порожній</translation>
    </message>
    <message>
        <source>the firmware image is too large</source>
        <translation>образ мікропрограми завеликий</translation>
    </message>
    <message>
        <source>the firmware image is for another model</source>
        <translation>образ мікропрограми призначено для іншої моделі</translation>
    </message>
    <message>
        <source>the firmware image could not be read</source>
        <translation>не вдалося прочитати образ мікропрограми</translation>
    </message>
    <message>
        <source>the firmware image could not be prepared, check the free disk space</source>
        <translation>не вдалося підготувати образ мікропрограми, перевірте вільне місце на диску</translation>
    </message>
    <message>
        <source>the keyboard could not be reached</source>
        <translation>не вдалося зв&apos;язатися з клавіатурою</translation>
    </message>
    <message>
        <source>the keyboard did not enter update mode</source>
        <translation>клавіатура не перейшла в режим оновлення</translation>
    </message>
    <message>
        <source>the keyboard left during the update</source>
        <translation>клавіатуру від&apos;єднано під час оновлення</translation>
    </message>
    <message>
        <source>the keyboard refused the image</source>
        <translation>клавіатура відхилила образ</translation>
    </message>
    <message>
        <source>no update drive was found, mount it and try again</source>
        <translation>диск оновлення не знайдено, підключіть його та спробуйте ще раз</translation>
    </message>
    <message>
        <source>the update drive did not answer</source>
        <translation>диск оновлення не відповідає</translation>
    </message>
    <message>
        <source>the update drive could not be written</source>
        <translation>не вдалося записати на диск оновлення</translation>
    </message>
    <message>
        <source>the update was interrupted</source>
        <translation>оновлення перервано</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>Не вдалося оновити: %1</translation>
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
    <message>
        <source>in update mode</source>
        <translation>у режимі оновлення</translation>
    </message>
</context>
</TS>
