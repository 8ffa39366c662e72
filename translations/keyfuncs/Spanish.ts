<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Asignar perfil</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Reasignar tecla</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>¿Reasignar a qué tecla?</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Accesos directos</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar escritorio</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear equipo</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mi equipo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Teclas combinadas</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>¿Introducir tecla?</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Funciones de tecla</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Alternar en ciclo</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Bloquear teclado</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Desbloquear Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Bloquear Win</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Consultar batería</translation>
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
        <source>FN1 layer</source>
        <translation>Capa FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Cambiar a USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Cambiar a 2,4G</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Seleccione la ruta de la aplicación</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introduzca el texto ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Luz del teclado</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Luz general</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Luz interactiva</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Toda la luz</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brillo +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brillo -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidad +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidad -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Dirección +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Dirección -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Dirección en bucle</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Pasar a todo color</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambiar color superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambiar color inferior</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Apagar todo</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Apagar retroiluminación</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Detener retroiluminación</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Grabar iluminación</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personalizado 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizado 2</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Modo de reproducción</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproducir una vez</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reproducción continua sí/no</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproducir varias veces</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproducir mientras se mantiene pulsada la tecla</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Número de repeticiones</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Repeticiones 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Asignar macro</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Botón del ratón</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Botón de precisión</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Desplazar abajo</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Desplazar arriba</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Pista siguiente</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Pista anterior</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volumen +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volumen -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silencio</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Reproductor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Brillo de pantalla +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Brillo de pantalla -</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DSideLightCustomEventPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Luz ambiental</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Toda la luz</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Luz general</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Luz interactiva</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brillo +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brillo -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidad +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidad -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Pasar a todo color</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambiar color superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambiar color inferior</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Apagar luz lateral</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Detener luz lateral</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Assign Profile</source>
        <translation>Asignar perfil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Seleccione la ruta de la aplicación</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introduzca el texto ...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Modo de reproducción</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproducir una vez</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproducir varias veces</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reproducción continua sí/no</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproducir mientras se mantiene pulsada la tecla</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Número de repeticiones</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Repeticiones 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Asignar macro</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Botón del ratón</translation>
    </message>
</context>
</TS>
