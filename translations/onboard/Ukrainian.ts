<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Download config to %1 stopped: another keyboard was selected</source>
        <translation>Завантаження конфігурації до %1 зупинено: вибрано іншу клавіатуру</translation>
    </message>
    <message>
        <source>Download config to %1 failed: the keyboard was disconnected</source>
        <translation>Не вдалося завантажити конфігурацію до %1: клавіатуру від&apos;єднано</translation>
    </message>
</context>
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
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, the keyboard holds %2. Nothing was downloaded.</source>
        <translation>Макроси призначено %1 клавішам, клавіатура зберігає %2. Нічого не завантажено.</translation>
    </message>
    <message>
        <source>Macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, the keyboard holds %5. Nothing was downloaded.</source>
        <translation>Макрос «%1» на клавіші %2 (шар %3) містить %4 подій, клавіатура зберігає %5. Нічого не завантажено.</translation>
    </message>
    <message>
        <source>Key %1 (%2 layer) combines %3 modifier keys, the keyboard holds two. Nothing was downloaded.</source>
        <translation>Клавіша %1 (шар %2) поєднує %3 клавіш-модифікаторів, клавіатура зберігає дві. Нічого не завантажено.</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>keyboard layer</comment>
        <translation>Основний</translation>
    </message>
</context>
</TS>
