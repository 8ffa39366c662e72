<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Fonction :</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Couche FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Réaffectation</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Touches combinées</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Changer de profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Lancer un logiciel</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Éclairage clavier</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Lumière d&apos;ambiance</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Fonctions clavier</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Veuillez d&apos;abord sélectionner une touche</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Opération réussie</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Échec : le texte est vide</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>The text was cut to the length a key can hold</source>
        <translation>Le texte a été coupé à la longueur qu&apos;une touche peut contenir</translation>
    </message>
    <message>
        <source>There is no macro to assign. Please record a macro first</source>
        <translation>Aucune macro à attribuer. Enregistrez d&apos;abord une macro</translation>
    </message>
    <message>
        <source>Restoring the default failed</source>
        <translation>Échec de la restauration par défaut</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Korean/English</source>
        <translation>Coréen/anglais</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Hanja</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Clavier virtuel</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Hanja</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Coréen/anglais</translation>
    </message>
</context>
</TS>
