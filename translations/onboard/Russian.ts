<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
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
        <source>Default</source>
        <translation>Основной</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, but the keyboard holds at most %2. Nothing was downloaded: bind fewer keys to macros and try again.</source>
        <translation>Макросы назначены %1 клавишам, но клавиатура хранит не более %2. Ничего не загружено: назначьте макросы меньшему числу клавиш и попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, but the keyboard holds at most %5 per macro. Nothing was downloaded: shorten the macro and try again.</source>
        <translation>Макрос «%1» на клавише %2 (слой %3) содержит %4 событий, но клавиатура хранит не более %5 на макрос. Ничего не загружено: сократите макрос и попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>The key combination on key %1 (%2 layer) uses %3 modifier keys, but the keyboard holds at most two. Nothing was downloaded: change the combination and try again.</source>
        <translation>Сочетание клавиш на клавише %1 (слой %2) использует %3 клавиш-модификаторов, но клавиатура хранит не более двух. Ничего не загружено: измените сочетание и попробуйте ещё раз.</translation>
    </message>
</context>
</TS>
