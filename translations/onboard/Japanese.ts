<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Download config to %1 stopped: another keyboard was selected</source>
        <translation>%1 への設定のダウンロードを中止しました：別のキーボードが選択されました</translation>
    </message>
    <message>
        <source>Download config to %1 failed: the keyboard was disconnected</source>
        <translation>%1 への設定のダウンロードに失敗しました：キーボードの接続が切れました</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>設定のダウンロードに失敗しました。もう一度お試しください</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>設定のダウンロードに成功しました</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, the keyboard holds %2. Nothing was downloaded.</source>
        <translation>%1 個のキーにマクロが割り当てられていますが、キーボードは %2 個までです。何もダウンロードしていません。</translation>
    </message>
    <message>
        <source>Macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, the keyboard holds %5. Nothing was downloaded.</source>
        <translation>キー %2（%3 レイヤー）のマクロ「%1」は %4 イベントですが、キーボードは %5 個までです。何もダウンロードしていません。</translation>
    </message>
    <message>
        <source>Key %1 (%2 layer) combines %3 modifier keys, the keyboard holds two. Nothing was downloaded.</source>
        <translation>キー %1（%2 レイヤー）の組み合わせは修飾キーが %3 個ですが、キーボードは 2 個までです。何もダウンロードしていません。</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>keyboard layer</comment>
        <translation>デフォルト</translation>
    </message>
</context>
</TS>
