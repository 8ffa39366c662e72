<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>下载配置失败，请重试</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>下载配置成功</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, but the keyboard holds at most %2. Nothing was downloaded: bind fewer keys to macros and try again.</source>
        <translation>有 %1 个按键绑定了宏，但键盘最多只能保存 %2 个。未下载任何内容：请减少绑定宏的按键后重试。</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, but the keyboard holds at most %5 per macro. Nothing was downloaded: shorten the macro and try again.</source>
        <translation>按键 %2（%3 层）上的宏“%1”有 %4 个事件，但键盘每个宏最多只能保存 %5 个。未下载任何内容：请缩短该宏后重试。</translation>
    </message>
    <message>
        <source>The key combination on key %1 (%2 layer) uses %3 modifier keys, but the keyboard holds at most two. Nothing was downloaded: change the combination and try again.</source>
        <translation>按键 %1（%2 层）上的组合键使用了 %3 个修饰键，但键盘最多只能保存两个。未下载任何内容：请修改该组合键后重试。</translation>
    </message>
</context>
</TS>
