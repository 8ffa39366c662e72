<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en_US">
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Власне підсвічування</translation>
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
        <translation>Яскравість:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Швидкість:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Напрямок:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Режим підсвічування</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Повний колір</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхній колір</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижній колір</translation>
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
        <translation>Власне підсвічування</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичний</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Пристрій не має навколишнього підсвічування</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Хвиля</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Клавіатура/Оточення</translation>
    </message>
    <message>
        <source>Custom light name is too long</source>
        <translation>Назва підсвічування задовга</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Не вдалося змінити назву підсвічування</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Дихання</translation>
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
        <translation>Змійка</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Реакція</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Сяйво</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Брижі</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Мерехтіння</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Власний</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Хрест</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Відгук на швидкість</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Автобриж</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Смуги</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Феєрверк</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ритм музики</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Зіткнення</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Вимк.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Назва підсвічування не може бути порожньою</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Назву підсвічування змінено</translation>
    </message>
</context>
</TS>
