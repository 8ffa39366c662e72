<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name></name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimizar(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maximizar(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Restaurar(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Salir(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>DDataManager</name>
    <message>
        <source>Unknow</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>DDeviceListItem</name>
    <message>
        <source>DDeviceListItem</source>
        <translation>DDeviceListItem</translation>
    </message>
    <message>
        <source>(OffLine)</source>
        <translation>(Desconectado)</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>DDevicePage</source>
        <translation>DDevicePage</translation>
    </message>
    <message>
        <source>产品列表</source>
        <translation>Lista de productos</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Probar teclas</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Cambiar modo</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Batería</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo no conectado</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Lista de dispositivos</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizar teclas</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Iluminación</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>El dispositivo está desconectado</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>El dispositivo se ha encendido</translation>
    </message>
    <message>
        <source>The keyboard has not reported its serial number; its profiles are loaded when it does</source>
        <translation>El teclado no ha informado de su número de serie; sus perfiles se cargarán cuando lo haga</translation>
    </message>
    <message>
        <source>The keyboard reported an unusable model name; its profiles cannot be stored</source>
        <translation>El teclado informó de un nombre de modelo no válido; no se pueden guardar sus perfiles</translation>
    </message>
    <message>
        <source>The profile folder cannot be created</source>
        <translation>No se puede crear la carpeta de perfiles</translation>
    </message>
    <message>
        <source>The profile folder path is too long</source>
        <translation>La ruta de la carpeta de perfiles es demasiado larga</translation>
    </message>
    <message>
        <source>The simulator did not start: %1</source>
        <translation>El simulador no se inició: %1</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Iniciar sesión</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>DMainWidget</source>
        <translation>DMainWidget</translation>
    </message>
    <message>
        <source>VARDEX</source>
        <translation>VARDEX</translation>
    </message>
    <message>
        <source>HID</source>
        <translation>HID</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>V1.0.0.0.1</source>
        <translation>V1.0.0.0.1</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>¡Conflicto, el programa se ha detenido!</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo no conectado</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>keyColorRgbFrameItem</name>
    <message>
        <source>keyColorRgbFrameItem</source>
        <translation>keyColorRgbFrameItem</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>keySelectFrame</source>
        <translation>keySelectFrame</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>No se puede reasignar</translation>
    </message>
</context>
<context>
    <name>keyboardImageFrameItem</name>
    <message>
        <source>keyboardImageFrameItem</source>
        <translation>keyboardImageFrameItem</translation>
    </message>
</context>
</TS>
