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
        <source>Please wait until the update has finished</source>
        <translation>請等待更新完成</translation>
    </message>
    <message>
        <source>the firmware image is damaged</source>
        <translation>韌體映像已損壞</translation>
    </message>
    <message>
        <source>the firmware image is empty</source>
        <translation>韌體映像為空</translation>
    </message>
    <message>
        <source>the firmware image is too large</source>
        <translation>韌體映像過大</translation>
    </message>
    <message>
        <source>the firmware image is for another model</source>
        <translation>韌體映像屬於其他型號</translation>
    </message>
    <message>
        <source>the firmware image could not be read</source>
        <translation>無法讀取韌體映像</translation>
    </message>
    <message>
        <source>the firmware image could not be prepared, check the free disk space</source>
        <translation>無法準備韌體映像，請檢查磁碟剩餘空間</translation>
    </message>
    <message>
        <source>the keyboard could not be reached</source>
        <translation>無法連線鍵盤</translation>
    </message>
    <message>
        <source>the keyboard did not enter update mode</source>
        <translation>鍵盤未進入更新模式</translation>
    </message>
    <message>
        <source>the keyboard left during the update</source>
        <translation>更新期間鍵盤已中斷連線</translation>
    </message>
    <message>
        <source>the keyboard refused the image</source>
        <translation>鍵盤拒絕了此映像</translation>
    </message>
    <message>
        <source>no update drive was found, mount it and try again</source>
        <translation>找不到更新磁碟機，請掛載後再試</translation>
    </message>
    <message>
        <source>the update drive did not answer</source>
        <translation>更新磁碟機沒有回應</translation>
    </message>
    <message>
        <source>the update drive could not be written</source>
        <translation>無法寫入更新磁碟機</translation>
    </message>
    <message>
        <source>the update was interrupted</source>
        <translation>更新已中斷</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>更新失敗：%1</translation>
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
    <message>
        <source>in update mode</source>
        <translation>更新模式中</translation>
    </message>
</context>
</TS>
