<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Assignée</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>DMacroPage</source>
        <translation>DMacroPage</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Enregistrement de macros</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Réglage du délai</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sans délai</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Délai par défaut</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Liste des événements</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Aucun enregistrement</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insérer un événement</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insérer après</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insérer avant</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Appuyez sur une touche</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Saisissez le délai</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Démarrer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Sélectionnez d&apos;abord une position</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>La limite d&apos;événements est atteinte</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Échec de l&apos;insertion</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Inséré</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Échec de la modification</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Sélectionnez d&apos;abord une macro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Échec du vidage de la macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Macro vidée</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Échec du déplacement</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Le nom de la macro ne peut pas être vide</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Macro renommée</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Échec du changement de nom de la macro</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Échec de l&apos;ajout de la macro</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro ajoutée</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Échec de la suppression de la macro</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro supprimée</translation>
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
        <source>Export macro failed</source>
        <translation>Échec de l&apos;exportation de la macro</translation>
    </message>
    <message>
        <source>The file path is too long</source>
        <translation>Le chemin du fichier est trop long</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <translation>Le fichier %1 existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportée</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Ouvrir un fichier de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Fichiers de macro(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Échec de l&apos;importation de la macro</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importée</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Enregistrement de la macro démarré</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Enregistrement de la macro arrêté</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Échec de l&apos;enregistrement de la macro</translation>
    </message>
    <message>
        <source>Import macro failed: the file declares a document type or entity</source>
        <translation>Échec de l&apos;importation de la macro : le fichier déclare un type de document ou une entité</translation>
    </message>
    <message>
        <source>Import macro failed: the file is not UTF-8 text</source>
        <translation>Échec de l&apos;importation de la macro : le fichier n&apos;est pas un texte UTF-8</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than macros and their events</source>
        <translation>Échec de l&apos;importation de la macro : le fichier contient autre chose que des macros et leurs événements</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the mouse code %2, which is no button action</source>
        <translation>Échec de l&apos;importation de la macro : l&apos;événement %1 a le code souris %2, qui n&apos;est pas une action de bouton</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the key code %2, which is no key</source>
        <translation>Échec de l&apos;importation de la macro : l&apos;événement %1 a le code de touche %2, qui n&apos;est pas une touche</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Renommer</translation>
    </message>
</context>
</TS>
