<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>프로필 지정</translation>
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
        <translation>키 재지정</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>어떤 키로 매핑하시겠습니까?</translation>
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
        <translation>바로 가기</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>창 닫기</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>컴퓨터 잠금</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>내 컴퓨터</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
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
        <translation>키 조합</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>키를 입력하시겠습니까?</translation>
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
        <translation>키 기능</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>순환 전환</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>키보드 잠금</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win 잠금 해제</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win 잠금</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>배터리 잔량 확인</translation>
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
        <source>FN1 layer</source>
        <translation>FN1 레이어</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USB 전환</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2.4G 전환</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>블루투스 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>블루투스 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>블루투스 3</translation>
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
        <translation>비활성화</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
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
        <translation>앱 선택</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>앱이 있는 경로를 선택하세요</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>응용 프로그램 선택</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>모든 파일 (*)</translation>
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
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>텍스트 입력 ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
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
        <translation>키보드 조명</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>전체 조명</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>반응형 조명</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>모든 조명</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>고정</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>밝기 +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>밝기 -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>속도 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>속도 -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>방향 +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>방향 -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>방향 순환</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>풀 컬러로 전환</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>위쪽 색상 변경</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>아래쪽 색상 변경</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>모두 끄기</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>백라이트 끄기</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>백라이트 정지</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>조명 녹화</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>사용자 지정 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>사용자 지정 2</translation>
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
        <translation>재생 방식</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>한 번 재생</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>연속 재생 켜기/끄기</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>여러 번 재생</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>키를 누르고 있는 동안 재생</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>재생 횟수</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>재생 횟수 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>매크로 지정</translation>
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
        <translation>마우스 버튼</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>마우스 왼쪽</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>마우스 가운데</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>마우스 오른쪽</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>스나이퍼 키</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>아래로 스크롤</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>위로 스크롤</translation>
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
        <translation>멀티미디어</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>다음 트랙</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>이전 트랙</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>볼륨 +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>볼륨 -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>계산기</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>브라우저</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>화면 밝기 +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>화면 밝기 -</translation>
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
        <translation>기본값</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
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
        <translation>분위기 조명</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>모든 조명</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>전체 조명</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>반응형 조명</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>밝기 +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>밝기 -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>속도 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>속도 -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>풀 컬러로 전환</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>위쪽 색상 변경</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>아래쪽 색상 변경</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>측면 조명 끄기</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>측면 조명 정지</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Assign Profile</source>
        <translation>프로필 지정</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>앱 선택</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>앱이 있는 경로를 선택하세요</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>응용 프로그램 선택</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>텍스트 입력 ...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>재생 방식</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>한 번 재생</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>여러 번 재생</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>연속 재생 켜기/끄기</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>키를 누르고 있는 동안 재생</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>재생 횟수</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>재생 횟수 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>매크로 지정</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>마우스 버튼</translation>
    </message>
</context>
</TS>
