// The effect generators of the device library, driven through its public
// calls exactly as the light engine drives them.
#include <QtTest>

#include <algorithm>
#include <cstdlib>

#include "vardexSdk.h"

namespace {

ledFrameRecord g_keys[VARDEX_LIGHT_KEYS];
ledFrameRecord g_side[VARDEX_LIGHT_SIDE_LEDS];
int g_keyCalls = 0;

void keepKeys(ledFrameRecord *frame)
{
    std::copy(frame, frame + VARDEX_LIGHT_KEYS, g_keys);
    ++g_keyCalls;
}

void keepSide(ledFrameRecord *frame) { std::copy(frame, frame + VARDEX_LIGHT_SIDE_LEDS, g_side); }

colorInfoData record(int part, int type, int direction = 0, int fullColor = 0)
{
    colorInfoData r{};
    r.hidType = part;
    r.ledType = type;
    r.ledBrightness = 5;
    r.ledSpeed = 3;
    r.ledTopColor[0] = 255;
    r.ledTopColor[1] = 128;
    r.ledTopColor[2] = 0;
    r.ledBottomColor[2] = 255;
    r.ledDirection = direction;
    r.ledFullColor = fullColor;
    return r;
}

void startKeyboard(const colorInfoData &r, uint32_t seed = 7)
{
    CVardexHid_SetKeyboardColorInfoDataStu(r, 104, "VX01", 1);
    CVardexLight_ResetForTest(seed);
}

void startSide(const colorInfoData &r, int count, uint32_t seed = 7)
{
    std::vector<int> valid(size_t(count), 1);
    if (count > 3)
        valid[3] = 0;
    CVardexHid_SetSideColorInfoDataStu(r, count, valid);
    CVardexLight_ResetForTest(seed);
}

void nextKeys() { CVardexHid_keyboardLightColorRuning(keepKeys); }
void nextSide() { CVardexHid_sideLightColorRuning(keepSide); }

const ledFrameRecord &key(int row, int column) { return g_keys[row * VARDEX_LIGHT_COLUMNS + column]; }

uint64_t fnv(uint64_t h, const ledFrameRecord *records, int n)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(records);
    for (size_t i = 0; i < size_t(n) * sizeof(ledFrameRecord); ++i)
        h = (h ^ bytes[i]) * 1099511628211ull;
    return h;
}

// 200 frames with a key press every 7 frames, walking over the keyboard.
uint64_t keyboardHash(int type, int fullColor, uint32_t seed)
{
    startKeyboard(record(0, type, 0, fullColor), seed);
    uint64_t h = 14695981039346656037ull;
    for (int f = 0; f < 200; ++f) {
        if (f % 7 == 3)
            CVardexHid_keyClickedSendXY(f % 6, (f * 5) % 22);
        nextKeys();
        h = fnv(h, g_keys, VARDEX_LIGHT_KEYS);
    }
    return h;
}

uint64_t sideHash(int type, int fullColor, uint32_t seed)
{
    startSide(record(1, type, 0, fullColor), 24, seed);
    uint64_t h = 14695981039346656037ull;
    for (int f = 0; f < 200; ++f) {
        nextSide();
        h = fnv(h, g_side, VARDEX_LIGHT_SIDE_LEDS);
    }
    return h;
}

} // namespace

class tst_sdkLight : public QObject
{
    Q_OBJECT
private slots:
    void staticIsUniform()
    {
        startKeyboard(record(0, 0));
        for (int f = 0; f < 3; ++f) {
            nextKeys();
            for (const ledFrameRecord &r : g_keys) {
                QCOMPARE(r.red, 255);
                QCOMPARE(r.green, 128);
                QCOMPARE(r.blue, 0);
                QCOMPARE(r.intensity, 255);
            }
        }
        const ledRgb mixed = CVardexHid_lightColorMix(5, 21);
        QCOMPARE(mixed.red, 255);
        QCOMPARE(mixed.green, 128);
        const ledRgb outside = CVardexHid_lightColorMix(6, 0);
        QCOMPARE(outside.red + outside.green + outside.blue, 0);
    }

