<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Le nombre maximal de profils est atteint</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Échec de la création : le nœud de cet index existe déjà, veuillez vérifier</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profil créé</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Impossible de créer le profil</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Au moins un profil doit être conservé</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Impossible de supprimer le profil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil supprimé</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Veuillez d&apos;abord choisir un dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Le nœud de cet index n&apos;existe pas</translation>
    </message>
    <message>
        <source>The export path is too long</source>
        <translation>Le chemin d&apos;exportation est trop long</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Impossible d&apos;exporter le profil</translation>
    </message>
    <message>
        <source>The file %1 already exists. Add the profile to it?</source>
        <translation>Le fichier %1 existe déjà. Y ajouter le profil ?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil exporté</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Ouvrir un fichier de profil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Fichiers de profil(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Veuillez d&apos;abord choisir le fichier à importer</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Impossible d&apos;importer le profil</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil importé</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Le nom du profil ne peut pas être vide</translation>
    </message>
    <message>
        <source>The profile name is too long</source>
        <translation>Le nom du profil est trop long</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Impossible de modifier les informations du profil</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Informations du profil modifiées</translation>
    </message>
    <message>
        <source>The macro could not be updated in the profiles</source>
        <translation>Impossible de mettre à jour la macro dans les profils</translation>
    </message>
</context>
<context>
    <name>DFileChooser</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Renommer</translation>
    </message>
</context>
</TS>
