<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>指定設定檔</translation>
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
        <translation>按鍵重新對應</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>對應為哪個按鍵？</translation>
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
        <translation>捷徑</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>鎖定電腦</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
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
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
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
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>輸入按鍵？</translation>
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
        <translation>按鍵功能</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>循環切換</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>鎖定鍵盤</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>解鎖Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>鎖定Win</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>電量查詢</translation>
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
        <source>USB switching</source>
        <translation>切換到USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>切換到2.4G</translation>
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
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
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
        <translation>選擇應用程式</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>請選擇應用程式所在的路徑</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>選擇應用程式</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有檔案 (*)</translation>
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
        <translation>文字</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>輸入文字 ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
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
        <translation>鍵盤燈光</translation>
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
        <translation>恆亮</translation>
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
        <source>Close all</source>
        <translation>全部關閉</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>關閉背光</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>暫停背光</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>燈效錄製</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>自訂1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>自訂2</translation>
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
        <translation>連續播放開/關</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>播放多次</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按鍵時播放</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>播放次數</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>播放次數 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>指定巨集</translation>
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
        <translation>滑鼠按鍵</translation>
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
        <source>Backward</source>
        <translation>後退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前進</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙擊鍵</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>滾輪向上</translation>
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
        <translation>多媒體</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
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
        <source>Email</source>
        <translation>郵件</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>瀏覽器</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>螢幕亮度+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>螢幕亮度-</translation>
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
        <translation>預設</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
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
        <translation>氛圍燈</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>全部燈效</translation>
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
        <source>Close side light</source>
        <translation>關閉側燈</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>暫停側燈</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Assign Profile</source>
        <translation>指定設定檔</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>選擇應用程式</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>請選擇應用程式所在的路徑</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>選擇應用程式</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>輸入文字 ...</translation>
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
        <translation>連續播放開/關</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按鍵時播放</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>播放次數</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>播放次數 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>指定巨集</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>滑鼠按鍵</translation>
    </message>
</context>
</TS>
