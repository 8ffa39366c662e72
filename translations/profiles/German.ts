<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Die maximale Anzahl an Profilen ist erreicht</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Erstellen fehlgeschlagen: Der Knoten mit diesem Index existiert bereits, bitte prüfen</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profil erstellt</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Profil konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Mindestens ein Profil muss erhalten bleiben</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Profil konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil gelöscht</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Speicherordner</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Bitte zuerst einen Speicherordner wählen</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Der Knoten mit diesem Index existiert nicht</translation>
    </message>
    <message>
        <source>The export path is too long</source>
        <translation>Der Exportpfad ist zu lang</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Profil konnte nicht exportiert werden</translation>
    </message>
    <message>
        <source>The file %1 already exists. Add the profile to it?</source>
        <translation>Die Datei %1 existiert bereits. Das Profil hinzufügen?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil exportiert</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Profildatei öffnen</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Profildateien(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Bitte zuerst eine Importdatei wählen</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Profil konnte nicht importiert werden</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil importiert</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Der Profilname darf nicht leer sein</translation>
    </message>
    <message>
        <source>The profile name is too long</source>
        <translation>Der Profilname ist zu lang</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Profilinformationen konnten nicht geändert werden</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profilinformationen geändert</translation>
    </message>
    <message>
        <source>The macro could not be updated in the profiles</source>
        <translation>Das Makro konnte in den Profilen nicht aktualisiert werden</translation>
    </message>
</context>
<context>
    <name>DFileChooser</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Namen ändern</translation>
    </message>
</context>
</TS>
