<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The light sleep time must be from 0 to 60000 seconds</source>
        <translation>燈光休眠時間必須介於0到60000秒</translation>
    </message>
    <message>
        <source>The keyboard sleep time must be from 5 to 1000 minutes</source>
        <translation>鍵盤休眠時間必須介於5到1000分鐘</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>燈光進入休眠的時間不能長於鍵盤進入休眠的時間</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>鍵盤進入休眠的時間太短</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>休眠時間設定失敗</translation>
    </message>
    <message>
        <source>The keyboard took the sleep time, but the profile could not be saved</source>
        <translation>鍵盤已接受休眠時間，但設定檔無法儲存</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>休眠時間已設定</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>是否重設目前設定檔？</translation>
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
        <translation>目前設定檔無法重設</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>目前設定檔重設成功</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>當Win鎖定開啟時：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>停用Windows鍵</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>停用SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>停用ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>停用ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>燈光進入休眠：</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>鍵盤進入休眠：</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>提交</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>重設目前設定檔</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>鍵盤內容</translation>
    </message>
    <message>
        <source>No keyboard settings program of the desktop is installed</source>
        <translation>未安裝桌面的鍵盤設定程式</translation>
    </message>
    <message>
        <source>The keyboard settings could not be opened</source>
        <translation>無法開啟鍵盤設定</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主題</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景圖片</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>開機啟動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>系統啟動時執行程式（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>關閉時最小化到系統匣</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>韌體升級檢查</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>應用軟體</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉紅</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>未發現可升級的裝置</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>設定成功</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>設定失敗</translation>
    </message>
    <message>
        <source>No system tray is running: closing the window quits the program.</source>
        <translation>目前沒有執行系統匣：關閉視窗將結束程式。</translation>
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
        <translation>靜音</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一首</translation>
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
        <translation>計算機</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>瀏覽器</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>郵件</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>螢幕亮度+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>螢幕亮度-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>滑鼠左鍵</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>滑鼠中鍵</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>滑鼠右鍵</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>滾輪向上</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前進</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>後退</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙擊鍵</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>切換視窗</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>鎖定電腦</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>藍牙1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>藍牙2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>藍牙3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>切換到2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>切換到USB</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>鎖定鍵盤</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>鎖定/解鎖Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>鎖定Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>解鎖Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>預設層</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN層</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1層</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>電量查詢</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>整體燈效</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>互動燈效</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>全部燈效</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>靜態</translation>
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
        <translation>方向循環</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>切換全彩</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>切換上層顏色</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>切換下層顏色</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>自訂1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>自訂2</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>暫停背光</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>全部關閉</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>關閉背光</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>燈效錄製</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>關閉側燈</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>暫停側燈</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>按鍵對應</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>巨集</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>切換設定檔</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>啟動程式</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>捷徑</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>按鍵功能</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>鍵盤燈光</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>氛圍燈</translation>
    </message>
</context>
</TS>
