<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Левая кнопка</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Средняя кнопка</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правая кнопка</translation>
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
        <translation>Назначен</translation>
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
        <translation>Запись макросов</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Макросы</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Настройка задержки</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Как записано</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Без задержки</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Задержка по умолчанию</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Список событий</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Запись пуста</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Вставка события</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Вставить после</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Вставить перед</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Нажмите клавишу</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Левая кнопка</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Средняя кнопка</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правая кнопка</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Введите задержку</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Начать запись</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Сначала выберите позицию</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Достигнут предел числа событий</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Не удалось вставить</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Вставлено</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Не удалось изменить</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Изменено</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Не удалось удалить</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Сначала выберите макрос</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Не удалось очистить макрос</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Макрос очищен</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Не удалось переместить</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Имя макроса не может быть пустым</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Макрос переименован</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Не удалось переименовать макрос</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Не удалось добавить макрос</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Макрос добавлен</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Не удалось удалить макрос</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Макрос удалён</translation>
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
        <source>Export macro failed</source>
        <translation>Не удалось экспортировать макрос</translation>
    </message>
    <message>
        <source>The file path is too long</source>
        <translation>Слишком длинный путь к файлу</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <translation>Файл %1 уже существует. Заменить его?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Макрос экспортирован</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Открыть файл макроса</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Файлы макросов(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Не удалось импортировать макрос</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Макрос импортирован</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Запись макроса начата</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Запись макроса остановлена</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Не удалось сохранить запись макроса</translation>
    </message>
    <message>
        <source>Import macro failed: the file declares a document type or entity</source>
        <translation>Не удалось импортировать макрос: файл объявляет тип документа или сущность</translation>
    </message>
    <message>
        <source>Import macro failed: the file is not UTF-8 text</source>
        <translation>Не удалось импортировать макрос: файл не является текстом UTF-8</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than macros and their events</source>
        <translation>Не удалось импортировать макрос: файл содержит не только макросы и их события</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the mouse code %2, which is no button action</source>
        <translation>Не удалось импортировать макрос: у события %1 код мыши %2, это не действие кнопки</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the key code %2, which is no key</source>
        <translation>Не удалось импортировать макрос: у события %1 код клавиши %2, это не клавиша</translation>
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
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Переименовать</translation>
    </message>
</context>
</TS>
