<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Assign Profile</translation>
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
        <translation>Remap Key</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Remap with key?</translation>
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
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Show desktop</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Lock computer</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>My computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
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
        <translation>Key Combination</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Enter key?</translation>
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
        <translation>Key Config</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Switch loop</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Lock keyboard</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Unlock win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Lock win</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Power query</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Default layer</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN layer</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 layer</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USB switching</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2.4G switching</translation>
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
        <translation>Disable</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Select App</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Please select the path where your app is located</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Select application</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
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
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Enter text ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Keyboard Light</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Overall light</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaction light</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>All light</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Static</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brightness +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brightness -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Speed +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Speed -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direction +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direction -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direction Loop</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Into full color</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Top color changed</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Bottom color changed</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Close all</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Close back light</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Stop back light</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Light recording</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Custom 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Custom 2</translation>
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
        <translation>Play Type</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Play once</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Continous playback on/off</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Play multiple times</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Play while assigned key is pressed</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Play Number</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Play Number 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Assign Macro</translation>
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
        <translation>Mouse Key</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Mouse Left</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mouse Center</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Mouse Right</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Backward</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper Key</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
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
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Next track</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Prev track</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Screen brightness+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Screen brightness-</translation>
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
        <translation>Default</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Atmosphere Light</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>All light</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Overall light</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaction light</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brightness +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brightness -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Speed +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Speed -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Into full color</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Top color changed</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Bottom color changed</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Close side light</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Stop side light</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Assign Profile</source>
        <translation>Assign Profile</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Select App</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Please select the path where your app is located</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Select application</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Enter text ...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Play Type</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Play once</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Play multiple times</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Continous playback on/off</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Play while assigned key is pressed</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Play Number</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Play Number 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Assign Macro</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Mouse Key</translation>
    </message>
</context>
</TS>
