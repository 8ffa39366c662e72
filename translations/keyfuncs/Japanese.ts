<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>割り当てるプロファイル</translation>
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
        <translation>キーの割り当て変更</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>割り当てるキー？</translation>
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
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>デスクトップを表示</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>コンピューターをロック</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>マイコンピューター</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
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
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>キーを入力？</translation>
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
        <translation>キー機能</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>ループ切替</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>キーボードをロック</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Winのロック解除</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Winをロック</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>バッテリー残量の確認</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>標準レイヤー</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FNレイヤー</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1レイヤー</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USBに切り替え</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2.4Gに切り替え</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
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
        <translation>無効化</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>アプリを選択</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>アプリの場所を選択してください</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>アプリケーションを選択</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
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
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>テキストを入力 ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>キーボードライト</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>全体ライト</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>インタラクティブライト</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>すべてのライト</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>スタティック</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>明るさ＋</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>明るさ－</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>速度＋</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>速度－</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>方向＋1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>方向－1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>方向ループ</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>フルカラーに切り替え</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>上の色を変更</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>下の色を変更</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>すべて消灯</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>バックライトを消灯</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>バックライトを停止</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>ライトの記録</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>カスタム1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>カスタム2</translation>
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
        <translation>再生方法</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>1回再生</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>連続再生オン/オフ</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>複数回再生</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>キーを押している間再生</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>再生回数</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>再生回数 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>割り当てるマクロ</translation>
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
        <translation>マウスボタン</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>マウス左ボタン</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>マウス中ボタン</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>マウス右ボタン</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>スナイパーキー</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>下スクロール</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>上スクロール</translation>
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
        <translation>マルチメディア</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>次のトラック</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>前のトラック</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>音量＋</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>音量－</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレーヤー</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>電卓</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>画面の明るさ＋</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>画面の明るさ－</translation>
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
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>アンビエントライト</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>すべてのライト</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>全体ライト</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>インタラクティブライト</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>明るさ＋</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>明るさ－</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>速度＋</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>速度－</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>フルカラーに切り替え</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>上の色を変更</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>下の色を変更</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>サイドライトを消灯</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>サイドライトを停止</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Assign Profile</source>
        <translation>割り当てるプロファイル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>アプリを選択</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>アプリの場所を選択してください</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>アプリケーションを選択</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>テキストを入力 ...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>再生方法</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>1回再生</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>複数回再生</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>連続再生オン/オフ</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>キーを押している間再生</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>再生回数</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>再生回数 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>割り当てるマクロ</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>マウスボタン</translation>
    </message>
</context>
</TS>
