<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Asignada</translation>
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
        <translation>Grabación de macros</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Ajuste de retardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Grabado</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sin retardo</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Retardo predeterminado</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista de eventos</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>No hay nada grabado</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insertar evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insertar después</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insertar antes</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Pulse una tecla</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Introduzca el retardo</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Iniciar grabación</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Seleccione primero una posición</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Se ha alcanzado el límite de eventos</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>No se pudo insertar</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Insertado</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>No se pudo modificar</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>No se pudo eliminar</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Seleccione primero una macro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>No se pudo vaciar la macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Macro vaciada</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>No se pudo mover</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>El nombre de la macro no puede estar vacío</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nombre de la macro cambiado</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>No se pudo cambiar el nombre de la macro</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>No se pudo añadir la macro</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro añadida</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>No se pudo eliminar la macro</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminada</translation>
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
        <source>Export macro failed</source>
        <translation>No se pudo exportar la macro</translation>
    </message>
    <message>
        <source>The file path is too long</source>
        <translation>La ruta del archivo es demasiado larga</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <translation>El archivo %1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportada</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Abrir archivo de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Archivos de macro(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>No se pudo importar la macro</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importada</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Grabación de macro iniciada</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Grabación de macro detenida</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>No se pudo guardar la macro grabada</translation>
    </message>
    <message>
        <source>Import macro failed: the file declares a document type or entity</source>
        <translation>Error al importar la macro: el archivo declara un tipo de documento o una entidad</translation>
    </message>
    <message>
        <source>Import macro failed: the file is not UTF-8 text</source>
        <translation>Error al importar la macro: el archivo no es texto UTF-8</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than macros and their events</source>
        <translation>Error al importar la macro: el archivo contiene algo más que macros y sus eventos</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the mouse code %2, which is no button action</source>
        <translation>Error al importar la macro: el evento %1 tiene el código de ratón %2, que no es una acción de botón</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the key code %2, which is no key</source>
        <translation>Error al importar la macro: el evento %1 tiene el código de tecla %2, que no es una tecla</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Cambiar nombre</translation>
    </message>
</context>
</TS>
