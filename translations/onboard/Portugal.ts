<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Falha ao transferir a configuração, tente novamente</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Configuração transferida com êxito</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinida</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, but the keyboard holds at most %2. Nothing was downloaded: bind fewer keys to macros and try again.</source>
        <translation>Há %1 teclas com macros atribuídas, mas o teclado guarda no máximo %2. Nada foi transferido: atribua macros a menos teclas e tente novamente.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, but the keyboard holds at most %5 per macro. Nothing was downloaded: shorten the macro and try again.</source>
        <translation>A macro &quot;%1&quot; da tecla %2 (camada %3) tem %4 eventos, mas o teclado guarda no máximo %5 por macro. Nada foi transferido: encurte a macro e tente novamente.</translation>
    </message>
    <message>
        <source>The key combination on key %1 (%2 layer) uses %3 modifier keys, but the keyboard holds at most two. Nothing was downloaded: change the combination and try again.</source>
        <translation>A combinação da tecla %1 (camada %2) usa %3 teclas modificadoras, mas o teclado guarda no máximo duas. Nada foi transferido: altere a combinação e tente novamente.</translation>
    </message>
</context>
</TS>
