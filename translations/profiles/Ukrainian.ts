<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Досягнуто максимальної кількості профілів</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Не вдалося створити: вузол із цим індексом уже існує, перевірте</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Профіль створено</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Не вдалося створити профіль</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Має залишитися принаймні один профіль</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Не вдалося видалити профіль</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Профіль видалено</translation>
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
        <source>This index node non-existent</source>
        <translation>Вузол із цим індексом не існує</translation>
    </message>
    <message>
        <source>The export path is too long</source>
        <translation>Шлях експорту задовгий</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Не вдалося експортувати профіль</translation>
    </message>
    <message>
        <source>The file %1 already exists. Add the profile to it?</source>
        <translation>Файл %1 уже існує. Додати до нього профіль?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Профіль експортовано</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Відкрити файл профілю</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Файли профілів(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Спочатку виберіть файл для імпорту</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Не вдалося імпортувати профіль</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Профіль імпортовано</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Назва профілю не може бути порожньою</translation>
    </message>
    <message>
        <source>The profile name is too long</source>
        <translation>Назва профілю задовга</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Не вдалося змінити дані профілю</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Дані профілю змінено</translation>
    </message>
    <message>
        <source>The macro could not be updated in the profiles</source>
        <translation>Не вдалося оновити макрос у профілях</translation>
    </message>
</context>
<context>
    <name>DFileChooser</name>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Імпорт</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Перейменувати</translation>
    </message>
</context>
</TS>
