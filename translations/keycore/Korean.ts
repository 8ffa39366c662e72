<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>기능:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>스페이스</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>기본 레이어</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 레이어</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>불러오는 중</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>키 재지정</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>비활성화</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>멀티미디어</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>바로 가기</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>프로필 전환</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>프로그램 실행</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>키보드 조명</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>분위기 조명</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>키 기능</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>먼저 키를 하나 선택하세요</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>설정되었습니다</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>텍스트가 비어 있어 설정하지 못했습니다</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>알 수 없는 오류</translation>
    </message>
    <message>
        <source>The text was cut to the length a key can hold</source>
        <translation>텍스트가 키에 저장할 수 있는 길이로 잘렸습니다</translation>
    </message>
    <message>
        <source>There is no macro to assign. Please record a macro first</source>
        <translation>지정할 매크로가 없습니다. 먼저 매크로를 녹화하세요</translation>
    </message>
    <message>
        <source>Restoring the default failed</source>
        <translation>기본값 복원에 실패했습니다</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Korean/English</source>
        <translation>한/영</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>한자</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>가상 키보드</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>한자</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>한/영</translation>
    </message>
</context>
</TS>
