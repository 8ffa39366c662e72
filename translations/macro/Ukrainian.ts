<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en_US">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Ліва кнопка</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Середня кнопка</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Права кнопка</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Призначено</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>DMacroPage</source>
        <translation>DMacroPage</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Запис макросів</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Макроси</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Налаштування затримки</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Як записано</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Без затримки</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Затримка за замовчуванням</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запис</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Список подій</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Запис порожній</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Вставлення події</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиція</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Вставити після</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Вставити перед</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Подія</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Клавіатура</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Затримка</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Дія</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Натисніть клавішу</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Ліва кнопка</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Середня кнопка</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Права кнопка</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Введіть затримку</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Властивості</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Імпорт</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вгору</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Зупинити запис</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Почати запис</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Спочатку виберіть позицію</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Досягнуто межі кількості подій</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Не вдалося вставити</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Вставлено</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Не вдалося змінити</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Змінено</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Не вдалося видалити</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Спочатку виберіть макрос</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Не вдалося очистити макрос</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Макрос очищено</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Не вдалося перемістити</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Назва макросу не може бути порожньою</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Макрос перейменовано</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Не вдалося перейменувати макрос</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Не вдалося додати макрос</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Макрос додано</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Не вдалося видалити макрос</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Макрос видалено</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Тека для збереження</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Спочатку виберіть теку для збереження</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Не вдалося експортувати макрос</translation>
    </message>
    <message>
        <source>The file path is too long</source>
        <translation>Шлях до файлу задовгий</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <translation>Файл %1 уже існує. Замінити його?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Макрос експортовано</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Відкрити файл макросу</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Файли макросів(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Не вдалося імпортувати макрос</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Макрос імпортовано</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Запис макросу розпочато</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Запис макросу зупинено</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Не вдалося зберегти записаний макрос</translation>
    </message>
    <message>
        <source>Import macro failed: the file declares a document type or entity</source>
        <translation>Не вдалося імпортувати макрос: файл оголошує тип документа або сутність</translation>
    </message>
    <message>
        <source>Import macro failed: the file is not UTF-8 text</source>
        <translation>Не вдалося імпортувати макрос: файл не є текстом UTF-8</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than macros and their events</source>
        <translation>Не вдалося імпортувати макрос: файл містить не лише макроси та їхні події</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the mouse code %2, which is no button action</source>
        <translation>Не вдалося імпортувати макрос: подія %1 має код миші %2, це не дія кнопки</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the key code %2, which is no key</source>
        <translation>Не вдалося імпортувати макрос: подія %1 має код клавіші %2, це не клавіша</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Перейменувати</translation>
    </message>
</context>
</TS>
