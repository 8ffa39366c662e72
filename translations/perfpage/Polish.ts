<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The light sleep time must be from 0 to 60000 seconds</source>
        <translation>Czas uśpienia podświetlenia musi wynosić od 0 do 60000 sekund</translation>
    </message>
    <message>
        <source>The keyboard sleep time must be from 5 to 1000 minutes</source>
        <translation>Czas uśpienia klawiatury musi wynosić od 5 do 1000 minut</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Czas uśpienia podświetlenia nie może być dłuższy niż czas uśpienia klawiatury</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Czas uśpienia klawiatury jest za krótki</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Nie udało się ustawić czasu uśpienia</translation>
    </message>
    <message>
        <source>The keyboard took the sleep time, but the profile could not be saved</source>
        <translation>Klawiatura przyjęła czas uśpienia, ale nie udało się zapisać profilu</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Czas uśpienia został ustawiony</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Wskazówka</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Zresetować bieżący profil?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>The current profile could not be reset</source>
        <translation>Nie udało się zresetować bieżącego profilu</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Bieżący profil został zresetowany</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Gdy blokada Win jest włączona:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Wyłącz klawisz Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Wyłącz SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Wyłącz ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Wyłącz ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Uśpienie podświetlenia:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Uśpienie klawiatury:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Resetuj profil</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Właściwości klawiatury</translation>
    </message>
    <message>
        <source>No keyboard settings program of the desktop is installed</source>
        <translation>Nie zainstalowano programu ustawień klawiatury środowiska</translation>
    </message>
    <message>
        <source>The keyboard settings could not be opened</source>
        <translation>Nie udało się otworzyć ustawień klawiatury</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motyw</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Uruchamiaj przy starcie systemu (zminimalizowany)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Przy zamykaniu minimalizuj do zasobnika</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Sprawdź aktualizację oprogramowania</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Oprogramowanie użytkowe</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Różowy</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inny</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Nie znaleziono urządzeń do aktualizacji</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Ustawienie zapisane</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Nie udało się zapisać ustawienia</translation>
    </message>
    <message>
        <source>No system tray is running: closing the window quits the program.</source>
        <translation>Zasobnik systemowy nie jest uruchomiony: zamknięcie okna zakończy program.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Nieznane</translation>
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
        <source>Play/Pause</source>
        <translation>Odtwórz/wstrzymaj</translation>
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
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
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
        <source>Browser</source>
        <translation>Przeglądarka</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Poczta</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Jasność ekranu +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Jasność ekranu -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
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
        <source>Scroll Up</source>
        <translation>Przewiń w górę</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Przewiń w dół</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Przycisk snajperski</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Przełącz okna</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Pokaż pulpit</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mój komputer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zablokuj komputer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
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
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
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
        <translation>Przełącz na 2,4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Przełącz na USB</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Zablokuj klawiaturę</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Zablokuj/odblokuj Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Zablokuj Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Odblokuj Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Warstwa domyślna</translation>
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
        <source>Power query</source>
        <translation>Sprawdź stan baterii</translation>
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
        <translation>Statyczne</translation>
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
        <source>Custom 1</source>
        <translation>Własne 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Własne 2</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Zatrzymaj podświetlenie</translation>
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
        <source>Light recording</source>
        <translation>Nagrywanie podświetlenia</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Wyłącz podświetlenie boczne</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Zatrzymaj podświetlenie boczne</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Zmiana klawisza</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Przełącz profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Uruchom program</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Funkcja klawisza</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Podświetlenie klawiatury</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Podświetlenie nastrojowe</translation>
    </message>
</context>
</TS>
