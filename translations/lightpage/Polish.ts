<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Element własnego podświetlenia</translation>
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
        <translation>Jasność:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Szybkość:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Kierunek:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Tryb podświetlenia</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Pełny kolor</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Kolor górny</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Kolor dolny</translation>
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
        <translation>Własne podświetlenie</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statyczny</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Urządzenie nie ma podświetlenia otoczenia</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Fala</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Klawiatura/Otoczenie</translation>
    </message>
    <message>
        <source>Custom light name is too long</source>
        <translation>Nazwa własnego podświetlenia jest za długa</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Nie udało się zmienić nazwy własnego podświetlenia</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Oddech</translation>
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
        <translation>Wąż</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reaktywny</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Zorza</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Zmarszczki</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Migotanie</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własny</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Krzyż</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Reakcja na szybkość</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Automatyczna fala</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Prążki</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fajerwerki</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Rytm muzyki</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Zderzenie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Wyłączone</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Nazwa własnego podświetlenia nie może być pusta</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Zmieniono nazwę własnego podświetlenia</translation>
    </message>
</context>
</TS>
