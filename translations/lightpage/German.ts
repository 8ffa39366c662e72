<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Eigene Beleuchtung</translation>
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
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Richtung:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Lichtmodus</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Vollfarbe</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Obere Farbe</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Untere Farbe</translation>
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
        <translation>Eigene Beleuchtung</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statisch</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Das Gerät hat keine Ambientebeleuchtung</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Tastatur/Ambiente</translation>
    </message>
    <message>
        <source>Custom light name is too long</source>
        <translation>Der Name der eigenen Beleuchtung ist zu lang</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Name der eigenen Beleuchtung konnte nicht geändert werden</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Atmen</translation>
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
        <translation>Schlange</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reaktiv</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Polarlicht</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Kräuseln</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Funkeln</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Tempo-Reaktion</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Auto-Welle</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Feuerwerk</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Musikrhythmus</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Kollision</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Der Name der eigenen Beleuchtung darf nicht leer sein</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Name der eigenen Beleuchtung geändert</translation>
    </message>
</context>
</TS>
