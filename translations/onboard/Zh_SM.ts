<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Download config to %1 stopped: another keyboard was selected</source>
        <translation>向 %1 下载配置已停止：已选择另一个键盘</translation>
    </message>
    <message>
        <source>Download config to %1 failed: the keyboard was disconnected</source>
        <translation>向 %1 下载配置失败：键盘已断开连接</translation>
    </message>
</context>
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
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, the keyboard holds %2. Nothing was downloaded.</source>
        <translation>有 %1 个按键绑定了宏，键盘最多保存 %2 个。未下载任何内容。</translation>
    </message>
    <message>
        <source>Macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, the keyboard holds %5. Nothing was downloaded.</source>
        <translation>按键 %2（%3 层）上的宏“%1”有 %4 个事件，键盘最多保存 %5 个。未下载任何内容。</translation>
    </message>
    <message>
        <source>Key %1 (%2 layer) combines %3 modifier keys, the keyboard holds two. Nothing was downloaded.</source>
        <translation>按键 %1（%2 层）的组合键含 %3 个修饰键，键盘最多保存两个。未下载任何内容。</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>keyboard layer</comment>
        <translation>默认</translation>
    </message>
</context>
</TS>
