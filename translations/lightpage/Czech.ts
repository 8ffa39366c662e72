<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Položka vlastního osvětlení</translation>
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
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Jas:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Rychlost:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Směr:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Režim osvětlení</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Plná barva</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Horní barva</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Spodní barva</translation>
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
        <translation>Vlastní osvětlení</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statický</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Zařízení nemá ambientní osvětlení</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Vlna</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Klávesnice/Okolí</translation>
    </message>
    <message>
        <source>Custom light name is too long</source>
        <translation>Název vlastního osvětlení je příliš dlouhý</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Změna názvu vlastního osvětlení se nezdařila</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Dýchání</translation>
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
        <translation>Had</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reaktivní</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Polární záře</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Vlnění</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Třpyt</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Vlastní</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kříž</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Odezva na rychlost</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Automatické vlnění</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Pruhy</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Ohňostroj</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Hudební rytmus</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Srážka</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Vypnuto</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Název vlastního osvětlení nesmí být prázdný</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Název vlastního osvětlení změněn</translation>
    </message>
</context>
</TS>
