<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Достигнуто максимальное число профилей</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Не удалось создать: узел с этим индексом уже существует, проверьте</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Профиль создан</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Не удалось создать профиль</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Должен остаться хотя бы один профиль</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Не удалось удалить профиль</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Профиль удалён</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Папка для сохранения</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Сначала выберите папку для сохранения</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Узел с этим индексом не существует</translation>
    </message>
    <message>
        <source>The export path is too long</source>
        <translation>Слишком длинный путь экспорта</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Не удалось экспортировать профиль</translation>
    </message>
    <message>
        <source>The file %1 already exists. Add the profile to it?</source>
        <translation>Файл %1 уже существует. Добавить в него профиль?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Профиль экспортирован</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Открыть файл профиля</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Файлы профилей(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Сначала выберите файл для импорта</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Не удалось импортировать профиль</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Профиль импортирован</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Имя профиля не может быть пустым</translation>
    </message>
    <message>
        <source>The profile name is too long</source>
        <translation>Слишком длинное имя профиля</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Не удалось изменить данные профиля</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Данные профиля изменены</translation>
    </message>
    <message>
        <source>The macro could not be updated in the profiles</source>
        <translation>Не удалось обновить макрос в профилях</translation>
    </message>
</context>
<context>
    <name>DFileChooser</name>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Переименовать</translation>
    </message>
</context>
</TS>
