<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>設定檔數量已達上限</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>建立失敗，該索引節點已存在，請檢查</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>建立設定檔成功</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>建立設定檔失敗</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>至少需要保留一個設定檔</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>刪除設定檔失敗</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>刪除設定檔成功</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>儲存目錄</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>請先選擇儲存目錄</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>該索引節點不存在</translation>
    </message>
    <message>
        <source>The export path is too long</source>
        <translation>匯出路徑過長</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>匯出設定檔失敗</translation>
    </message>
    <message>
        <source>The file %1 already exists. Add the profile to it?</source>
        <translation>檔案 %1 已存在。要將設定檔加入其中嗎？</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>匯出設定檔成功</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>開啟設定檔</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>設定檔(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>請先選擇匯入檔案</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>匯入設定檔失敗</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>匯入設定檔成功</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>設定檔名稱不能為空</translation>
    </message>
    <message>
        <source>The profile name is too long</source>
        <translation>設定檔名稱過長</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>修改設定檔資訊失敗</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>修改設定檔資訊成功</translation>
    </message>
    <message>
        <source>The macro could not be updated in the profiles</source>
        <translation>無法在設定檔中更新該巨集</translation>
    </message>
</context>
<context>
    <name>DFileChooser</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名稱</translation>
    </message>
</context>
</TS>
