<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The light sleep time must be from 0 to 60000 seconds</source>
        <translation>The light sleep time must be from 0 to 60000 seconds</translation>
    </message>
    <message>
        <source>The keyboard sleep time must be from 5 to 1000 minutes</source>
        <translation>The keyboard sleep time must be from 5 to 1000 minutes</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>The time when the light enters sleep cannot be longer than the keyboard enters sleep</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Keyboard enters sleep time is too short</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Sleep time set failed</translation>
    </message>
    <message>
        <source>The keyboard took the sleep time, but the profile could not be saved</source>
        <translation>The keyboard took the sleep time, but the profile could not be saved</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Sleep time has been set</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Whether to reset the current profile?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The current profile could not be reset</source>
        <translation>The current profile could not be reset</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Reset the current profile successful</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>If Win Lock is on:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Disable Windows key</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Disable SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Disable ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Disable ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Light into sleep:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Keyboard into sleep:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Submit</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Reset current profile</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Keyboard properties</translation>
    </message>
    <message>
        <source>No keyboard settings program of the desktop is installed</source>
        <translation>No keyboard settings program of the desktop is installed</translation>
    </message>
    <message>
        <source>The keyboard settings could not be opened</source>
        <translation>The keyboard settings could not be opened</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Auto start</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Launch applications when the system starts (Minimized)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Close startup to tray</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Firmware upgrade check</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Application software</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Check Update</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>No upgradeable devices found</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Set config success</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Set config failed</translation>
    </message>
    <message>
        <source>No system tray is running: closing the window quits the program.</source>
        <translation>No system tray is running: closing the window quits the program.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Unknow</translation>
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
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
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
        <source>Stop</source>
        <translation>Stop</translation>
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
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Screen brightness+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Screen brightness-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
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
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Backward</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper Key</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Switch windows</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Show desktop</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>My computer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Lock computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
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
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
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
        <translation>2.4G switching</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USB switching</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Lock keyboard</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Lock/Unlock Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Lock win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Unlock win</translation>
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
        <source>Power query</source>
        <translation>Power query</translation>
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
        <source>Custom 1</source>
        <translation>Custom 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Custom 2</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Stop back light</translation>
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
        <source>Light recording</source>
        <translation>Light recording</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Close side light</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Stop side light</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Remap Key</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Key Combination</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Switch Profile</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Launch Application</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Key Config</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Keyboard Light</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Atmosphere Light</translation>
    </message>
</context>
</TS>
