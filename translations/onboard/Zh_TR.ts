<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>下載設定失敗，請重試</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>下載設定成功</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, but the keyboard holds at most %2. Nothing was downloaded: bind fewer keys to macros and try again.</source>
        <translation>有 %1 個按鍵綁定了巨集，但鍵盤最多只能儲存 %2 個。未下載任何內容：請減少綁定巨集的按鍵後重試。</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, but the keyboard holds at most %5 per macro. Nothing was downloaded: shorten the macro and try again.</source>
        <translation>按鍵 %2（%3 層）上的巨集「%1」有 %4 個事件，但鍵盤每個巨集最多只能儲存 %5 個。未下載任何內容：請縮短該巨集後重試。</translation>
    </message>
    <message>
        <source>The key combination on key %1 (%2 layer) uses %3 modifier keys, but the keyboard holds at most two. Nothing was downloaded: change the combination and try again.</source>
        <translation>按鍵 %1（%2 層）上的組合鍵使用了 %3 個修飾鍵，但鍵盤最多只能儲存兩個。未下載任何內容：請修改該組合鍵後重試。</translation>
    </message>
</context>
</TS>
