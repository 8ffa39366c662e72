// Checks every shipped layout file against the model table and against what
// the keyboard and the view rely on: fixed cells, unique codes, keys inside
// the picture, no overlaps, side segments on their edges, every key found
// under the pointer.
#include "data/DDataManager.h"
#include "ui/keyboardView/hidDeviceJoinFrame.h"
#include "ui/keyboardView/keySelectFrame.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "ui/keyboardView/keyboardPictureSize.h"
#include "hid/onboardEncoding.h"
#include "sdk/vardexSdk.h"

#include <QFile>
#include <QFrame>
#include <QImage>
#include <QRect>
#include <QSet>
#include <QtTest>

#include <cjson/cJSON.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

namespace {
const QStringList kModels = {"Mirvan", "Pasko", "Tuvel", "Sifra", "Doveln", "Brisko", "Nelta",
                             "Vokar", "Gampel", "Torvi", "Quendo", "Caspo", "Yolma", "Pravo",
                             "Wendar", "Fenko", "Belvi", "Ormak", "Ixtal", "Zelto", "Lumba",
                             "Hasli", "Dravil", "Kalvo"};

QByteArray layoutText(const QString &model)
{
    QFile f(QStringLiteral(":/images/configDir/KeyInfo_%1.config").arg(model));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int num(const cJSON *obj, const char *name, bool *ok)
{
    const cJSON *item = cJSON_GetObjectItem(obj, name);
    if (!cJSON_IsNumber(item)) {
        *ok = false;
        return 0;
    }
    return item->valueint;
}

std::map<std::string, hidModelInfo> deviceTable()
{
    std::map<std::string, hidModelInfo> models;
    CVardexHid_GetHidInfoStuMapList(models);
    return models;
}

struct LayoutCounts {
    bool parsed = false;
    int sideLightHave = 0;
    int segments = 0;
    int validSegments = 0;
    int keys = 0;
};

LayoutCounts countLayout(const QString &model)
{
    LayoutCounts out;
    cJSON *root = cJSON_Parse(layoutText(model).constData());
    if (!root)
        return out;
    out.parsed = true;
    bool ok = true;
    out.sideLightHave = num(cJSON_GetObjectItem(root, "Keyboard"), "sideLightHave", &ok);
    const cJSON *row0 = cJSON_GetObjectItem(root, "EveryKeyInfo_Row00");
    out.segments = cJSON_GetArraySize(row0);
    for (int i = 0; i < out.segments; ++i)
        out.validSegments += num(cJSON_GetArrayItem(row0, i), "validStatus", &ok) == 1;
    for (int r = 1; r <= 6; ++r) {
        const cJSON *row = cJSON_GetObjectItem(root, ("EveryKeyInfo_Row0" + QByteArray::number(r)).constData());
        for (int i = 0; i < cJSON_GetArraySize(row); ++i)
            out.keys += num(cJSON_GetArrayItem(row, i), "Dec", &ok) != 0;
    }
    cJSON_Delete(root);
    return out;
}
} // namespace

class tst_keyboardlayouts : public QObject
{
    Q_OBJECT

private slots:
    void layoutFile_data();
    void layoutFile();
    void physicalKeyKeepsItsCell();
    void hoverFindsEveryKey_data();
    void hoverFindsEveryKey();
    void everyModelLoadsIntoTheLayer();
    void layoutsCoverTheDeviceTable();
    void layoutAgreesWithTheDeviceTable_data();
    void layoutAgreesWithTheDeviceTable();
    void pictureMatchesItsSize_data();
    void pictureMatchesItsSize();
    void keysCarryKeyboardCodes_data();
    void keysCarryKeyboardCodes();
};

void tst_keyboardlayouts::layoutFile_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("intro");
    QTest::addColumn<int>("hidType");
    QTest::addColumn<int>("sideHave");
    QTest::addColumn<int>("sideNum");
    QTest::addColumn<int>("segments");
    QTest::addColumn<int>("validSegments");
    QTest::addColumn<QList<int>>("edges");
    QTest::addColumn<int>("keys");

