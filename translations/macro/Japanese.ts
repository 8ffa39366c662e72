<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>割り当て済み</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>DMacroPage</source>
        <translation>DMacroPage</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>マクロ記録</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>マクロ一覧</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>遅延の設定</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>記録どおり</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>遅延なし</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>既定の遅延</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>イベント一覧</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>記録はありません</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>イベントの挿入</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>後に挿入</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>前に挿入</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>遅延</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>キーを押してください</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>遅延を入力してください</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>記録停止</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>記録開始</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>先に位置を選択してください</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>記録できるイベントの上限に達しました</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>挿入に失敗しました</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>挿入しました</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>変更に失敗しました</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>変更しました</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>削除に失敗しました</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>先にマクロを選択してください</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>マクロのクリアに失敗しました</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>マクロをクリアしました</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>移動に失敗しました</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>マクロ名を入力してください</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>マクロ名を変更しました</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>マクロ名の変更に失敗しました</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>マクロの追加に失敗しました</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>マクロを追加しました</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>マクロの削除に失敗しました</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>マクロを削除しました</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存先フォルダー</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>先に保存先フォルダーを選択してください</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>マクロのエクスポートに失敗しました</translation>
    </message>
    <message>
        <source>The file path is too long</source>
        <translation>ファイルのパスが長すぎます</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <translation>ファイル %1 は既に存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>マクロをエクスポートしました</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>マクロファイルを開く</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>マクロファイル(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>マクロのインポートに失敗しました</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>マクロをインポートしました</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>マクロの記録を開始しました</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>マクロの記録を停止しました</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>記録したマクロの保存に失敗しました</translation>
    </message>
    <message>
        <source>Import macro failed: the file declares a document type or entity</source>
        <translation>マクロのインポートに失敗しました: ファイルが文書型またはエンティティを宣言しています</translation>
    </message>
    <message>
        <source>Import macro failed: the file is not UTF-8 text</source>
        <translation>マクロのインポートに失敗しました: ファイルが UTF-8 テキストではありません</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than macros and their events</source>
        <translation>マクロのインポートに失敗しました: ファイルにマクロとそのイベント以外のものが含まれています</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the mouse code %2, which is no button action</source>
        <translation>マクロのインポートに失敗しました: イベント %1 のマウスコード %2 はボタン操作ではありません</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the key code %2, which is no key</source>
        <translation>マクロのインポートに失敗しました: イベント %1 のキーコード %2 はキーではありません</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>名前の変更</translation>
    </message>
</context>
</TS>
