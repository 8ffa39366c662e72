<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Download config to %1 stopped: another keyboard was selected</source>
        <translation>Téléchargement de la configuration vers %1 arrêté : un autre clavier a été sélectionné</translation>
    </message>
    <message>
        <source>Download config to %1 failed: the keyboard was disconnected</source>
        <translation>Échec du téléchargement de la configuration vers %1 : le clavier a été déconnecté</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Échec du téléchargement de la configuration, veuillez réessayer</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Configuration téléchargée avec succès</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, the keyboard holds %2. Nothing was downloaded.</source>
        <translation>%1 touches ont une macro, le clavier en conserve %2. Rien n&apos;a été téléchargé.</translation>
    </message>
    <message>
        <source>Macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, the keyboard holds %5. Nothing was downloaded.</source>
        <translation>La macro « %1 » de la touche %2 (couche %3) compte %4 événements, le clavier en conserve %5. Rien n&apos;a été téléchargé.</translation>
    </message>
    <message>
        <source>Key %1 (%2 layer) combines %3 modifier keys, the keyboard holds two. Nothing was downloaded.</source>
        <translation>La touche %1 (couche %2) combine %3 touches de modification, le clavier en conserve deux. Rien n&apos;a été téléchargé.</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>keyboard layer</comment>
        <translation>Par défaut</translation>
    </message>
</context>
</TS>
