<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The light sleep time must be from 0 to 60000 seconds</source>
        <translation>Die Ruhezeit der Beleuchtung muss zwischen 0 und 60000 Sekunden liegen</translation>
    </message>
    <message>
        <source>The keyboard sleep time must be from 5 to 1000 minutes</source>
        <translation>Die Ruhezeit der Tastatur muss zwischen 5 und 1000 Minuten liegen</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Die Ruhezeit der Beleuchtung darf nicht länger sein als die der Tastatur</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Die Ruhezeit der Tastatur ist zu kurz</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Ruhezeit konnte nicht gesetzt werden</translation>
    </message>
    <message>
        <source>The keyboard took the sleep time, but the profile could not be saved</source>
        <translation>Die Tastatur hat die Ruhezeit übernommen, aber das Profil konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Ruhezeit wurde gesetzt</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Aktuelles Profil zurücksetzen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>The current profile could not be reset</source>
        <translation>Das aktuelle Profil konnte nicht zurückgesetzt werden</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Aktuelles Profil wurde zurückgesetzt</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Bei aktiver Win-Sperre:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows-Taste sperren</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB sperren</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB sperren</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 sperren</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Ruhezeit Beleuchtung:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Ruhezeit Tastatur:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Profil zurücksetzen</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Tastatureigenschaften</translation>
    </message>
    <message>
        <source>No keyboard settings program of the desktop is installed</source>
        <translation>Kein Tastatur-Einstellungsprogramm der Arbeitsumgebung installiert</translation>
    </message>
    <message>
        <source>The keyboard settings could not be opened</source>
        <translation>Die Tastatureinstellungen konnten nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Beim Systemstart starten (minimiert)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Beim Schließen in den Infobereich</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Firmware-Aktualisierung prüfen</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Anwendungssoftware</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Keine aktualisierbaren Geräte gefunden</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Einstellung gespeichert</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Einstellung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>No system tray is running: closing the window quits the program.</source>
        <translation>Es läuft kein Infobereich: Das Schließen des Fensters beendet das Programm.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Lautstärke +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Lautstärke -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Bildschirmhelligkeit +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Bildschirmhelligkeit -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mittlere Maustaste</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Nach oben scrollen</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper-Taste</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Fenster wechseln</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Computer sperren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
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
        <translation>Auf 2,4G umschalten</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Auf USB umschalten</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Tastatur sperren</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Win sperren/entsperren</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win sperren</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win entsperren</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Standardebene</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN-Ebene</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1-Ebene</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Akkustand abfragen</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Gesamtbeleuchtung</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktive Beleuchtung</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Alle Beleuchtung</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statisch</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Helligkeit +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Helligkeit -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Geschwindigkeit +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Geschwindigkeit -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Richtung +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Richtung -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Richtung im Kreis</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Vollfarbe einschalten</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Obere Farbe wechseln</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Untere Farbe wechseln</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Benutzerdefiniert 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Benutzerdefiniert 2</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Hintergrundbeleuchtung anhalten</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Alles ausschalten</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Hintergrundbeleuchtung ausschalten</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Beleuchtung aufzeichnen</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Seitenbeleuchtung ausschalten</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Seitenbeleuchtung anhalten</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Taste umbelegen</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Profil wechseln</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Programm starten</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Tastenfunktion</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Tastaturbeleuchtung</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Ambientebeleuchtung</translation>
    </message>
</context>
</TS>
