<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>韌體資訊</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>韌體更新</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>韌體更新期間，請勿拔除裝置！</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>更新成功</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>更新失敗</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>請等待更新完成</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>產品名稱：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>目前版本：</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>更新進度：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新版本：</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
</context>
</TS>
