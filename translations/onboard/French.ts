<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
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
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, but the keyboard holds at most %2. Nothing was downloaded: bind fewer keys to macros and try again.</source>
        <translation>%1 touches sont associées à des macros, mais le clavier en conserve au plus %2. Rien n&apos;a été téléchargé : associez des macros à moins de touches, puis réessayez.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, but the keyboard holds at most %5 per macro. Nothing was downloaded: shorten the macro and try again.</source>
        <translation>La macro « %1 » de la touche %2 (couche %3) compte %4 événements, mais le clavier en conserve au plus %5 par macro. Rien n&apos;a été téléchargé : raccourcissez la macro, puis réessayez.</translation>
    </message>
    <message>
        <source>The key combination on key %1 (%2 layer) uses %3 modifier keys, but the keyboard holds at most two. Nothing was downloaded: change the combination and try again.</source>
        <translation>La combinaison de la touche %1 (couche %2) utilise %3 touches de modification, mais le clavier en conserve au plus deux. Rien n&apos;a été téléchargé : modifiez la combinaison, puis réessayez.</translation>
    </message>
</context>
</TS>
