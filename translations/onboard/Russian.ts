<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Download config to %1 stopped: another keyboard was selected</source>
        <translation>Загрузка конфигурации в %1 остановлена: выбрана другая клавиатура</translation>
    </message>
    <message>
        <source>Download config to %1 failed: the keyboard was disconnected</source>
        <translation>Не удалось загрузить конфигурацию в %1: клавиатура отключена</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Не удалось загрузить конфигурацию, попробуйте ещё раз</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Конфигурация успешно загружена</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, the keyboard holds %2. Nothing was downloaded.</source>
        <translation>Макросы назначены %1 клавишам, клавиатура хранит %2. Ничего не загружено.</translation>
    </message>
    <message>
        <source>Macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, the keyboard holds %5. Nothing was downloaded.</source>
        <translation>Макрос «%1» на клавише %2 (слой %3) содержит %4 событий, клавиатура хранит %5. Ничего не загружено.</translation>
    </message>
    <message>
        <source>Key %1 (%2 layer) combines %3 modifier keys, the keyboard holds two. Nothing was downloaded.</source>
        <translation>Клавиша %1 (слой %2) сочетает %3 клавиш-модификаторов, клавиатура хранит две. Ничего не загружено.</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>keyboard layer</comment>
        <translation>Основной</translation>
    </message>
</context>
</TS>
