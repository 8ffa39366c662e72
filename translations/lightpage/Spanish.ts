<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Elemento de luz personalizada</translation>
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
        <translation>Brillo:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Dirección:</translation>
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
        <translation>Todo color</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Color superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Color inferior</translation>
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
        <translation>El dispositivo no tiene luz ambiental</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Ola</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Teclado/Ambiente</translation>
    </message>
    <message>
        <source>Custom light name is too long</source>
        <translation>El nombre de la luz personalizada es demasiado largo</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>No se pudo cambiar el nombre de la luz personalizada</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiración</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neón</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reactivo</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Centelleo</translation>
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
        <translation>Respuesta a la velocidad</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Onda automática</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Estrías</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fuegos artificiales</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musical</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Colisión</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Apagado</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>El nombre de la luz personalizada no puede estar vacío</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nombre de la luz personalizada cambiado</translation>
    </message>
</context>
</TS>
