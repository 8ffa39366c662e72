<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The light sleep time must be from 0 to 60000 seconds</source>
        <translation>Il tempo di sospensione della luce deve essere tra 0 e 60000 secondi</translation>
    </message>
    <message>
        <source>The keyboard sleep time must be from 5 to 1000 minutes</source>
        <translation>Il tempo di sospensione della tastiera deve essere tra 5 e 1000 minuti</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Il tempo di sospensione della luce non può superare quello della tastiera</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Il tempo di sospensione della tastiera è troppo breve</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Impostazione del tempo di sospensione non riuscita</translation>
    </message>
    <message>
        <source>The keyboard took the sleep time, but the profile could not be saved</source>
        <translation>La tastiera ha accettato il tempo di sospensione, ma non è stato possibile salvare il profilo</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Tempo di sospensione impostato</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Ripristinare il profilo corrente?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The current profile could not be reset</source>
        <translation>Impossibile ripristinare il profilo corrente</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Profilo corrente ripristinato</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Con il blocco Win attivo:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Disattiva tasto Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Disattiva SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Disattiva ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Disattiva ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Sospensione luce:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Sospensione tastiera:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Ripristina profilo</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Proprietà tastiera</translation>
    </message>
    <message>
        <source>No keyboard settings program of the desktop is installed</source>
        <translation>Nessun programma di impostazioni tastiera del desktop installato</translation>
    </message>
    <message>
        <source>The keyboard settings could not be opened</source>
        <translation>Impossibile aprire le impostazioni della tastiera</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Avvio automatico</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Avvia all&apos;avvio del sistema (ridotto a icona)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Alla chiusura riduci nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Verifica aggiornamento firmware</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software applicativo</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Nessun dispositivo aggiornabile trovato</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Impostazione salvata</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Impossibile salvare l&apos;impostazione</translation>
    </message>
    <message>
        <source>No system tray is running: closing the window quits the program.</source>
        <translation>Nessuna area di notifica in esecuzione: chiudere la finestra termina il programma.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Traccia successiva</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Traccia precedente</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lettore</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calcolatrice</translation>
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
        <translation>Posta</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Luminosità schermo +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Luminosità schermo -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Tasto sinistro</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Tasto centrale</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Tasto destro</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scorri su</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scorri giù</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tasto cecchino</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Cambia finestra</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostra desktop</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Risorse del computer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Blocca computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
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
        <translation>Passa a 2,4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Passa a USB</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Blocca tastiera</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Blocca/sblocca Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Blocca Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Sblocca Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Livello predefinito</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Livello FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Livello FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Verifica batteria</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Luce generale</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Luce interattiva</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tutte le luci</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statico</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosità +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosità -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocità +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocità -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direzione +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direzione -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direzione a ciclo</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passa a colori pieni</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambia colore superiore</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambia colore inferiore</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personalizzato 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizzato 2</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Ferma retroilluminazione</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Spegni tutto</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Spegni retroilluminazione</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Registra illuminazione</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Spegni luce laterale</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Ferma luce laterale</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Riassegna tasto</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Cambia profilo</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Avvia applicazione</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Funzione tasto</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Luce tastiera</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Luce d&apos;atmosfera</translation>
    </message>
</context>
</TS>
