<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Download config to %1 stopped: another keyboard was selected</source>
        <translation>Pobieranie konfiguracji do %1 przerwane: wybrano inną klawiaturę</translation>
    </message>
    <message>
        <source>Download config to %1 failed: the keyboard was disconnected</source>
        <translation>Pobieranie konfiguracji do %1 nie powiodło się: klawiatura została odłączona</translation>
    </message>
</context>
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
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, the keyboard holds %2. Nothing was downloaded.</source>
        <translation>Makra przypisano do %1 klawiszy, klawiatura przechowuje %2. Nic nie zostało pobrane.</translation>
    </message>
    <message>
        <source>Macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, the keyboard holds %5. Nothing was downloaded.</source>
        <translation>Makro „%1” na klawiszu %2 (warstwa %3) ma %4 zdarzeń, klawiatura przechowuje %5. Nic nie zostało pobrane.</translation>
    </message>
    <message>
        <source>Key %1 (%2 layer) combines %3 modifier keys, the keyboard holds two. Nothing was downloaded.</source>
        <translation>Klawisz %1 (warstwa %2) łączy %3 klawiszy modyfikujących, klawiatura przechowuje dwa. Nic nie zostało pobrane.</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>keyboard layer</comment>
        <translation>Domyślna</translation>
    </message>
</context>
</TS>
