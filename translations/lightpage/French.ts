<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Élément d&apos;éclairage personnalisé</translation>
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
        <translation>Type :</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosité :</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction :</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Mode d&apos;éclairage</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Toutes couleurs</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Couleur du bas</translation>
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
        <translation>Éclairage personnalisé</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statique</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>L&apos;appareil n&apos;a pas d&apos;éclairage d&apos;ambiance</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Vague</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Clavier/Ambiance</translation>
    </message>
    <message>
        <source>Custom light name is too long</source>
        <translation>Le nom de l&apos;éclairage personnalisé est trop long</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Échec de la modification du nom de l&apos;éclairage personnalisé</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiration</translation>
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
        <translation>Serpent</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Réactif</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurore</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulation</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillement</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Réponse à la vitesse</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Ondulation auto</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Stries</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Feux d&apos;artifice</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Rythme musical</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collision</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Éteint</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Le nom de l&apos;éclairage personnalisé ne peut pas être vide</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nom de l&apos;éclairage personnalisé modifié</translation>
    </message>
</context>
</TS>
