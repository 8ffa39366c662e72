<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Foi atingido o número máximo de perfis</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Falha ao criar: o nó desse índice já existe, verifique</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Perfil criado com sucesso</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Não foi possível criar o perfil</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>É necessário manter pelo menos um perfil</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Não foi possível eliminar o perfil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Perfil eliminado com sucesso</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Selecione primeiro a pasta de destino</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>O nó desse índice não existe</translation>
    </message>
    <message>
        <source>The export path is too long</source>
        <translation>O caminho de exportação é demasiado longo</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Não foi possível exportar o perfil</translation>
    </message>
    <message>
        <source>The file %1 already exists. Add the profile to it?</source>
        <translation>O ficheiro %1 já existe. Adicionar o perfil a ele?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Perfil exportado com sucesso</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Abrir ficheiro de perfil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Ficheiros de perfil(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Selecione primeiro o ficheiro a importar</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Não foi possível importar o perfil</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Perfil importado com sucesso</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>O nome do perfil não pode estar vazio</translation>
    </message>
    <message>
        <source>The profile name is too long</source>
        <translation>O nome do perfil é demasiado longo</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Não foi possível alterar as informações do perfil</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Informações do perfil alteradas com sucesso</translation>
    </message>
    <message>
        <source>The macro could not be updated in the profiles</source>
        <translation>Não foi possível atualizar a macro nos perfis</translation>
    </message>
</context>
<context>
    <name>DFileChooser</name>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Alterar nome</translation>
    </message>
</context>
</TS>
