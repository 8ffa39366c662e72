<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Custom Light Item</translation>
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
        <translation>Type:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Light mode</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Full color</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Top color</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Bottom color</translation>
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
        <translation>Custom light</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Static</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>The device has no atmosphere lamp</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Wave</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Keyboard/Ambient</translation>
    </message>
    <message>
        <source>Custom light name is too long</source>
        <translation>Custom light name is too long</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Modify custom light name failed</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Breath</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Snake</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reactive</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ripple</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Twinkle</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cross</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Speed Respond</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Auto Ripple</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Striation</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fireworks</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Musical Rhythm</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collision</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Custom light name can&apos;t be empty</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Modify custom light name successful</translation>
    </message>
</context>
</TS>
