<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>固件信息</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>固件升级过程中，请勿拔出设备！</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>升级成功</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>升级失败</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>请等待升级完成</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>产品名称：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>当前版本：</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>升级进度：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新版本：</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
</context>
</TS>
