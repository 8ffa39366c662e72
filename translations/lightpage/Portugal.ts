<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Item de luz personalizada</translation>
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
        <translation>Brilho:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidade:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direção:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Modo de luz</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Cor total</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Cor superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Cor inferior</translation>
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
        <translation>Luz personalizada</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>O dispositivo não tem luz ambiente</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Teclado/Ambiente</translation>
    </message>
    <message>
        <source>Custom light name is too long</source>
        <translation>O nome da luz personalizada é demasiado longo</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Falha ao alterar o nome da luz personalizada</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiração</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
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
        <translation>Reativo</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulação</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Cintilação</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Resposta à velocidade</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Ondulação automática</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Estrias</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fogo de artifício</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musical</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Colisão</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Desligado</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>O nome da luz personalizada não pode estar vazio</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nome da luz personalizada alterado</translation>
    </message>
</context>
</TS>
