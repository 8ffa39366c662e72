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
</context>
<context>
    <name>DFunctionPageStandIn</name>
    <message>
        <source>This key has a binding of this kind. Its settings cannot be changed here yet.</source>
        <translation>Этой клавише назначена такая функция. Её настройки пока нельзя изменить здесь.</translation>
    </message>
    <message>
        <source>The settings of this function cannot be changed here yet.</source>
        <translation>Настройки этой функции пока нельзя изменить здесь.</translation>
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