    const QList<int> none;
    QTest::newRow("Mirvan") << "Mirvan" << "104Key" << 2 << 0 << 0 << 0 << 0 << none << 104;
    QTest::newRow("Pasko") << "Pasko" << "87Key" << 3 << 0 << 0 << 0 << 0 << none << 91;
    QTest::newRow("Tuvel") << "Tuvel" << "87Key" << 3 << 0 << 0 << 0 << 0 << none << 87;
    QTest::newRow("Sifra") << "Sifra" << "108Key" << 2 << 0 << 0 << 0 << 0 << none << 108;
    QTest::newRow("Doveln") << "Doveln" << "98Key" << 2 << 0 << 0 << 0 << 0 << none << 98;
    QTest::newRow("Brisko") << "Brisko" << "99Key" << 3 << 1 << 45 << 45 << 16 << QList<int>{1, 2} << 95;
    QTest::newRow("Nelta") << "Nelta" << "98Key" << 3 << 0 << 0 << 0 << 0 << none << 99;
    QTest::newRow("Vokar") << "Vokar" << "98Key" << 3 << 0 << 0 << 0 << 0 << none << 99;
    QTest::newRow("Gampel") << "Gampel" << "104Key" << 2 << 1 << 19 << 33 << 17 << QList<int>{1, 2, 3, 4} << 104;
    QTest::newRow("Torvi") << "Torvi" << "66Key" << 3 << 0 << 0 << 0 << 0 << none << 66;
    QTest::newRow("Quendo") << "Quendo" << "108Key" << 3 << 1 << 51 << 51 << 51 << QList<int>{1, 2, 4} << 108;
    QTest::newRow("Caspo") << "Caspo" << "87Key" << 3 << 1 << 10 << 45 << 10 << QList<int>{1, 2} << 87;
    QTest::newRow("Yolma") << "Yolma" << "82Key" << 3 << 1 << 45 << 45 << 45 << QList<int>{1, 2, 3, 4} << 82;
    QTest::newRow("Pravo") << "Pravo" << "84Key" << 3 << 1 << 45 << 45 << 45 << QList<int>{1, 2, 3, 4} << 84;
    QTest::newRow("Wendar") << "Wendar" << "98Key" << 3 << 0 << 0 << 0 << 0 << none << 98;
    QTest::newRow("Fenko") << "Fenko" << "104Key" << 3 << 0 << 0 << 0 << 0 << none << 104;
    QTest::newRow("Belvi") << "Belvi" << "87Key" << 3 << 0 << 0 << 0 << 0 << none << 87;
    QTest::newRow("Ormak") << "Ormak" << "68Key" << 3 << 0 << 0 << 0 << 0 << none << 68;
    QTest::newRow("Ixtal") << "Ixtal" << "84Key" << 3 << 0 << 0 << 0 << 0 << none << 84;
    QTest::newRow("Zelto") << "Zelto" << "61Key" << 3 << 0 << 0 << 0 << 0 << none << 61;
    QTest::newRow("Lumba") << "Lumba" << "108Key" << 3 << 0 << 0 << 0 << 0 << none << 108;
    QTest::newRow("Hasli") << "Hasli" << "98Key" << 3 << 0 << 0 << 0 << 0 << none << 98;
    QTest::newRow("Dravil") << "Dravil" << "104Key" << 3 << 0 << 0 << 0 << 0 << none << 104;
    QTest::newRow("Kalvo") << "Kalvo" << "87Key" << 3 << 0 << 0 << 0 << 0 << none << 87;
}

