<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Byl dosažen maximální počet profilů</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Vytvoření se nezdařilo: uzel s tímto indexem již existuje, zkontrolujte to</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profil byl vytvořen</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Profil se nepodařilo vytvořit</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Musí zůstat alespoň jeden profil</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Profil se nepodařilo odstranit</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil byl odstraněn</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Složka pro uložení</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Nejprve vyberte složku pro uložení</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Uzel s tímto indexem neexistuje</translation>
    </message>
    <message>
        <source>The export path is too long</source>
        <translation>Cesta pro export je příliš dlouhá</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Profil se nepodařilo exportovat</translation>
    </message>
    <message>
        <source>The file %1 already exists. Add the profile to it?</source>
        <translation>Soubor %1 již existuje. Přidat do něj profil?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportovat</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil byl exportován</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Otevřít soubor profilu</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Soubory profilů(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Nejprve vyberte soubor k importu</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Profil se nepodařilo importovat</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil byl importován</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Název profilu nesmí být prázdný</translation>
    </message>
    <message>
        <source>The profile name is too long</source>
        <translation>Název profilu je příliš dlouhý</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Informace o profilu se nepodařilo změnit</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Informace o profilu byly změněny</translation>
    </message>
    <message>
        <source>The macro could not be updated in the profiles</source>
        <translation>Makro se v profilech nepodařilo aktualizovat</translation>
    </message>
</context>
<context>
    <name>DFileChooser</name>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportovat</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importovat</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Přejmenovat</translation>
    </message>
</context>
</TS>
