<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>類型：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>功能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空白鍵</translation>
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
        <source>Loading</source>
        <translation>載入中</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>巨集</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>按鍵重新對應</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>捷徑</translation>
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
        <source>Keyboard Light</source>
        <translation>鍵盤燈光</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>氛圍燈</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>按鍵功能</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>請先選擇一個按鍵</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>設定失敗：文字為空</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知錯誤</translation>
    </message>
    <message>
        <source>The text was cut to the length a key can hold</source>
        <translation>文字已截斷為按鍵可容納的長度</translation>
    </message>
    <message>
        <source>There is no macro to assign. Please record a macro first</source>
        <translation>沒有可指定的巨集，請先錄製巨集</translation>
    </message>
    <message>
        <source>Restoring the default failed</source>
        <translation>恢復預設失敗</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Korean/English</source>
        <translation>韓/英</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>漢字</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>虛擬鍵盤</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>漢字</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>韓/英</translation>
    </message>
</context>
</TS>
