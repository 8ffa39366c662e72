<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The light sleep time must be from 0 to 60000 seconds</source>
        <translation>El tiempo de reposo de la luz debe estar entre 0 y 60000 segundos</translation>
    </message>
    <message>
        <source>The keyboard sleep time must be from 5 to 1000 minutes</source>
        <translation>El tiempo de reposo del teclado debe estar entre 5 y 1000 minutos</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>El tiempo de reposo de la luz no puede ser mayor que el del teclado</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>El tiempo de reposo del teclado es demasiado corto</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Error al establecer el tiempo de reposo</translation>
    </message>
    <message>
        <source>The keyboard took the sleep time, but the profile could not be saved</source>
        <translation>El teclado aceptó el tiempo de reposo, pero no se pudo guardar el perfil</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Tiempo de reposo establecido</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>¿Restablecer el perfil actual?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The current profile could not be reset</source>
        <translation>No se pudo restablecer el perfil actual</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Perfil actual restablecido</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Con el bloqueo Win activado:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Desactivar tecla Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Desactivar SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Desactivar ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Desactivar ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Reposo de la luz:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Reposo del teclado:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Restablecer perfil</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propiedades del teclado</translation>
    </message>
    <message>
        <source>No keyboard settings program of the desktop is installed</source>
        <translation>No hay instalado ningún programa de configuración de teclado del escritorio</translation>
    </message>
    <message>
        <source>The keyboard settings could not be opened</source>
        <translation>No se pudo abrir la configuración del teclado</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Inicio automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar al arrancar el sistema (minimizado)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Al cerrar, minimizar a la bandeja</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Buscar actualización de firmware</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software de aplicación</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>No se encontraron dispositivos actualizables</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Configuración guardada</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>No se pudo guardar la configuración</translation>
    </message>
    <message>
        <source>No system tray is running: closing the window quits the program.</source>
        <translation>No hay ninguna bandeja del sistema en ejecución: al cerrar la ventana se sale del programa.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Desconocido</translation>
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
        <source>Play/Pause</source>
        <translation>Reproducir/pausa</translation>
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
        <source>Stop</source>
        <translation>Detener</translation>
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
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Brillo de pantalla +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Brillo de pantalla -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
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
        <source>Scroll Up</source>
        <translation>Desplazar arriba</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Desplazar abajo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Botón de precisión</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Cambiar de ventana</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar escritorio</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mi equipo</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear equipo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
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
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
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
    <message>
        <source>2.4G switching</source>
        <translation>Cambiar a 2,4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Cambiar a USB</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Bloquear teclado</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Bloquear/desbloquear Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Bloquear Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Desbloquear Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Capa predeterminada</translation>
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
        <source>Power query</source>
        <translation>Consultar batería</translation>
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
        <source>Custom 1</source>
        <translation>Personalizado 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizado 2</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Detener retroiluminación</translation>
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
        <source>Light recording</source>
        <translation>Grabar iluminación</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Apagar luz lateral</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Detener luz lateral</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Reasignar tecla</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
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
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Función de tecla</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Luz del teclado</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Luz ambiental</translation>
    </message>
</context>
</TS>