void tst_keyboardlayouts::layoutFile()
{
    QFETCH(QString, model);
    QFETCH(QString, intro);
    QFETCH(int, hidType);
    QFETCH(int, sideHave);
    QFETCH(int, sideNum);
    QFETCH(int, segments);
    QFETCH(int, validSegments);
    QFETCH(QList<int>, edges);
    QFETCH(int, keys);

    const QByteArray text = layoutText(model);
    QVERIFY2(!text.isEmpty(), "layout resource missing");
    cJSON *root = cJSON_Parse(text.constData());
    QVERIFY(root);
    const QSize picture = keyboardPictureSize(model);
    QVERIFY(!picture.isEmpty());
    bool ok = true;

    const cJSON *kb = cJSON_GetObjectItem(root, "Keyboard");
    QVERIFY(cJSON_IsObject(kb));
    QCOMPARE(QString::fromUtf8(cJSON_GetObjectItem(kb, "KeyboardIntroduction")->valuestring), intro);
    QCOMPARE(QString::fromUtf8(cJSON_GetObjectItem(kb, "flag")->valuestring), QStringLiteral("true"));
    QCOMPARE(num(kb, "hidDeviceType", &ok), hidType);
    QCOMPARE(num(kb, "sideLightHave", &ok), sideHave);
    QCOMPARE(num(kb, "sideLightNum", &ok), sideNum);
    QCOMPARE(num(kb, "specialEnterKey", &ok), 0);
    num(kb, "supportOnboard", &ok);
    num(kb, "showOnboardSelect", &ok);
    num(kb, "specialEnterKeyShape", &ok);
    QVERIFY(ok);

    // Side segments.
    const cJSON *row0 = cJSON_GetObjectItem(root, "EveryKeyInfo_Row00");
    QVERIFY(cJSON_IsArray(row0));
    QCOMPARE(cJSON_GetArraySize(row0), segments);
    int valid = 0;
    QSet<int> usedEdges, indexes;
    for (int i = 0; i < cJSON_GetArraySize(row0); ++i) {
        const cJSON *s = cJSON_GetArrayItem(row0, i);
        const QRect r(num(s, "PosX", &ok), num(s, "PosY", &ok), num(s, "Width", &ok), num(s, "Height", &ok));
        const int side = num(s, "SidePosition", &ok);
        indexes.insert(num(s, "Index", &ok));
        QVERIFY(cJSON_IsString(cJSON_GetObjectItem(s, "Mark")));
        if (num(s, "validStatus", &ok) != 1)
            continue;
        ++valid;
        usedEdges.insert(side);
        QVERIFY2(r.width() != r.height(), "a square segment draws nothing");
        switch (side) {
        case 1: QVERIFY(r.x() + r.width() <= 0 && r.y() >= 0 && r.bottom() < picture.height()); break;
        case 2: QVERIFY(r.x() >= picture.width() && r.y() >= 0 && r.bottom() < picture.height()); break;
        case 3: QVERIFY(r.y() + r.height() <= 0 && r.x() >= 0 && r.right() < picture.width()); break;
        case 4: QVERIFY(r.y() >= picture.height() && r.x() >= 0 && r.right() < picture.width()); break;
        default: QFAIL("valid segment without an edge");
        }
    }
    QVERIFY(ok);
    QCOMPARE(valid, validSegments);
    QCOMPARE(indexes.size(), segments);
    QCOMPARE(usedEdges, QSet<int>(edges.begin(), edges.end()));

    // Key rows.
    QList<QRect> rects;
    QSet<int> codes;
    for (int r = 1; r <= 7; ++r) {
        const QByteArray name = "EveryKeyInfo_Row0" + QByteArray::number(r);
        const cJSON *row = cJSON_GetObjectItem(root, name.constData());
        QVERIFY2(cJSON_IsArray(row), name.constData());
        QCOMPARE(cJSON_GetArraySize(row), r == 7 ? 9 : 22);
        if (r == 7)
            break;
        for (int i = 0; i < 22; ++i) {
            const cJSON *c = cJSON_GetArrayItem(row, i);
            const int code = num(c, "Dec", &ok);
            num(c, "qtDec", &ok);
            QVERIFY(cJSON_IsString(cJSON_GetObjectItem(c, "Character")));
            const QRect rect(num(c, "PosX", &ok), num(c, "PosY", &ok), num(c, "Width", &ok), num(c, "Height", &ok));
            if (code == 0) {
                QCOMPARE(rect, QRect(-1, -1, 0, 0));
                continue;
            }
            QVERIFY2(!codes.contains(code), qPrintable(QStringLiteral("code %1 twice").arg(code)));
            codes.insert(code);
            QVERIFY2(rect.isValid() && QRect(QPoint(0, 0), picture).contains(rect),
                     qPrintable(QStringLiteral("key %1 outside the picture").arg(code)));
            for (const QRect &other : qAsConst(rects))
                QVERIFY2(!other.intersects(rect), qPrintable(QStringLiteral("key %1 overlaps").arg(code)));
            rects.append(rect);
        }
    }
    QVERIFY(ok);
    QCOMPARE(codes.size(), keys);
    cJSON_Delete(root);
}

