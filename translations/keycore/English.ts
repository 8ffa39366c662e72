<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Function:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
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
        <source>Loading</source>
        <translation>Loading</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Remap Key</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Key Combination</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
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
        <source>Keyboard Light</source>
        <translation>Keyboard Light</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Atmosphere Light</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Key Config</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Please select one Key first</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operate successful</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Setting failed because the text is empty</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unknow</translation>
    </message>
    <message>
        <source>The text was cut to the length a key can hold</source>
        <translation>The text was cut to the length a key can hold</translation>
    </message>
    <message>
        <source>There is no macro to assign. Please record a macro first</source>
        <translation>There is no macro to assign. Please record a macro first</translation>
    </message>
    <message>
        <source>Restoring the default failed</source>
        <translation>Restoring the default failed</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Korean/English</source>
        <translation>Korean/English</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Virtual Keyboard</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Korean/English</translation>
    </message>
</context>
</TS>
