<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Profil zuweisen</translation>
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
        <translation>Taste umbelegen</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Mit welcher Taste belegen?</translation>
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
        <translation>Verknüpfungen</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Computer sperren</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
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
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
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
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Taste eingeben?</translation>
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
        <translation>Tastenfunktion</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Zyklisch umschalten</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Tastatur sperren</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win entsperren</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win sperren</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Akkustand abfragen</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Standard</translation>
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
        <source>USB switching</source>
        <translation>Auf USB umschalten</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Auf 2,4G umschalten</translation>
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
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>App auswählen</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Bitte den Pfad der Anwendung wählen</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Anwendung auswählen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
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
        <translation>Text eingeben ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Tastenlicht</translation>
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
        <source>Close all</source>
        <translation>Alles ausschalten</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Hintergrundbeleuchtung ausschalten</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Hintergrundbeleuchtung anhalten</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Beleuchtung aufzeichnen</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Benutzerdefiniert 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Benutzerdefiniert 2</translation>
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
        <translation>Wiedergabeart</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Einmal abspielen</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Dauerwiedergabe ein/aus</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Mehrmals abspielen</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Abspielen, solange die Taste gedrückt ist</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Anzahl der Wiedergaben</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Wiedergaben 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Makro zuweisen</translation>
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
        <translation>Maustaste</translation>
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
        <source>Backward</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper-Taste</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Nach oben scrollen</translation>
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
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
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
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Bildschirmhelligkeit +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Bildschirmhelligkeit -</translation>
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
        <translation>Standard</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Ambientelicht</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Alle Beleuchtung</translation>
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
        <source>Close side light</source>
        <translation>Seitenbeleuchtung ausschalten</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Seitenbeleuchtung anhalten</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Assign Profile</source>
        <translation>Profil zuweisen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>App auswählen</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Bitte den Pfad der Anwendung wählen</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Anwendung auswählen</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Text eingeben ...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Wiedergabeart</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Einmal abspielen</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Mehrmals abspielen</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Dauerwiedergabe ein/aus</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Abspielen, solange die Taste gedrückt ist</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Anzahl der Wiedergaben</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Wiedergaben 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Makro zuweisen</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Maustaste</translation>
    </message>
</context>
</TS>
