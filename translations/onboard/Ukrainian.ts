<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Не вдалося завантажити конфігурацію, спробуйте ще раз</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Конфігурацію успішно завантажено</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Основний</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, but the keyboard holds at most %2. Nothing was downloaded: bind fewer keys to macros and try again.</source>
        <translation>Макроси призначено %1 клавішам, але клавіатура зберігає не більше %2. Нічого не завантажено: призначте макроси меншій кількості клавіш і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, but the keyboard holds at most %5 per macro. Nothing was downloaded: shorten the macro and try again.</source>
        <translation>Макрос «%1» на клавіші %2 (шар %3) містить %4 подій, але клавіатура зберігає не більше %5 на макрос. Нічого не завантажено: скоротіть макрос і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The key combination on key %1 (%2 layer) uses %3 modifier keys, but the keyboard holds at most two. Nothing was downloaded: change the combination and try again.</source>
        <translation>Комбінація на клавіші %1 (шар %2) використовує %3 клавіш-модифікаторів, але клавіатура зберігає не більше двох. Нічого не завантажено: змініть комбінацію і спробуйте ще раз.</translation>
    </message>
</context>
</TS>
