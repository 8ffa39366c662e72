<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Přiřadit profil</translation>
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
        <translation>Přemapovat klávesu</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Přemapovat na klávesu?</translation>
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
        <translation>Zkratky</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Zobrazit plochu</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zavřít okno</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zamknout počítač</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Tento počítač</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Najít</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Vyjmout</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
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
        <translation>Kombinace kláves</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Zadat klávesu?</translation>
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
        <translation>Funkce klávesy</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Cyklické přepínání</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Zamknout klávesnici</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Odemknout Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Zamknout Win</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Zjistit stav baterie</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Vrstva FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Vrstva FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Přepnout na USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Přepnout na 2,4G</translation>
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
        <translation>Zakázat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
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
        <translation>Vybrat aplikaci</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Vyberte cestu k aplikaci</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Vybrat aplikaci</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Všechny soubory (*)</translation>
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
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Zadejte text ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
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
        <translation>Podsvícení kláves</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Celkové podsvícení</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktivní podsvícení</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Veškeré podsvícení</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statický</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jas +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jas -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Rychlost +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Rychlost -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Směr +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Směr -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Směr dokola</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Přepnout na plnou barvu</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Změnit horní barvu</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Změnit spodní barvu</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Vypnout vše</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Vypnout podsvícení</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Zastavit podsvícení</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Záznam podsvícení</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Vlastní 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Vlastní 2</translation>
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
        <translation>Způsob přehrávání</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Přehrát jednou</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Nepřetržité přehrávání zap./vyp.</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Přehrát vícekrát</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Přehrávat, dokud je klávesa stisknutá</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Počet přehrání</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Počet přehrání 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Přiřadit makro</translation>
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
        <translation>Tlačítko myši</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Levé tlačítko myši</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Prostřední tlačítko myši</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Pravé tlačítko myši</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vpřed</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tlačítko pro přesné míření</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Posunout dolů</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Posunout nahoru</translation>
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
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Přehrát/pozastavit</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Další skladba</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Předchozí skladba</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Hlasitost +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Hlasitost -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Ztlumit</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Přehrávač</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulačka</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Počítač</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Prohlížeč</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Jas obrazovky +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Jas obrazovky -</translation>
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
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
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
        <translation>Ambientní světlo</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Veškeré podsvícení</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Celkové podsvícení</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktivní podsvícení</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jas +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jas -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Rychlost +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Rychlost -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Přepnout na plnou barvu</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Změnit horní barvu</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Změnit spodní barvu</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Vypnout boční podsvícení</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Zastavit boční podsvícení</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Assign Profile</source>
        <translation>Přiřadit profil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Vybrat aplikaci</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Vyberte cestu k aplikaci</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Vybrat aplikaci</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Zadejte text ...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Způsob přehrávání</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Přehrát jednou</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Přehrát vícekrát</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Nepřetržité přehrávání zap./vyp.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Přehrávat, dokud je klávesa stisknutá</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Počet přehrání</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Počet přehrání 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Přiřadit makro</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Tlačítko myši</translation>
    </message>
</context>
</TS>
