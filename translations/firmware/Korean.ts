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
        <source>Please wait until the update has finished</source>
        <translation>업데이트가 끝날 때까지 기다려 주십시오</translation>
    </message>
    <message>
        <source>the firmware image is damaged</source>
        <translation>펌웨어 이미지가 손상되었습니다</translation>
    </message>
    <message>
        <source>the firmware image is empty</source>
        <translation>펌웨어 이미지가 비어 있습니다</translation>
    </message>
    <message>
        <source>the firmware image is too large</source>
        <translation>펌웨어 이미지가 너무 큽니다</translation>
    </message>
    <message>
        <source>the firmware image is for another model</source>
        <translation>다른 모델용 펌웨어 이미지입니다</translation>
    </message>
    <message>
        <source>the firmware image could not be read</source>
        <translation>펌웨어 이미지를 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>the firmware image could not be prepared, check the free disk space</source>
        <translation>펌웨어 이미지를 준비할 수 없습니다. 디스크 여유 공간을 확인하세요</translation>
    </message>
    <message>
        <source>the keyboard could not be reached</source>
        <translation>키보드에 연결할 수 없습니다</translation>
    </message>
    <message>
        <source>the keyboard did not enter update mode</source>
        <translation>키보드가 업데이트 모드로 전환되지 않았습니다</translation>
    </message>
    <message>
        <source>the keyboard left during the update</source>
        <translation>업데이트 중 키보드 연결이 끊어졌습니다</translation>
    </message>
    <message>
        <source>the keyboard refused the image</source>
        <translation>키보드가 이미지를 거부했습니다</translation>
    </message>
    <message>
        <source>no update drive was found, mount it and try again</source>
        <translation>업데이트 드라이브를 찾을 수 없습니다. 마운트한 후 다시 시도하세요</translation>
    </message>
    <message>
        <source>the update drive did not answer</source>
        <translation>업데이트 드라이브가 응답하지 않습니다</translation>
    </message>
    <message>
        <source>the update drive could not be written</source>
        <translation>업데이트 드라이브에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>the update was interrupted</source>
        <translation>업데이트가 중단되었습니다</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>업데이트 실패: %1</translation>
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
    <message>
        <source>in update mode</source>
        <translation>업데이트 모드</translation>
    </message>
</context>
</TS>
