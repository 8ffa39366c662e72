<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>配置文件数量已达上限</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>创建失败，该索引节点已存在，请检查</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>创建配置文件成功</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>创建配置文件失败</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>至少需要保留一个配置文件</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>删除配置文件失败</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>删除配置文件成功</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存目录</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>请先选择保存目录</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>该索引节点不存在</translation>
    </message>
    <message>
        <source>The export path is too long</source>
        <translation>导出路径过长</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>导出配置文件失败</translation>
    </message>
    <message>
        <source>The file %1 already exists. Add the profile to it?</source>
        <translation>文件 %1 已存在。要将配置文件添加到其中吗？</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>导出配置文件成功</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>配置文件(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>请先选择导入文件</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>导入配置文件失败</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>导入配置文件成功</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>配置文件名称不能为空</translation>
    </message>
    <message>
        <source>The profile name is too long</source>
        <translation>配置文件名称过长</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>修改配置文件信息失败</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>修改配置文件信息成功</translation>
    </message>
    <message>
        <source>The macro could not be updated in the profiles</source>
        <translation>无法在配置文件中更新该宏</translation>
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
        <translation>新建</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>修改名称</translation>
    </message>
</context>
</TS>
