<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Функция:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основной</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Слой FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Переназначение</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Ярлыки</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Сменить профиль</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Запуск программы</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Подсветка клавиш</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Фоновая подсветка</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Функции клавиатуры</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Сначала выберите клавишу</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Не удалось сохранить: текст пуст</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>The text was cut to the length a key can hold</source>
        <translation>Текст обрезан до длины, которую может хранить клавиша</translation>
    </message>
    <message>
        <source>There is no macro to assign. Please record a macro first</source>
        <translation>Нет макроса для назначения. Сначала запишите макрос</translation>
    </message>
    <message>
        <source>Restoring the default failed</source>
        <translation>Не удалось восстановить значение по умолчанию</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Korean/English</source>
        <translation>Кор./англ.</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Ханча</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Виртуальная клавиатура</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Ханча</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Кор./англ.</translation>
    </message>
</context>
</TS>
