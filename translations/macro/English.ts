<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Left Click</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Center Click</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Right Click</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Binding</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>DMacroPage</source>
        <translation>DMacroPage</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Macro Record</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macro Group</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Delay Setting</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Recording delay</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>No delay</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Default delay</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Event List</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Record is empty</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insert Event</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insert event after</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insert event before</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Keyboard Event</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mouse Event</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Operate</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Please enter a key</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Left Click</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Center Click</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Right Click</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Please enter delay number</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Press Key</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Stop record</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Start record</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Please select a specific location first</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>The record of events has reached the limit</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Insert failed</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Insert successful</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Modify failed</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modify successful</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Delete failed</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Please select a macro first</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Clear record macro failed</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Clear record macro successful</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Move failed</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Macro name can&apos;t be empty</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Modify macro name successful</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Modify macro name failed</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Add macro failed</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Add macro successful</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Delete macro failed</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Delete macro successful</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Save directory</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Please select save directory first</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Export macro failed</translation>
    </message>
    <message>
        <source>The file path is too long</source>
        <translation>The file path is too long</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <translation>The file %1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Export macro successful</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Open macro file</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Macro files(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Import macro failed</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Import macro successful</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Start record macro</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Stop record macro</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Save record macro failed</translation>
    </message>
    <message>
        <source>Import macro failed: the file declares a document type or entity</source>
        <translation>Import macro failed: the file declares a document type or entity</translation>
    </message>
    <message>
        <source>Import macro failed: the file is not UTF-8 text</source>
        <translation>Import macro failed: the file is not UTF-8 text</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than macros and their events</source>
        <translation>Import macro failed: the file holds more than macros and their events</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the mouse code %2, which is no button action</source>
        <translation>Import macro failed: event %1 has the mouse code %2, which is no button action</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the key code %2, which is no key</source>
        <translation>Import macro failed: event %1 has the key code %2, which is no key</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modify Name</translation>
    </message>
</context>
</TS>
