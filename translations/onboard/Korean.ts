<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
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
        <source>Default</source>
        <translation>기본</translation>
    </message>
    <message>
        <source>FN</source>
        <translation>FN</translation>
    </message>
    <message>
        <source>%1 keys are bound to macros, but the keyboard holds at most %2. Nothing was downloaded: bind fewer keys to macros and try again.</source>
        <translation>%1개의 키에 매크로가 지정되어 있지만 키보드에는 최대 %2개까지만 저장할 수 있습니다. 아무것도 다운로드되지 않았습니다. 매크로를 지정한 키를 줄인 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; on key %2 (%3 layer) has %4 events, but the keyboard holds at most %5 per macro. Nothing was downloaded: shorten the macro and try again.</source>
        <translation>키 %2(%3 레이어)의 매크로 &quot;%1&quot;에는 이벤트가 %4개 있지만 키보드에는 매크로당 최대 %5개까지만 저장할 수 있습니다. 아무것도 다운로드되지 않았습니다. 매크로를 줄인 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The key combination on key %1 (%2 layer) uses %3 modifier keys, but the keyboard holds at most two. Nothing was downloaded: change the combination and try again.</source>
        <translation>키 %1(%2 레이어)의 키 조합은 보조 키 %3개를 사용하지만 키보드에는 최대 2개까지만 저장할 수 있습니다. 아무것도 다운로드되지 않았습니다. 키 조합을 변경한 후 다시 시도하십시오.</translation>
    </message>
</context>
</TS>
