<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
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
        <translation>Sair(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>DDataManager</name>
    <message>
        <source>Unknow</source>
        <translation>Desconhecido</translation>
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
        <translation>(Desligado)</translation>
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
        <translation>Lista de produtos</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Testar teclas</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Mudar modo</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Bateria</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo não ligado</translation>
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
        <translation>Iluminação</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Desempenho</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>O dispositivo está offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>O dispositivo foi ligado</translation>
    </message>
    <message>
        <source>The keyboard has not reported its serial number; its profiles are loaded when it does</source>
        <translation>O teclado ainda não indicou o número de série; os perfis serão carregados quando o fizer</translation>
    </message>
    <message>
        <source>The keyboard reported an unusable model name; its profiles cannot be stored</source>
        <translation>O teclado indicou um nome de modelo inválido; não é possível guardar os perfis</translation>
    </message>
    <message>
        <source>The profile folder cannot be created</source>
        <translation>Não é possível criar a pasta de perfis</translation>
    </message>
    <message>
        <source>The profile folder path is too long</source>
        <translation>O caminho da pasta de perfis é demasiado longo</translation>
    </message>
    <message>
        <source>The simulator did not start: %1</source>
        <translation>O simulador não foi iniciado: %1</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Iniciar sessão</translation>
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
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Conflito, o programa parou!</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo não ligado</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
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
        <translation>Não é possível reatribuir</translation>
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