// A key sits in the grid row it is drawn in, so a key may take another cell
// on a board that draws it in another row; the keys that head the rows and
// Fn keep theirs on every board.
void tst_keyboardlayouts::physicalKeyKeepsItsCell()
{
    for (const QString &model : kModels) {
        cJSON *root = cJSON_Parse(layoutText(model).constData());
        QVERIFY(root);
        QHash<int, QPair<int, int>> cellOf;
        for (int r = 1; r <= 6; ++r) {
            const cJSON *row = cJSON_GetObjectItem(root, ("EveryKeyInfo_Row0" + QByteArray::number(r)).constData());
            for (int i = 0; i < cJSON_GetArraySize(row); ++i) {
                const int code = cJSON_GetObjectItem(cJSON_GetArrayItem(row, i), "Dec")->valueint;
                if (code != 0)
                    cellOf.insert(code, qMakePair(r - 1, i));
            }
        }
        cJSON_Delete(root);
        QCOMPARE(cellOf.value(41), qMakePair(0, 0));  // Esc
        QCOMPARE(cellOf.value(-10), qMakePair(5, 5)); // Fn
        for (int code : {43, 57, 225, 224})          // Tab, Caps Lock, left Shift, left Ctrl
            QCOMPARE(cellOf.value(code).second, 0);
    }
}

void tst_keyboardlayouts::hoverFindsEveryKey_data()
{
    QTest::addColumn<QString>("model");
    for (const QString &model : kModels)
        QTest::newRow(qPrintable(model)) << model;
}

// The view looks for the key under the pointer only in the grid row whose
// first cell spans the pointer's height: a key drawn in another row than its
// cell's could never be hovered nor picked.
void tst_keyboardlayouts::hoverFindsEveryKey()
{
    QFETCH(QString, model);
    hidDeviceJoinFrame view;
    view.initKeyboard("/dev/hidraw-test", model.toLatin1().constData());
    const QPoint origin = view.drawingArea()->pos() + QPoint(keySelectFrame::kMargin, keySelectFrame::kMargin);
    const QMap<int, keyboardButCustom *> buttons = view.keyLayer()->keyButtonMap();
    const QList<keyGeometryInfo> cells = view.keyLayer()->keyGeometryInfos();
    QCOMPARE(cells.size(), keySelectFrame::kRows * keySelectFrame::kColumns);
    QStringList missed;
    for (int i = 0; i < cells.size(); ++i) {
        const keyGeometryInfo &key = cells.at(i);
        if (key.code == 0)
            continue;
        // A key two rows high is centred in the gap between the rows' bands;
        // it is found over its own row.
        const keyGeometryInfo &head = cells.at(i / keySelectFrame::kColumns * keySelectFrame::kColumns);
        const int height = std::min(key.height, head.height);
        view.hoverAt(origin.x() + key.x + key.width / 2, origin.y() + key.y + height / 2);
        if (!view.hoveredKey() || view.hoveredKey() != buttons.value(key.code))
            missed << QString::number(key.code);
    }
    QVERIFY2(missed.isEmpty(), qPrintable("not found at their centre: " + missed.join(' ')));
}

void tst_keyboardlayouts::everyModelLoadsIntoTheLayer()
{
    for (const QString &model : kModels) {
        keySelectFrame layer;
        QSignalSpy loaded(&layer, &keySelectFrame::sigKeyboardAlreadyLoad);
        layer.loadKeyboardInfo(model);
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(layer.keyGeometryInfos().size(), 132);
        QCOMPARE(DDataManager::instance()->keyButtonList().size(), 132);
        QVERIFY(DDataManager::instance()->currentKeySelectFrame() == &layer);
        QCOMPARE(layer.gridButton(0, 0)->keyDec(), 41);
    }
    QVERIFY(DDataManager::instance()->keyButtonList().isEmpty());
}

// The checks above walk a fixed list; a model added to the device table
// without a layout would slip past them.
void tst_keyboardlayouts::layoutsCoverTheDeviceTable()
{
    QStringList tableModels;
    for (const auto &entry : deviceTable())
        tableModels.append(QString::fromStdString(entry.first));
    QVERIFY(!tableModels.isEmpty());
    QStringList checked = kModels;
    std::sort(tableModels.begin(), tableModels.end());
    std::sort(checked.begin(), checked.end());
    QCOMPARE(checked, tableModels);
}

void tst_keyboardlayouts::layoutAgreesWithTheDeviceTable_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("keyCount");
    QTest::addColumn<int>("sideSegments");
    QTest::addColumn<int>("sideLeds");
    QTest::addColumn<int>("layoutType");
    for (const auto &entry : deviceTable()) {
        const hidModelInfo &m = entry.second;
        QTest::newRow(entry.first.c_str()) << QString::fromStdString(entry.first) << int(m.keyCount)
                                           << int(m.modelParams[0]) << int(m.modelParams[1])
                                           << int(m.modelParams[2]);
    }
}

