<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Función:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Capa base</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Capa FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Reasignar tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Teclas combinadas</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Accesos directos</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Cambiar perfil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Abrir aplicación</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Luz del teclado</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Luz ambiental</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Funciones de tecla</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Seleccione primero una tecla</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operación correcta</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>No se pudo guardar: el texto está vacío</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>The text was cut to the length a key can hold</source>
        <translation>El texto se ha recortado a la longitud que admite una tecla</translation>
    </message>
    <message>
        <source>There is no macro to assign. Please record a macro first</source>
        <translation>No hay ninguna macro que asignar. Grabe primero una macro</translation>
    </message>
    <message>
        <source>Restoring the default failed</source>
        <translation>No se pudo restaurar el valor predeterminado</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Korean/English</source>
        <translation>Coreano/inglés</translation>
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
        <translation>Teclado virtual</translation>
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
        <translation>Coreano/inglés</translation>
    </message>
</context>
</TS>
