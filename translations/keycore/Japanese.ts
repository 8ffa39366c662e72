<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>タイプ：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>機能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>標準レイヤー</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FNレイヤー</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>キーの割り当て変更</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効化</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>マルチメディア</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>プロファイル切り替え</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>アプリの起動</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>キーボードライト</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>アンビエントライト</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>キー機能</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>先にキーを選択してください</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>設定しました</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>テキストが空のため設定できませんでした</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>The text was cut to the length a key can hold</source>
        <translation>テキストはキーに保存できる長さに切り詰められました</translation>
    </message>
    <message>
        <source>There is no macro to assign. Please record a macro first</source>
        <translation>割り当てるマクロがありません。先にマクロを記録してください</translation>
    </message>
    <message>
        <source>Restoring the default failed</source>
        <translation>デフォルトへの復元に失敗しました</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Korean/English</source>
        <translation>ハン/英</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>漢字</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>仮想キーボード</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>漢字</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>ハン/英</translation>
    </message>
</context>
</TS>
