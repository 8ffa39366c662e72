<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Download config to %1 stopped: another keyboard was selected</source>
        <translation>%1(으)로의 설정 다운로드가 중지되었습니다: 다른 키보드가 선택되었습니다</translation>
    </message>
    <message>
        <source>Download config to %1 failed: the keyboard was disconnected</source>
        <translation>%1(으)로의 설정 다운로드에 실패했습니다: 키보드 연결이 끊어졌습니다</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>설정 다운로드에 실패했습니다. 다시 시도하십시오</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>설정 다운로드에 성공했습니다</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, the keyboard holds %2. Nothing was downloaded.</source>
        <translation>%1개 키에 매크로가 지정되었지만 키보드는 %2개까지 저장합니다. 아무것도 다운로드하지 않았습니다.</translation>
    </message>
    <message>
        <source>Macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, the keyboard holds %5. Nothing was downloaded.</source>
        <translation>키 %2(%3 레이어)의 매크로 &quot;%1&quot;은(는) 이벤트가 %4개이지만 키보드는 %5개까지 저장합니다. 아무것도 다운로드하지 않았습니다.</translation>
    </message>
    <message>
        <source>Key %1 (%2 layer) combines %3 modifier keys, the keyboard holds two. Nothing was downloaded.</source>
        <translation>키 %1(%2 레이어)의 조합은 보조 키가 %3개이지만 키보드는 2개까지 저장합니다. 아무것도 다운로드하지 않았습니다.</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>keyboard layer</comment>
        <translation>기본</translation>
    </message>
</context>
</TS>
