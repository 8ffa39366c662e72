<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>指定配置</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>按键重映射</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>映射为哪个按键？</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷方式</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>锁定电脑</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>输入按键？</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>按键功能</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>循环切换</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>锁定键盘</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>解锁Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>锁定Win</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>电量查询</translation>
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
        <source>FN1 layer</source>
        <translation>FN1层</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>切换到USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>切换到2.4G</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>蓝牙1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>蓝牙2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>蓝牙3</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>选择应用程序</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>请选择应用程序所在的路径</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>选择应用程序</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>输入文本 ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>键盘灯光</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>整体灯效</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>互动灯效</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>全部灯效</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>常亮</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>亮度+</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>亮度-</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>速度+</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>速度-</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>方向+1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>方向-1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>方向循环</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>切换全彩</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>切换上层颜色</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>切换下层颜色</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>全部关闭</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>关闭背光</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>暂停背光</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>灯效录制</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>自定义1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>自定义2</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>播放方式</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>播放一次</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>连续播放开/关</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>播放多次</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按键时播放</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>播放次数</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>播放次数 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>指定宏</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>鼠标按键</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>鼠标左键</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>鼠标中键</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>鼠标右键</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>滚轮向上</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>音量+</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>音量-</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>计算器</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>浏览器</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>屏幕亮度+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>屏幕亮度-</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DSideLightCustomEventPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>氛围灯</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>全部灯效</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>整体灯效</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>互动灯效</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>亮度+</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>亮度-</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>速度+</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>速度-</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>切换全彩</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>切换上层颜色</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>切换下层颜色</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>关闭侧灯</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>暂停侧灯</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Assign Profile</source>
        <translation>指定配置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>选择应用程序</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>请选择应用程序所在的路径</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>选择应用程序</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>输入文本 ...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>播放方式</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>播放一次</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>播放多次</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>连续播放开/关</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按键时播放</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>播放次数</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>播放次数 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>指定宏</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>鼠标按键</translation>
    </message>
</context>
</TS>
