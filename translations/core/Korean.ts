<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name></name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>최소화(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>최대화(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>복원(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>종료(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>DDataManager</name>
    <message>
        <source>Unknow</source>
        <translation>알 수 없음</translation>
    </message>
</context>
<context>
    <name>DDeviceListItem</name>
    <message>
        <source>DDeviceListItem</source>
        <translation>DDeviceListItem</translation>
    </message>
    <message>
        <source>(OffLine)</source>
        <translation>(오프라인)</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>DDevicePage</source>
        <translation>DDevicePage</translation>
    </message>
    <message>
        <source>产品列表</source>
        <translation>제품 목록</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>키 테스트</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>메인 모드 전환</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>배터리 표시</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>장치가 연결되지 않음</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>장치 목록</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>키 사용자 지정</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>조명 설정</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>성능</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>장치가 오프라인입니다</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>장치가 켜졌습니다</translation>
    </message>
    <message>
        <source>The keyboard has not reported its serial number; its profiles are loaded when it does</source>
        <translation>키보드가 일련번호를 보고하지 않았습니다. 보고되면 프로필을 불러옵니다</translation>
    </message>
    <message>
        <source>The keyboard reported an unusable model name; its profiles cannot be stored</source>
        <translation>키보드가 사용할 수 없는 모델 이름을 보고하여 프로필을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>The profile folder cannot be created</source>
        <translation>프로필 폴더를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>The profile folder path is too long</source>
        <translation>프로필 폴더 경로가 너무 깁니다</translation>
    </message>
    <message>
        <source>The simulator did not start: %1</source>
        <translation>시뮬레이터가 시작되지 않았습니다: %1</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>로그인</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>DMainWidget</source>
        <translation>DMainWidget</translation>
    </message>
    <message>
        <source>VARDEX</source>
        <translation>VARDEX</translation>
    </message>
    <message>
        <source>HID</source>
        <translation>HID</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>V1.0.0.0.1</source>
        <translation>V1.0.0.0.1</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>소프트웨어 종료</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>충돌로 인해 소프트웨어가 중지되었습니다!</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>장치가 연결되지 않음</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
</context>
<context>
    <name>keyColorRgbFrameItem</name>
    <message>
        <source>keyColorRgbFrameItem</source>
        <translation>keyColorRgbFrameItem</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>keySelectFrame</source>
        <translation>keySelectFrame</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>재지정할 수 없음</translation>
    </message>
</context>
<context>
    <name>keyboardImageFrameItem</name>
    <message>
        <source>keyboardImageFrameItem</source>
        <translation>keyboardImageFrameItem</translation>
    </message>
</context>
</TS>
