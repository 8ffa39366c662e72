<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Osiągnięto maksymalną liczbę profili</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Nie udało się utworzyć: węzeł o tym indeksie już istnieje, sprawdź</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profil został utworzony</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Nie udało się utworzyć profilu</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Musi pozostać co najmniej jeden profil</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Nie udało się usunąć profilu</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil został usunięty</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Folder zapisu</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Najpierw wybierz folder zapisu</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Węzeł o tym indeksie nie istnieje</translation>
    </message>
    <message>
        <source>The export path is too long</source>
        <translation>Ścieżka eksportu jest za długa</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Nie udało się wyeksportować profilu</translation>
    </message>
    <message>
        <source>The file %1 already exists. Add the profile to it?</source>
        <translation>Plik %1 już istnieje. Dodać do niego profil?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil został wyeksportowany</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Otwórz plik profilu</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Pliki profili(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Najpierw wybierz plik do zaimportowania</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Nie udało się zaimportować profilu</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil został zaimportowany</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Nazwa profilu nie może być pusta</translation>
    </message>
    <message>
        <source>The profile name is too long</source>
        <translation>Nazwa profilu jest za długa</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Nie udało się zmienić informacji o profilu</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Informacje o profilu zostały zmienione</translation>
    </message>
    <message>
        <source>The macro could not be updated in the profiles</source>
        <translation>Nie udało się zaktualizować makra w profilach</translation>
    </message>
</context>
<context>
    <name>DFileChooser</name>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
    </message>
</context>
</TS>
