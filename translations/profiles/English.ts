<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>The number of profile has reached the maximum</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Create failed, the index node is already existence, please checked</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Create profile successful</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Create profile failed</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Need keep at least one profile</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Delete profile failed</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Delete profile successful</translation>
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
        <source>This index node non-existent</source>
        <translation>This index node non-existent</translation>
    </message>
    <message>
        <source>The export path is too long</source>
        <translation>The export path is too long</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Export profile failed</translation>
    </message>
    <message>
        <source>The file %1 already exists. Add the profile to it?</source>
        <translation>The file %1 already exists. Add the profile to it?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Export profile successful</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Open profile file</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Profile files(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Please select import file first</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Import profile failed</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Import profile successful</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Profile name can&apos;t empty</translation>
    </message>
    <message>
        <source>The profile name is too long</source>
        <translation>The profile name is too long</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Modify profile info failed</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Modify profile info successful</translation>
    </message>
    <message>
        <source>The macro could not be updated in the profiles</source>
        <translation>The macro could not be updated in the profiles</translation>
    </message>
</context>
<context>
    <name>DFileChooser</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modify Name</translation>
    </message>
</context>
</TS>
