<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>プロファイル数が上限に達しました</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>作成に失敗しました。このインデックスのノードは既に存在します。確認してください</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>プロファイルを作成しました</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>プロファイルの作成に失敗しました</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>プロファイルは少なくとも1つ必要です</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>プロファイルの削除に失敗しました</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>プロファイルを削除しました</translation>
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
        <source>This index node non-existent</source>
        <translation>このインデックスのノードは存在しません</translation>
    </message>
    <message>
        <source>The export path is too long</source>
        <translation>エクスポート先のパスが長すぎます</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>プロファイルのエクスポートに失敗しました</translation>
    </message>
    <message>
        <source>The file %1 already exists. Add the profile to it?</source>
        <translation>ファイル %1 は既に存在します。このファイルにプロファイルを追加しますか？</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>プロファイルをエクスポートしました</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>プロファイルファイルを開く</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>プロファイルファイル(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>先にインポートするファイルを選択してください</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>プロファイルのインポートに失敗しました</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>プロファイルをインポートしました</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>プロファイル名を空にはできません</translation>
    </message>
    <message>
        <source>The profile name is too long</source>
        <translation>プロファイル名が長すぎます</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>プロファイル情報の変更に失敗しました</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>プロファイル情報を変更しました</translation>
    </message>
    <message>
        <source>The macro could not be updated in the profiles</source>
        <translation>プロファイル内のマクロを更新できませんでした</translation>
    </message>
</context>
<context>
    <name>DFileChooser</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>名前の変更</translation>
    </message>
</context>
</TS>
