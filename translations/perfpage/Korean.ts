<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The light sleep time must be from 0 to 60000 seconds</source>
        <translation>조명 절전 시간은 0~60000초여야 합니다</translation>
    </message>
    <message>
        <source>The keyboard sleep time must be from 5 to 1000 minutes</source>
        <translation>키보드 절전 시간은 5~1000분이어야 합니다</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>조명 절전 시간은 키보드 절전 시간보다 길 수 없습니다</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>키보드 절전 시간이 너무 짧습니다</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>절전 시간 설정에 실패했습니다</translation>
    </message>
    <message>
        <source>The keyboard took the sleep time, but the profile could not be saved</source>
        <translation>키보드에 절전 시간이 적용되었지만 프로필을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>절전 시간이 설정되었습니다</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>현재 프로필을 초기화하시겠습니까?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>The current profile could not be reset</source>
        <translation>현재 프로필을 초기화할 수 없습니다</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>현재 프로필을 초기화했습니다</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win 잠금이 켜져 있을 때:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows 키 사용 안 함</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB 사용 안 함</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB 사용 안 함</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 사용 안 함</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>조명 절전:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>초</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>키보드 절전:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>현재 프로필 초기화</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>키보드 속성</translation>
    </message>
    <message>
        <source>No keyboard settings program of the desktop is installed</source>
        <translation>데스크톱 키보드 설정 프로그램이 설치되어 있지 않습니다</translation>
    </message>
    <message>
        <source>The keyboard settings could not be opened</source>
        <translation>키보드 설정을 열 수 없습니다</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>배경 이미지</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>자동 시작</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>시스템 시작 시 프로그램 실행(최소화)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>닫으면 트레이로 최소화</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>펌웨어 업그레이드 확인</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>응용 소프트웨어</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>어둡게</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>밝게</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>파랑</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>분홍</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>업그레이드할 수 있는 장치가 없습니다</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>설정되었습니다</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>설정에 실패했습니다</translation>
    </message>
    <message>
        <source>No system tray is running: closing the window quits the program.</source>
        <translation>시스템 트레이가 실행 중이 아닙니다. 창을 닫으면 프로그램이 종료됩니다.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>알 수 없음</translation>
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
        <source>Play/Pause</source>
        <translation>재생/일시 정지</translation>
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
        <source>Stop</source>
        <translation>정지</translation>
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
        <source>Browser</source>
        <translation>브라우저</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>화면 밝기 +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>화면 밝기 -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
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
        <source>Scroll Up</source>
        <translation>위로 스크롤</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>아래로 스크롤</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>스나이퍼 키</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>창 닫기</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>창 전환</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>내 컴퓨터</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>컴퓨터 잠금</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
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
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
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
    <message>
        <source>2.4G switching</source>
        <translation>2.4G 전환</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USB 전환</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>키보드 잠금</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Win 잠금/해제</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win 잠금</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win 잠금 해제</translation>
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
        <source>Power query</source>
        <translation>배터리 잔량 확인</translation>
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
        <source>Custom 1</source>
        <translation>사용자 지정 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>사용자 지정 2</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>백라이트 정지</translation>
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
        <source>Light recording</source>
        <translation>조명 녹화</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>측면 조명 끄기</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>측면 조명 정지</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>키 재지정</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>멀티미디어</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
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
        <source>Shortcuts</source>
        <translation>바로 가기</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>키 기능</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>키보드 조명</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>분위기 조명</translation>
    </message>
</context>
</TS>
