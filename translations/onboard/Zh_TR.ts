<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Download config to %1 stopped: another keyboard was selected</source>
        <translation>向 %1 下載設定已停止：已選擇另一個鍵盤</translation>
    </message>
    <message>
        <source>Download config to %1 failed: the keyboard was disconnected</source>
        <translation>向 %1 下載設定失敗：鍵盤已中斷連線</translation>
    </message>
</context>
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
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, the keyboard holds %2. Nothing was downloaded.</source>
        <translation>有 %1 個按鍵綁定了巨集，鍵盤最多儲存 %2 個。未下載任何內容。</translation>
    </message>
    <message>
        <source>Macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, the keyboard holds %5. Nothing was downloaded.</source>
        <translation>按鍵 %2（%3 層）上的巨集「%1」有 %4 個事件，鍵盤最多儲存 %5 個。未下載任何內容。</translation>
    </message>
    <message>
        <source>Key %1 (%2 layer) combines %3 modifier keys, the keyboard holds two. Nothing was downloaded.</source>
        <translation>按鍵 %1（%2 層）的組合鍵含 %3 個修飾鍵，鍵盤最多儲存兩個。未下載任何內容。</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>keyboard layer</comment>
        <translation>預設</translation>
    </message>
</context>
</TS>
