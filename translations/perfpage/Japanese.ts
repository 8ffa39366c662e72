<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The light sleep time must be from 0 to 60000 seconds</source>
        <translation>ライトのスリープ時間は0〜60000秒で指定してください</translation>
    </message>
    <message>
        <source>The keyboard sleep time must be from 5 to 1000 minutes</source>
        <translation>キーボードのスリープ時間は5〜1000分で指定してください</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>ライトのスリープ時間はキーボードのスリープ時間より長くできません</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>キーボードのスリープ時間が短すぎます</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>スリープ時間の設定に失敗しました</translation>
    </message>
    <message>
        <source>The keyboard took the sleep time, but the profile could not be saved</source>
        <translation>キーボードはスリープ時間を受け付けましたが、プロファイルを保存できませんでした</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>スリープ時間を設定しました</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>現在のプロファイルをリセットしますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>The current profile could not be reset</source>
        <translation>現在のプロファイルをリセットできませんでした</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>現在のプロファイルをリセットしました</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Winロックがオンのとき：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windowsキーを無効化</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TABを無効化</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TABを無効化</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4を無効化</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>ライトのスリープ：</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>キーボードのスリープ：</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>プロファイルをリセット</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>キーボードのプロパティ</translation>
    </message>
    <message>
        <source>No keyboard settings program of the desktop is installed</source>
        <translation>デスクトップのキーボード設定プログラムがインストールされていません</translation>
    </message>
    <message>
        <source>The keyboard settings could not be opened</source>
        <translation>キーボード設定を開けませんでした</translation>
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
        <translation>全般</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景画像</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>自動起動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>システム起動時にアプリを起動（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>閉じるとトレイに格納</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップグレード</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>ファームウェア更新の確認</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>アプリケーションソフトウェア</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>ブルー</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>更新できるデバイスが見つかりません</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>設定しました</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>設定に失敗しました</translation>
    </message>
    <message>
        <source>No system tray is running: closing the window quits the program.</source>
        <translation>システムトレイが動作していません。ウィンドウを閉じるとプログラムが終了します。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>不明</translation>
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
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
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
        <source>Stop</source>
        <translation>停止</translation>
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
        <source>Browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>画面の明るさ＋</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>画面の明るさ－</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
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
        <source>Scroll Up</source>
        <translation>上スクロール</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>下スクロール</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>スナイパーキー</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>ウィンドウ切り替え</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>デスクトップを表示</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>マイコンピューター</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>コンピューターをロック</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
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
        <source>New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
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
    <message>
        <source>2.4G switching</source>
        <translation>2.4Gに切り替え</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USBに切り替え</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>キーボードをロック</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Winロック/解除</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Winをロック</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Winのロック解除</translation>
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
        <source>Power query</source>
        <translation>バッテリー残量の確認</translation>
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
        <translation>固定</translation>
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
        <source>Custom 1</source>
        <translation>カスタム1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>カスタム2</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>バックライトを停止</translation>
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
        <source>Light recording</source>
        <translation>ライトの記録</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>サイドライトを消灯</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>サイドライトを停止</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>キー割り当て</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>マルチメディア</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>プロファイル切替</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>アプリの起動</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>キー機能</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>キーボードライト</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>アンビエントライト</translation>
    </message>
</context>
</TS>
