<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
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
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, but the keyboard holds at most %2. Nothing was downloaded: bind fewer keys to macros and try again.</source>
        <translation>%1 個のキーにマクロが割り当てられていますが、キーボードに保存できるのは最大 %2 個です。何もダウンロードされていません。マクロを割り当てるキーを減らしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, but the keyboard holds at most %5 per macro. Nothing was downloaded: shorten the macro and try again.</source>
        <translation>キー %2（%3 レイヤー）のマクロ「%1」には %4 個のイベントがありますが、キーボードに保存できるのはマクロ 1 つにつき最大 %5 個です。何もダウンロードされていません。マクロを短くしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The key combination on key %1 (%2 layer) uses %3 modifier keys, but the keyboard holds at most two. Nothing was downloaded: change the combination and try again.</source>
        <translation>キー %1（%2 レイヤー）のキーの組み合わせは %3 個の修飾キーを使用していますが、キーボードに保存できるのは最大 2 個です。何もダウンロードされていません。組み合わせを変更してから、もう一度お試しください。</translation>
    </message>
</context>
</TS>