    void breathRepeatsEvery128Frames()
    {
        startKeyboard(record(0, 1));
        QVector<int> levels;
        for (int f = 0; f < 256; ++f) {
            nextKeys();
            levels << key(3, 7).intensity;
            QCOMPARE(key(0, 0).intensity, key(5, 21).intensity);
        }
        QCOMPARE(levels[0], 0);
        QCOMPARE(levels[64], 255);
        QCOMPARE(*std::max_element(levels.begin(), levels.end()), 255);
        for (int f = 0; f < 128; ++f)
            QCOMPARE(levels[f + 128], levels[f]);
    }

    void waveMovesWithItsDirection_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("shift");
        QTest::newRow("direction 0 runs right") << 0 << 1;
        QTest::newRow("direction 1 runs left") << 1 << -1;
    }
    void waveMovesWithItsDirection()
    {
        QFETCH(int, direction);
        QFETCH(int, shift);
        startKeyboard(record(0, 2, direction));
        nextKeys();
        ledFrameRecord before[VARDEX_LIGHT_KEYS];
        std::copy(std::begin(g_keys), std::end(g_keys), before);
        nextKeys();
        int moved = 0;
        for (int r = 0; r < 6; ++r)
            for (int c = 1; c < 21; ++c) {
                QCOMPARE(key(r, c).intensity, before[r * 22 + c - shift].intensity);
                moved += key(r, c).intensity != before[r * 22 + c].intensity;
            }
        QVERIFY(moved > 0);
    }

    void rippleStageIsDistanceFromPressedKey()
    {
        startKeyboard(record(0, 8));
        CVardexHid_keyClickedSendXY(2, 5);
        QSet<int> stagesSeen;
        for (int f = 0; f < 16; ++f) {
            nextKeys();
            for (int r = 0; r < 6; ++r)
                for (int c = 0; c < 22; ++c) {
                    if (key(r, c).intensity == 0)
                        continue;
                    const int distance = std::max(std::abs(r - 2), std::abs(c - 5));
                    QCOMPARE(key(r, c).rippleStage, distance);
                    stagesSeen.insert(distance);
                }
        }
        for (int d = 0; d <= 9; ++d)
            QVERIFY2(stagesSeen.contains(d), qPrintable(QString::number(d)));
        const ledRgb c = CVardexHid_GetCurrentRippleLightColor();
        QCOMPARE(c.red, 255);
        QCOMPARE(c.green, 128);
        QCOMPARE(c.blue, 0);
    }

    void autoRippleTriggerOnlyOnStartFrames()
    {
        startKeyboard(record(0, 14));
        std::array<int32_t, 5> config = CVardexHid_GetCurrentAutoRippleLightConfig();
        int starts = 0;
        for (int f = 0; f < 200; ++f) {
            nextKeys();
            const std::array<int32_t, 5> now = CVardexHid_GetCurrentAutoRippleLightConfig();
            const bool trigger = key(0, 0).autoRippleTrigger == 1;
            for (const ledFrameRecord &r : g_keys)
                QCOMPARE(r.autoRippleTrigger, key(0, 0).autoRippleTrigger);
            if (trigger) {
                ++starts;
                // The new ripple starts at the key the configuration names.
                QCOMPARE(key(now[0], now[1]).intensity, 255);
                QCOMPARE(key(now[0], now[1]).rippleStage, 0);
            } else {
                QCOMPARE(now, config);
            }
            config = now;
        }
        QCOMPARE(starts, 5);
    }

    void speedRespondRisesWithTyping()
    {
        startKeyboard(record(0, 12));
        nextKeys();
        for (int r = 0; r < 6; ++r)
            QCOMPARE(key(r, 0).intensity, 0);
        for (int n = 0; n < 6; ++n) {
            CVardexHid_keyClickedSendXY(1, 1);
            nextKeys();
        }
        QCOMPARE(key(5, 0).intensity, 255); // three levels: the bottom three rows
        QCOMPARE(key(3, 0).intensity, 255);
        QCOMPARE(key(2, 0).intensity, 0);
        QCOMPARE(key(5, 0).level, 1);
        QCOMPARE(key(0, 0).level, 6);
        for (int f = 0; f < 64; ++f)
            nextKeys();
        QCOMPARE(key(5, 0).intensity, 0);
    }

    void sideSegmentsOffStayDark()
    {
        startSide(record(1, 0), 10);
        nextSide();
        for (int i = 0; i < 10; ++i)
            QCOMPARE(g_side[i].intensity, i == 3 ? 0 : 255);
        for (int i = 10; i < VARDEX_LIGHT_SIDE_LEDS; ++i)
            QCOMPARE(g_side[i].intensity, 0);
        startSide(record(1, 5), 10);
        nextSide();
        for (const ledFrameRecord &r : g_side)
            QCOMPARE(r.intensity, 0);
    }

    void sideCollisionHeadsMeet()
    {
        startSide(record(1, 3), 20);
        bool flashed = false;
        for (int f = 0; f < 19; ++f) {
            nextSide();
            const std::array<uint8_t, 5> cfg = CVardexHid_GetSideCollisionLightRuningConfig();
            QCOMPARE(int(cfg[3]), 20);
            QVERIFY(cfg[0] <= cfg[1] + 1);
            if (cfg[2] == 0) {
                // Segment 3 is switched off in the layout and stays dark.
                QCOMPARE(g_side[cfg[0]].red, cfg[0] == 3 ? 0 : 255);
                QCOMPARE(g_side[cfg[1]].blue, cfg[1] == 3 ? 0 : 255);
            } else {
                flashed = true;
                QCOMPARE(g_side[0].rippleStage, int(cfg[2]));
            }
        }
        QVERIFY(flashed);
    }

    void framesComeThroughTheCallback()
    {
        startKeyboard(record(0, 3));
        const int before = g_keyCalls;
        nextKeys();
        QCOMPARE(g_keyCalls, before + 1);
        CVardexHid_keyboardLightColorRuning(nullptr); // no callback: no crash
    }

    // Golden frames: a change to any generator shows here. 200 frames per effect.
    void goldenFrames_data()
    {
        QTest::addColumn<bool>("side");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("fullColor");
        QTest::addColumn<quint64>("hash");
        const struct { bool side; int type; int full; quint64 hash; } rows[] = {
#include "goldenHashes.inc"
        };
        for (const auto &r : rows)
            QTest::addRow("%s %d full %d", r.side ? "side" : "keys", r.type, r.full)
                << r.side << r.type << r.full << r.hash;
    }
    void goldenFrames()
    {
        QFETCH(bool, side);
        QFETCH(int, type);
        QFETCH(int, fullColor);
        QFETCH(quint64, hash);
        const quint64 got = side ? sideHash(type, fullColor, 7) : keyboardHash(type, fullColor, 7);
        QCOMPARE(QString::number(got, 16), QString::number(hash, 16));
        // Same seed, same frames.
        QCOMPARE(side ? sideHash(type, fullColor, 7) : keyboardHash(type, fullColor, 7), got);
    }

    void seedChangesRandomEffects()
    {
        QVERIFY(keyboardHash(9, 0, 7) != keyboardHash(9, 0, 8));
        QVERIFY(keyboardHash(16, 0, 7) != keyboardHash(16, 0, 8));
        QCOMPARE(keyboardHash(0, 0, 7), keyboardHash(0, 0, 8));
    }

    // For regenerating the golden table after a deliberate change:
    // VARDEX_PRINT_GOLDEN=1 tst_sdkLight printGolden
    void printGolden()
    {
        if (!qEnvironmentVariableIsSet("VARDEX_PRINT_GOLDEN"))
            QSKIP("only on request");
        for (int type : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 14, 15, 16})
            for (int full : {0, 1})
                printf("{false, %d, %d, 0x%llxull},\n", type, full,
                       (unsigned long long)keyboardHash(type, full, 7));
        for (int type = 0; type <= 5; ++type)
            for (int full : {0, 1})
                printf("{true, %d, %d, 0x%llxull},\n", type, full, (unsigned long long)sideHash(type, full, 7));
    }
};

QTEST_GUILESS_MAIN(tst_sdkLight)
#include "tst_sdkLight.moc"
