<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Se ha alcanzado el número máximo de perfiles</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Error al crear: el nodo de ese índice ya existe, compruébelo</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Perfil creado correctamente</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>No se pudo crear el perfil</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Debe quedar al menos un perfil</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>No se pudo eliminar el perfil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Perfil eliminado correctamente</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleccione primero la carpeta de destino</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>El nodo de ese índice no existe</translation>
    </message>
    <message>
        <source>The export path is too long</source>
        <translation>La ruta de exportación es demasiado larga</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>No se pudo exportar el perfil</translation>
    </message>
    <message>
        <source>The file %1 already exists. Add the profile to it?</source>
        <translation>El archivo %1 ya existe. ¿Añadir el perfil a él?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Perfil exportado correctamente</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Abrir archivo de perfil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Archivos de perfil(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Seleccione primero el archivo que desea importar</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>No se pudo importar el perfil</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Perfil importado correctamente</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>El nombre del perfil no puede estar vacío</translation>
    </message>
    <message>
        <source>The profile name is too long</source>
        <translation>El nombre del perfil es demasiado largo</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>No se pudo modificar la información del perfil</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Información del perfil modificada correctamente</translation>
    </message>
    <message>
        <source>The macro could not be updated in the profiles</source>
        <translation>No se pudo actualizar la macro en los perfiles</translation>
    </message>
</context>
<context>
    <name>DFileChooser</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
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
        <translation>Cambiar nombre</translation>
    </message>
</context>
</TS>
