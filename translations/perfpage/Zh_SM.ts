<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The light sleep time must be from 0 to 60000 seconds</source>
        <translation>灯光休眠时间必须在0到60000秒之间</translation>
    </message>
    <message>
        <source>The keyboard sleep time must be from 5 to 1000 minutes</source>
        <translation>键盘休眠时间必须在5到1000分钟之间</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>灯光进入休眠的时间不能长于键盘进入休眠的时间</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>键盘进入休眠的时间太短</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>休眠时间设置失败</translation>
    </message>
    <message>
        <source>The keyboard took the sleep time, but the profile could not be saved</source>
        <translation>键盘已接受休眠时间，但配置文件无法保存</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>休眠时间已设置</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>是否重置当前配置文件？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>The current profile could not be reset</source>
        <translation>当前配置文件无法重置</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>当前配置文件重置成功</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>当Win锁定开启时：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>禁用Windows键</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>禁用SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>禁用ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>禁用ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>灯光进入休眠：</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>键盘进入休眠：</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>提交</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>重置当前配置文件</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>键盘属性</translation>
    </message>
    <message>
        <source>No keyboard settings program of the desktop is installed</source>
        <translation>未安装桌面的键盘设置程序</translation>
    </message>
    <message>
        <source>The keyboard settings could not be opened</source>
        <translation>无法打开键盘设置</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景图片</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>开机启动</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>系统启动时运行程序（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>关闭时最小化到托盘</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>固件升级检测</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>应用软件</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉色</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>未发现可升级的设备</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>设置成功</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>设置失败</translation>
    </message>
    <message>
        <source>No system tray is running: closing the window quits the program.</source>
        <translation>当前没有运行系统托盘：关闭窗口将退出程序。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
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
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
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
        <source>Stop</source>
        <translation>停止</translation>
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
        <source>Browser</source>
        <translation>浏览器</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>屏幕亮度+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>屏幕亮度-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
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
        <source>Scroll Up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>切换窗口</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>锁定电脑</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
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
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
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
    <message>
        <source>2.4G switching</source>
        <translation>切换到2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>切换到USB</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>锁定键盘</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>锁定/解锁Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>锁定Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>解锁Win</translation>
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
        <source>Power query</source>
        <translation>电量查询</translation>
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
        <translation>静态</translation>
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
        <source>Custom 1</source>
        <translation>自定义1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>自定义2</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>暂停背光</translation>
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
        <source>Light recording</source>
        <translation>灯效录制</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>关闭侧灯</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>暂停侧灯</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>按键映射</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>切换配置文件</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>启动程序</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷方式</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>按键功能</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>键盘灯光</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>氛围灯</translation>
    </message>
</context>
</TS>
