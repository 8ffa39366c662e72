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
        <source>Please wait until the update has finished</source>
        <translation>请等待升级完成</translation>
    </message>
    <message>
        <source>the firmware image is damaged</source>
        <translation>固件映像已损坏</translation>
    </message>
    <message>
        <source>the firmware image is empty</source>
        <translation>固件映像为空</translation>
    </message>
    <message>
        <source>the firmware image is too large</source>
        <translation>固件映像过大</translation>
    </message>
    <message>
        <source>the firmware image is for another model</source>
        <translation>固件映像属于其他型号</translation>
    </message>
    <message>
        <source>the firmware image could not be read</source>
        <translation>无法读取固件映像</translation>
    </message>
    <message>
        <source>the firmware image could not be prepared, check the free disk space</source>
        <translation>无法准备固件映像，请检查磁盘剩余空间</translation>
    </message>
    <message>
        <source>the keyboard could not be reached</source>
        <translation>无法连接键盘</translation>
    </message>
    <message>
        <source>the keyboard did not enter update mode</source>
        <translation>键盘未进入升级模式</translation>
    </message>
    <message>
        <source>the keyboard left during the update</source>
        <translation>升级过程中键盘已断开</translation>
    </message>
    <message>
        <source>the keyboard refused the image</source>
        <translation>键盘拒绝了该映像</translation>
    </message>
    <message>
        <source>no update drive was found, mount it and try again</source>
        <translation>未找到升级驱动器，请挂载后重试</translation>
    </message>
    <message>
        <source>the update drive did not answer</source>
        <translation>升级驱动器无响应</translation>
    </message>
    <message>
        <source>the update drive could not be written</source>
        <translation>无法写入升级驱动器</translation>
    </message>
    <message>
        <source>the update was interrupted</source>
        <translation>升级被中断</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>升级失败：%1</translation>
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
    <message>
        <source>in update mode</source>
        <translation>升级模式中</translation>
    </message>
</context>
</TS>
