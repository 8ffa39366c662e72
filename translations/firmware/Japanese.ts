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
        <source>Update failed</source>
        <translation>更新に失敗しました</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>更新が完了するまでお待ちください</translation>
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
</context>
</TS>
