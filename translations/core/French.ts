<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name></name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Réduire(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Agrandir(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Restaurer(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Quitter(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>DDataManager</name>
    <message>
        <source>Unknow</source>
        <translation>Inconnu</translation>
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
        <translation>(Hors ligne)</translation>
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
        <translation>Liste des produits</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Tester les touches</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Changer de mode</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Appareil non connecté</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Liste des appareils</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personnaliser les touches</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Éclairage</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performances</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>L&apos;appareil est hors ligne</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>L&apos;appareil a été allumé</translation>
    </message>
    <message>
        <source>The keyboard has not reported its serial number; its profiles are loaded when it does</source>
        <translation>Le clavier n&apos;a pas indiqué son numéro de série ; ses profils seront chargés dès qu&apos;il le fera</translation>
    </message>
    <message>
        <source>The keyboard reported an unusable model name; its profiles cannot be stored</source>
        <translation>Le clavier a indiqué un nom de modèle inutilisable ; ses profils ne peuvent pas être enregistrés</translation>
    </message>
    <message>
        <source>The profile folder cannot be created</source>
        <translation>Impossible de créer le dossier des profils</translation>
    </message>
    <message>
        <source>The profile folder path is too long</source>
        <translation>Le chemin du dossier des profils est trop long</translation>
    </message>
    <message>
        <source>The simulator did not start: %1</source>
        <translation>Le simulateur n&apos;a pas démarré : %1</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
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
        <translation>Quitter le logiciel</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Conflit, le logiciel est arrêté !</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Appareil non connecté</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
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
        <translation>Non réassignable</translation>
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
