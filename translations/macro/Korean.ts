<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>바인딩됨</translation>
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
        <translation>매크로 녹화</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>매크로 목록</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>지연 설정</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>녹화된 지연</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>지연 없음</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>기본 지연</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>녹화</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>이벤트 목록</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>녹화된 내용이 없습니다</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>이벤트 삽입</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>뒤에 삽입</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>앞에 삽입</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>지연</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>키를 누르세요</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>지연 시간을 입력하세요</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>삽입</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>속성</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>수정</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>만들기</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>위로</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>아래로</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>녹화 중지</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>녹화 시작</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>먼저 위치를 선택하세요</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>녹화 이벤트가 한도에 도달했습니다</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>삽입 실패</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>삽입 성공</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>수정 실패</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>수정 성공</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>삭제 실패</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>먼저 매크로를 선택하세요</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>매크로 지우기 실패</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>매크로를 지웠습니다</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>이동 실패</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>매크로 이름을 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>매크로 이름 변경 성공</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>매크로 이름 변경 실패</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>매크로 추가 실패</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>매크로 추가 성공</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>매크로 삭제 실패</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>매크로 삭제 성공</translation>
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
        <source>Export macro failed</source>
        <translation>매크로 내보내기 실패</translation>
    </message>
    <message>
        <source>The file path is too long</source>
        <translation>파일 경로가 너무 깁니다</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <translation>파일 %1이(가) 이미 있습니다. 바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>매크로 내보내기 성공</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>매크로 파일 열기</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>매크로 파일(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>매크로 가져오기 실패</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>매크로 가져오기 성공</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>매크로 녹화 시작</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>매크로 녹화 중지</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>녹화한 매크로 저장 실패</translation>
    </message>
    <message>
        <source>Import macro failed: the file declares a document type or entity</source>
        <translation>매크로 가져오기 실패: 파일이 문서 형식 또는 엔터티를 선언합니다</translation>
    </message>
    <message>
        <source>Import macro failed: the file is not UTF-8 text</source>
        <translation>매크로 가져오기 실패: 파일이 UTF-8 텍스트가 아닙니다</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than macros and their events</source>
        <translation>매크로 가져오기 실패: 파일에 매크로와 그 이벤트 외의 내용이 있습니다</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the mouse code %2, which is no button action</source>
        <translation>매크로 가져오기 실패: 이벤트 %1의 마우스 코드 %2은(는) 버튼 동작이 아닙니다</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the key code %2, which is no key</source>
        <translation>매크로 가져오기 실패: 이벤트 %1의 키 코드 %2은(는) 키가 아닙니다</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>이름 변경</translation>
    </message>
</context>
</TS>
