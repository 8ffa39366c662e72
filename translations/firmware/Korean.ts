<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>펌웨어 정보</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>펌웨어 업데이트</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>펌웨어 업데이트 중에는 장치를 분리하지 마십시오!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>업데이트 성공</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>업데이트 실패</translation>
    </message>
    <message>
        <source>Please wait until the update has finished</source>
        <translation>업데이트가 끝날 때까지 기다려 주십시오</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>제품 이름:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>현재 버전:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>업데이트 진행률:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>새 버전:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>완료</translation>
    </message>
</context>
</TS>
