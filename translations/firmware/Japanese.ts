<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>ファームウェア情報</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>ファームウェア更新</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>ファームウェアの更新中はデバイスを取り外さないでください！</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>更新に成功しました</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>更新が完了するまでお待ちください</translation>
    </message>
    <message>
        <source>the firmware image is damaged</source>
        <translation>ファームウェアイメージが破損しています</translation>
    </message>
    <message>
        <source>the firmware image is empty</source>
        <translation>ファームウェアイメージが空です</translation>
    </message>
    <message>
        <source>the firmware image is too large</source>
        <translation>ファームウェアイメージが大きすぎます</translation>
    </message>
    <message>
        <source>the firmware image is for another model</source>
        <translation>ファームウェアイメージは別のモデル用です</translation>
    </message>
    <message>
        <source>the firmware image could not be read</source>
        <translation>ファームウェアイメージを読み込めませんでした</translation>
    </message>
    <message>
        <source>the firmware image could not be prepared, check the free disk space</source>
        <translation>ファームウェアイメージを準備できませんでした。ディスクの空き容量を確認してください</translation>
    </message>
    <message>
        <source>the keyboard could not be reached</source>
        <translation>キーボードに接続できませんでした</translation>
    </message>
    <message>
        <source>the keyboard did not enter update mode</source>
        <translation>キーボードが更新モードに入りませんでした</translation>
    </message>
    <message>
        <source>the keyboard left during the update</source>
        <translation>更新中にキーボードが切断されました</translation>
    </message>
    <message>
        <source>the keyboard refused the image</source>
        <translation>キーボードがイメージを拒否しました</translation>
    </message>
    <message>
        <source>no update drive was found, mount it and try again</source>
        <translation>更新ドライブが見つかりません。マウントしてから再試行してください</translation>
    </message>
    <message>
        <source>the update drive did not answer</source>
        <translation>更新ドライブが応答しませんでした</translation>
    </message>
    <message>
        <source>the update drive could not be written</source>
        <translation>更新ドライブに書き込めませんでした</translation>
    </message>
    <message>
        <source>the update was interrupted</source>
        <translation>更新が中断されました</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>更新に失敗しました：%1</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>製品名：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>現在のバージョン：</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>更新の進行状況：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新しいバージョン：</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>in update mode</source>
        <translation>更新モード中</translation>
    </message>
</context>
</TS>
