<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Elemento luce personalizzata</translation>
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
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosità:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direzione:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Modalità luce</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Colore pieno</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Colore superiore</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Colore inferiore</translation>
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
        <translation>Luce personalizzata</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statico</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Il dispositivo non ha luce ambientale</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Tastiera/Ambiente</translation>
    </message>
    <message>
        <source>Custom light name is too long</source>
        <translation>Il nome della luce personalizzata è troppo lungo</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Impossibile modificare il nome della luce personalizzata</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiro</translation>
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
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reattivo</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Increspatura</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillio</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croce</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Risposta alla velocità</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Increspatura automatica</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Striature</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fuochi d&apos;artificio</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musicale</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collisione</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Spento</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Il nome della luce personalizzata non può essere vuoto</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nome della luce personalizzata modificato</translation>
    </message>
</context>
</TS>
