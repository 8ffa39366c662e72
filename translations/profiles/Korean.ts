<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>프로필 수가 최대에 도달했습니다</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>생성 실패: 해당 인덱스 노드가 이미 존재합니다. 확인해 주세요</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>프로필을 생성했습니다</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>프로필 생성에 실패했습니다</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>프로필은 최소 하나 이상 있어야 합니다</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>프로필 삭제에 실패했습니다</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>프로필을 삭제했습니다</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>저장 폴더</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>먼저 저장 폴더를 선택하세요</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>해당 인덱스 노드가 없습니다</translation>
    </message>
    <message>
        <source>The export path is too long</source>
        <translation>내보내기 경로가 너무 깁니다</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>프로필 내보내기에 실패했습니다</translation>
    </message>
    <message>
        <source>The file %1 already exists. Add the profile to it?</source>
        <translation>파일 %1이(가) 이미 있습니다. 이 파일에 프로필을 추가할까요?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>프로필을 내보냈습니다</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>프로필 파일 열기</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>프로필 파일(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>먼저 가져올 파일을 선택하세요</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>프로필 가져오기에 실패했습니다</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>프로필을 가져왔습니다</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>프로필 이름은 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <source>The profile name is too long</source>
        <translation>프로필 이름이 너무 깁니다</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>프로필 정보 수정에 실패했습니다</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>프로필 정보를 수정했습니다</translation>
    </message>
    <message>
        <source>The macro could not be updated in the profiles</source>
        <translation>프로필의 매크로를 업데이트할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>DFileChooser</name>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>만들기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>이름 변경</translation>
    </message>
</context>
</TS>
