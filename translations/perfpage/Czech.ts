<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The light sleep time must be from 0 to 60000 seconds</source>
        <translation>Doba uspání podsvícení musí být 0 až 60000 sekund</translation>
    </message>
    <message>
        <source>The keyboard sleep time must be from 5 to 1000 minutes</source>
        <translation>Doba uspání klávesnice musí být 5 až 1000 minut</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Doba uspání podsvícení nesmí být delší než doba uspání klávesnice</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Doba uspání klávesnice je příliš krátká</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Nastavení doby uspání selhalo</translation>
    </message>
    <message>
        <source>The keyboard took the sleep time, but the profile could not be saved</source>
        <translation>Klávesnice přijala dobu uspání, ale profil se nepodařilo uložit</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Doba uspání byla nastavena</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Obnovit výchozí nastavení aktuálního profilu?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>The current profile could not be reset</source>
        <translation>Aktuální profil se nepodařilo obnovit</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Aktuální profil byl obnoven</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Při zapnutém zámku Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Zakázat klávesu Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Zakázat SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Zakázat ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Zakázat ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Uspání podsvícení:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Uspání klávesnice:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Obnovit profil</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Vlastnosti klávesnice</translation>
    </message>
    <message>
        <source>No keyboard settings program of the desktop is installed</source>
        <translation>Není nainstalován žádný program pro nastavení klávesnice</translation>
    </message>
    <message>
        <source>The keyboard settings could not be opened</source>
        <translation>Nastavení klávesnice nelze otevřít</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motiv</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obrázek pozadí</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Automatické spuštění</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Spouštět se startem systému (minimalizovaně)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Při zavření skrýt do oznamovací oblasti</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizace</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Zkontrolovat aktualizaci firmwaru</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Aplikační software</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Zkontrolovat aktualizace</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tmavé</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Světlé</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Modré</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Růžové</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Jiné</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Nebyla nalezena žádná zařízení k aktualizaci</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Nastavení uloženo</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Nastavení se nepodařilo uložit</translation>
    </message>
    <message>
        <source>No system tray is running: closing the window quits the program.</source>
        <translation>Neběží žádná oznamovací oblast: zavřením okna se program ukončí.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Neznámé</translation>
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
        <source>Play/Pause</source>
        <translation>Přehrát/pozastavit</translation>
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
        <source>Stop</source>
        <translation>Zastavit</translation>
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
        <source>Browser</source>
        <translation>Prohlížeč</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Jas obrazovky +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Jas obrazovky -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
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
        <source>Scroll Up</source>
        <translation>Posunout nahoru</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Posunout dolů</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vpřed</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tlačítko pro přesné míření</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zavřít okno</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Přepnout okna</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Zobrazit plochu</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Tento počítač</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zamknout počítač</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Vyjmout</translation>
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
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
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
        <translation>Přepnout na 2,4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Přepnout na USB</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Zamknout klávesnici</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Zamknout/odemknout Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Zamknout Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Odemknout Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Výchozí vrstva</translation>
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
        <source>Power query</source>
        <translation>Zjistit stav baterie</translation>
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
        <translation>Statické</translation>
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
        <source>Custom 1</source>
        <translation>Vlastní 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Vlastní 2</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Zastavit podsvícení</translation>
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
        <source>Light recording</source>
        <translation>Záznam podsvícení</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Vypnout boční podsvícení</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Zastavit boční podsvícení</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Přemapovat klávesu</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinace kláves</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Zakázat</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Přepnout profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Spustit aplikaci</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Zkratky</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Funkce klávesy</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Podsvícení klávesnice</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Náladové podsvícení</translation>
    </message>
</context>
</TS>
