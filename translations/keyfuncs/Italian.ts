<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Assegna profilo</translation>
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
        <translation>Rimappa tasto</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Rimappa con quale tasto?</translation>
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
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostra desktop</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Blocca computer</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Risorse del computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
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
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
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
        <translation>Tasti combinati</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Inserisci tasto?</translation>
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
        <translation>Funzioni del tasto</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Commutazione ciclica</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Blocca tastiera</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Sblocca Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Blocca Win</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Verifica batteria</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Livello base</translation>
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
        <source>USB switching</source>
        <translation>Passa a USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Passa a 2,4G</translation>
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
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Seleziona app</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Seleziona il percorso dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleziona applicazione</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
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
        <translation>Testo</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Inserisci il testo ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Luce tastiera</translation>
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
        <source>Close all</source>
        <translation>Spegni tutto</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Spegni retroilluminazione</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Ferma retroilluminazione</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Registra illuminazione</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personalizzato 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizzato 2</translation>
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
        <translation>Modalità di riproduzione</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Riproduci una volta</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Riproduzione continua on/off</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Riproduci più volte</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Riproduci finché il tasto è premuto</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Numero di riproduzioni</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Riproduzioni 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Assegna macro</translation>
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
        <translation>Tasto del mouse</translation>
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
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tasto cecchino</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scorri giù</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scorri su</translation>
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
        <translation>Riproduci/pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
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
        <source>Email</source>
        <translation>Posta</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Luminosità schermo +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Luminosità schermo -</translation>
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
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Luce d&apos;atmosfera</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tutte le luci</translation>
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
        <source>Close side light</source>
        <translation>Spegni luce laterale</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Ferma luce laterale</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Assign Profile</source>
        <translation>Assegna profilo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Seleziona app</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Seleziona il percorso dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleziona applicazione</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Inserisci il testo ...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Modalità di riproduzione</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Riproduci una volta</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Riproduci più volte</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Riproduzione continua on/off</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Riproduci finché il tasto è premuto</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Numero di riproduzioni</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Riproduzioni 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Assegna macro</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Tasto del mouse</translation>
    </message>
</context>
</TS>
