<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>사용자 조명 항목</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>DLightsConfigPage</source>
        <translation>DLightsConfigPage</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>밝기:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>속도:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>방향:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>조명 모드</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>풀 컬러</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>위쪽 색상</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>아래쪽 색상</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>사용자 조명</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>고정</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>이 장치에는 무드등이 없습니다</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>웨이브</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>키보드/무드등</translation>
    </message>
    <message>
        <source>Custom light name is too long</source>
        <translation>사용자 조명 이름이 너무 깁니다</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>사용자 조명 이름 변경 실패</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>숨쉬기</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>네온</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>레이더</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>스네이크</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>반응형</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>오로라</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>물결</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>반짝임</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>십자</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>속도 반응</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>자동 물결</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>줄무늬</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>불꽃놀이</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>음악 리듬</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>충돌</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>끄기</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>사용자 조명 이름은 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>사용자 조명 이름 변경 성공</translation>
    </message>
</context>
</TS>