// The key count picks the custom-light defaults and the side-segment count
// whether the light page offers the side light; both must match the drawing.
void tst_keyboardlayouts::layoutAgreesWithTheDeviceTable()
{
    QFETCH(QString, model);
    QFETCH(int, keyCount);
    QFETCH(int, sideSegments);
    QFETCH(int, sideLeds);
    QFETCH(int, layoutType);

    const LayoutCounts counts = countLayout(model);
    QVERIFY2(counts.parsed, "no layout for this model");
    QCOMPARE(counts.keys, keyCount);
    QCOMPARE(counts.sideLightHave == 1, sideSegments > 0);
    if (sideSegments > 0) {
        QCOMPARE(counts.validSegments, sideSegments);
        // One segment slot per LED the light stream addresses.
        QCOMPARE(counts.segments, sideLeds);
    }
    cJSON *root = cJSON_Parse(layoutText(model).constData());
    bool ok = true;
    QCOMPARE(num(cJSON_GetObjectItem(root, "Keyboard"), "hidDeviceType", &ok), layoutType);
    cJSON_Delete(root);
    QVERIFY(!keyboardPictureSize(model).isEmpty());
}

void tst_keyboardlayouts::pictureMatchesItsSize_data()
{
    QTest::addColumn<QString>("model");
    for (const auto &entry : deviceTable())
        QTest::newRow(entry.first.c_str()) << QString::fromStdString(entry.first);
}

// The device tile and the keyboard view show the rendered picture; its size
// is what the key positions were laid out for.
void tst_keyboardlayouts::pictureMatchesItsSize()
{
    QFETCH(QString, model);
    const QString path = QStringLiteral(VARDEX_HID_IMAGE_DIR "/Keyboard_%1.png").arg(model);
    const QImage picture(path);
    QVERIFY2(!picture.isNull(), qPrintable(path));
    QCOMPARE(picture.size(), keyboardPictureSize(model));
}

void tst_keyboardlayouts::keysCarryKeyboardCodes_data()
{
    QTest::addColumn<QString>("model");
    for (const QString &model : kModels)
        QTest::newRow(qPrintable(model)) << model;
}

// The download writes each drawn key's code; 401 to 418 and 502 to 507 are
// keys of the on-screen keyboard only, and a keyboard key carrying one would
// be sent as the low byte of that code. A media key left unbound must stay
// the media key it is.
void tst_keyboardlayouts::keysCarryKeyboardCodes()
{
    QFETCH(QString, model);
    const QHash<QString, QByteArray> media = {{"Play", "07130000"}, {"Mute", "07120000"},
                                              {"Vol-", "07110000"}, {"Vol+", "07100000"}};
    cJSON *root = cJSON_Parse(layoutText(model).constData());
    QVERIFY(root);
    KeyOperateInfo unbound;
    std::memset(static_cast<void *>(&unbound), 0, sizeof unbound);
    std::strcpy(unbound.type, "-1");
    QStringList wrong;
    for (int r = 1; r <= 6; ++r) {
        const cJSON *row = cJSON_GetObjectItem(root, ("EveryKeyInfo_Row0" + QByteArray::number(r)).constData());
        for (int i = 0; i < cJSON_GetArraySize(row); ++i) {
            const cJSON *cell = cJSON_GetArrayItem(row, i);
            const int code = cJSON_GetObjectItem(cell, "Dec")->valueint;
            const QString caption = QString::fromUtf8(cJSON_GetObjectItem(cell, "Character")->valuestring);
            if ((code >= 401 && code <= 418) || (code >= 502 && code <= 507))
                wrong << QStringLiteral("%1 is %2").arg(caption).arg(code);
            if (!media.contains(caption))
                continue;
            const OnboardKeyEntry e = onboard::encodeKey(code, unbound, -1);
            const QByteArray sent = QByteArray(reinterpret_cast<const char *>(e.bytes.data()), 4).toHex();
            if (sent != media.value(caption))
                wrong << QStringLiteral("%1 sent as %2").arg(caption, QString::fromLatin1(sent));
        }
    }
    cJSON_Delete(root);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));
}

QTEST_MAIN(tst_keyboardlayouts)
#include "tst_keyboardlayouts.moc"
