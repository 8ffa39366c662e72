<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Pobieranie konfiguracji nie powiodło się, spróbuj ponownie</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Konfiguracja została pobrana</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślna</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, but the keyboard holds at most %2. Nothing was downloaded: bind fewer keys to macros and try again.</source>
        <translation>Makra przypisano do %1 klawiszy, ale klawiatura przechowuje ich najwyżej %2. Nic nie zostało pobrane: przypisz makra do mniejszej liczby klawiszy i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, but the keyboard holds at most %5 per macro. Nothing was downloaded: shorten the macro and try again.</source>
        <translation>Makro „%1” na klawiszu %2 (warstwa %3) ma %4 zdarzeń, ale klawiatura przechowuje najwyżej %5 na makro. Nic nie zostało pobrane: skróć makro i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The key combination on key %1 (%2 layer) uses %3 modifier keys, but the keyboard holds at most two. Nothing was downloaded: change the combination and try again.</source>
        <translation>Kombinacja na klawiszu %1 (warstwa %2) używa %3 klawiszy modyfikujących, ale klawiatura przechowuje najwyżej dwa. Nic nie zostało pobrane: zmień kombinację i spróbuj ponownie.</translation>
    </message>
</context>
</TS>
