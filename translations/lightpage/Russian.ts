<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Пользовательская подсветка</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>DLightsConfigPage</source>
        <translation>DLightsConfigPage</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Яркость:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Направление:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Режим подсветки</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Полный цвет</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхний цвет</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижний цвет</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Своя подсветка</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичный</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>У устройства нет окружающей подсветки</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Волна</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Клавиатура/Окружение</translation>
    </message>
    <message>
        <source>Custom light name is too long</source>
        <translation>Имя подсветки слишком длинное</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Не удалось изменить имя подсветки</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Дыхание</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Неон</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Радар</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Змейка</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Реакция</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Сияние</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Рябь</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Мерцание</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Своя</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Крест</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Отклик на скорость</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Авторябь</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Полосы</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Фейерверк</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ритм музыки</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Столкновение</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Выкл.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Имя подсветки не может быть пустым</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Имя подсветки изменено</translation>
    </message>
</context>
</TS>
