<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>功能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>默认层</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN层</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>加载中</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>按键重映射</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷方式</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>切换配置</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>启动程序</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>键盘灯光</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>氛围灯</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>按键功能</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>请先选择一个按键</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>设置失败：文本为空</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>The text was cut to the length a key can hold</source>
        <translation>文本已被截断为按键可容纳的长度</translation>
    </message>
    <message>
        <source>There is no macro to assign. Please record a macro first</source>
        <translation>没有可指定的宏，请先录制宏</translation>
    </message>
    <message>
        <source>Restoring the default failed</source>
        <translation>恢复默认失败</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Korean/English</source>
        <translation>韩/英</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>汉字</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>虚拟键盘</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>汉字</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>韩/英</translation>
    </message>
</context>
</TS>
