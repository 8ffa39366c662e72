<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Przypisz profil</translation>
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
        <translation>Zmiana klawisza</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Przypisz do klawisza?</translation>
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
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Pokaż pulpit</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zablokuj komputer</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mój komputer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
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
        <translation>Skrót klawiszowy</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Wprowadź klawisz?</translation>
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
        <translation>Funkcje klawisza</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Przełączanie cykliczne</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Zablokuj klawiaturę</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Odblokuj Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Zablokuj Win</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Sprawdź stan baterii</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Domyślna</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Warstwa FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Warstwa FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Przełącz na USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Przełącz na 2,4G</translation>
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
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Wybierz ścieżkę do aplikacji</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
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
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Wprowadź tekst ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Podświetlenie</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Podświetlenie ogólne</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Podświetlenie interaktywne</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Całe podświetlenie</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statyczny</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jasność +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jasność -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Prędkość +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Prędkość -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Kierunek +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Kierunek -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Kierunek w pętli</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Tryb pełnego koloru</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Zmień kolor górny</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Zmień kolor dolny</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Wyłącz wszystko</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Wyłącz podświetlenie</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Zatrzymaj podświetlenie</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Nagrywanie podświetlenia</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Własne 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Własne 2</translation>
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
        <translation>Sposób odtwarzania</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Odtwórz raz</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Odtwarzanie ciągłe wł./wył.</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Odtwórz wiele razy</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Odtwarzaj, dopóki klawisz jest wciśnięty</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Liczba odtworzeń</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Liczba odtworzeń 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Przypisz makro</translation>
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
        <translation>Przycisk myszy</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Lewy przycisk myszy</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Środkowy przycisk myszy</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Prawy przycisk myszy</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Przycisk snajperski</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Przewiń w dół</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Przewiń w górę</translation>
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
        <translation>Odtwórz/wstrzymaj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Następny utwór</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Poprzedni utwór</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Głośność +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Głośność -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Odtwarzacz</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Poczta</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Przeglądarka</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Jasność ekranu +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Jasność ekranu -</translation>
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
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Światło otoczenia</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Całe podświetlenie</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Podświetlenie ogólne</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Podświetlenie interaktywne</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jasność +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jasność -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Prędkość +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Prędkość -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Tryb pełnego koloru</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Zmień kolor górny</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Zmień kolor dolny</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Wyłącz podświetlenie boczne</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Zatrzymaj podświetlenie boczne</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Assign Profile</source>
        <translation>Przypisz profil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Wybierz ścieżkę do aplikacji</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Wprowadź tekst ...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Sposób odtwarzania</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Odtwórz raz</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Odtwórz wiele razy</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Odtwarzanie ciągłe wł./wył.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Odtwarzaj, dopóki klawisz jest wciśnięty</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Liczba odtworzeń</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Liczba odtworzeń 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Przypisz makro</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Przycisk myszy</translation>
    </message>
</context>
</TS>
