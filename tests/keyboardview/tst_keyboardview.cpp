// The key layer and the keyboard view: layout reading, the registry, clicks,
// the bubble, zoom, hover and rubber-band selection.
#include "data/DDataManager.h"
#include "ui/keyboardView/DCustomEventTipExplain.h"
#include "ui/keyboardView/dragShowArea.h"
#include "ui/keyboardView/hidDeviceJoinFrame.h"
#include "ui/keyboardView/keySelectFrame.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "ui/keyboardView/sideLightButtonCustom.h"
#include "vardexSdk.h"

#include <QFrame>

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray doveln()
{
    QFile f(QStringLiteral(":/images/configDir/KeyInfo_Doveln.config"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A device record as the device page hands it over.
struct DeviceRecord
{
    char hidPath[256];
    char hidName[128];
};

void initView(hidDeviceJoinFrame &view, const char *model)
{
    DeviceRecord record{"/dev/hidraw-test", {}};
    qstrncpy(record.hidName, model, sizeof record.hidName);
    view.initKeyboard(record);
}

QList<int> codesOf(const QList<keyboardButCustom *> &buttons)
{
    QList<int> codes;
    for (auto *b : buttons)
        codes.append(b->keyDec());
    std::sort(codes.begin(), codes.end());
    return codes;
}

void enter(QWidget *w)
{
    QEvent e(QEvent::Enter);
    QCoreApplication::sendEvent(w, &e);
}

void leave(QWidget *w)
{
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(w, &e);
}
} // namespace

class tst_keyboardview : public QObject
{
    Q_OBJECT

private slots:
    void scaledPixels_data();
    void scaledPixels();
    void zoomPlacesKeys_data();
    void zoomPlacesKeys();
    void zoomButtonsStopAtBounds();
    void sideBarsHugTheEdges();

    void malformedLayout_data();
    void malformedLayout();
    void readerQuirks();
    void registryFollowsTheLayer();

    void clicks();
    void captions();
    void bubble();
    void boundKeyBubble();
    void elision_data();
    void elision();

    void rubberBand_data();
    void rubberBand();
    void bandFromOverlay();
    void hoverAndPress();
};

void tst_keyboardview::scaledPixels_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("pixels");
    QTest::newRow("12.3") << 12.3f << 12;
    QTest::newRow("12.4") << 12.4f << 13;
    QTest::newRow("12.95") << 12.95f << 13;
    QTest::newRow("0.35") << 0.35f << 0;
    QTest::newRow("25.5") << 25.5f << 26;
    QTest::newRow("whole") << 40.0f << 40;
}

void tst_keyboardview::scaledPixels()
{
    QFETCH(float, value);
    QFETCH(int, pixels);
    QCOMPARE(hidDeviceJoinFrame::toScaledPixels(value), pixels);
}

void tst_keyboardview::zoomPlacesKeys_data()
{
    // Doveln's Esc: PosX 17, PosY 30, 19 x 21; F1 at PosX 69.
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("code");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("1.0 Esc") << 1.0f << 41 << QRect(27, 40, 19, 21);
    QTest::newRow("1.5 Esc") << 1.5f << 41 << QRect(36, 55, 29, 32);   // 25.5 -> 26, 28.5 -> 29, 31.5 -> 32
    QTest::newRow("1.1 Esc") << 1.1f << 41 << QRect(29, 43, 21, 23);   // 18.7, 33, 20.9, 23.1
    QTest::newRow("2.0 F1") << 2.0f << 58 << QRect(148, 70, 38, 42);
}

void tst_keyboardview::zoomPlacesKeys()
{
    QFETCH(float, scale);
    QFETCH(int, code);
    QFETCH(QRect, geometry);
    hidDeviceJoinFrame view;
    initView(view, "Doveln");
    view.setScale(scale);
    keyboardButCustom *button = view.keyLayer()->keyButtonMap().value(code);
    QVERIFY(button);
    QCOMPARE(button->geometry(), geometry);
    QCOMPARE(view.drawingArea()->width(), hidDeviceJoinFrame::toScaledPixels(533 * scale) + 20);
}

void tst_keyboardview::zoomButtonsStopAtBounds()
{
    float factor = 1.0f;
    QVERIFY(!hidDeviceJoinFrame::stepZoom(factor, false));
    for (int i = 0; i < 10; ++i)
        QVERIFY(hidDeviceJoinFrame::stepZoom(factor, true));
    QCOMPARE(hidDeviceJoinFrame::zoomLabel(factor), QStringLiteral("2.0"));
    QVERIFY(!hidDeviceJoinFrame::stepZoom(factor, true));
    QCOMPARE(hidDeviceJoinFrame::zoomLabel(factor), QStringLiteral("2.0"));
    for (int i = 0; i < 10; ++i)
        QVERIFY(hidDeviceJoinFrame::stepZoom(factor, false));
    QCOMPARE(hidDeviceJoinFrame::zoomLabel(factor), QStringLiteral("1.0"));
    QVERIFY(!hidDeviceJoinFrame::stepZoom(factor, false));
}

void tst_keyboardview::sideBarsHugTheEdges()
{
    hidDeviceJoinFrame view;
    initView(view, "Pravo"); // bars on all four edges
    for (float s : {1.0f, 1.3f, 2.0f}) {
        view.setScale(s);
        const int width = view.drawingArea()->width();
        const int height = view.drawingArea()->height();
        const auto buttons = view.keyLayer()->sideButtonMap();
        for (const keyGeometryInfo &g : view.keyLayer()->sideGeometryInfos()) {
            const QRect r = buttons.value(g.code)->geometry();
            switch (g.sidePosition) {
            case 1: QCOMPARE(r.x(), 0); QCOMPARE(r.width(), g.width); break;
            case 2: QCOMPARE(r.x(), width - 10); QCOMPARE(r.width(), g.width); break;
            case 3: QCOMPARE(r.y(), 0); QCOMPARE(r.height(), g.height); break;
            case 4: QCOMPARE(r.y(), height - 10); QCOMPARE(r.height(), g.height); break;
            default: break;
            }
        }
    }
}

void tst_keyboardview::malformedLayout_data()
{
    QTest::addColumn<QByteArray>("text");
    const QByteArray good = doveln();
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("not json") << QByteArray("KeyInfo");
    QTest::newRow("truncated") << good.left(good.size() / 2);
    QTest::newRow("array at top") << QByteArray("[1, 2, 3]");
    QByteArray wrongType = good;
    wrongType.replace("\"PosX\": 17,", "\"PosX\": \"17\",");
    QTest::newRow("position as text") << wrongType;
    QByteArray rowNotArray = good;
    rowNotArray.replace("\"EveryKeyInfo_Row03\": [", "\"EveryKeyInfo_Row03\": {\"x\": [");
    rowNotArray.replace("\"EveryKeyInfo_Row04\"", "], \"EveryKeyInfo_Row04\"");
    QTest::newRow("row is an object") << rowNotArray;
    QByteArray missingRow = good;
    missingRow.replace("\"EveryKeyInfo_Row04\"", "\"EveryKeyInfo_RowXX\"");
    QTest::newRow("missing row") << missingRow;
    QByteArray shortRow = good;
    const int at = shortRow.indexOf("{\"PosX\": 69,");
    shortRow.remove(at, shortRow.indexOf('\n', at) - at + 1);
    QTest::newRow("row of 21 cells") << shortRow;
    QByteArray badKeyboard = good;
    badKeyboard.replace("\"sideLightHave\": 0", "\"sideLightHave\": [0]");
    QTest::newRow("flag of wrong type") << badKeyboard;
    QByteArray negative = good;
    negative.replace("\"Width\": 19, \"Height\": 21, \"Dec\": 41", "\"Width\": -19, \"Height\": 21, \"Dec\": 41");
    QTest::newRow("negative width") << negative;
}

void tst_keyboardview::malformedLayout()
{
    QFETCH(QByteArray, text);
    // A good layer first: a failed load must not leave its buttons behind.
    keySelectFrame previous;
    previous.loadKeyboardInfo(QStringLiteral("Doveln"));
    QCOMPARE(DDataManager::instance()->keyButtonList().size(), 132);

    keySelectFrame layer;
    QSignalSpy loaded(&layer, &keySelectFrame::sigKeyboardAlreadyLoad);
    QVERIFY(!layer.parseKeyboardInfo(text.constData()));
    QCOMPARE(loaded.count(), 0);
    QVERIFY(layer.findChildren<keyboardButCustom *>().isEmpty());
    QVERIFY(layer.keyGeometryInfos().isEmpty());
    QVERIFY(layer.keyButtonMap().isEmpty());
    QVERIFY(DDataManager::instance()->keyButtonList().isEmpty());
    QVERIFY(DDataManager::instance()->keyButtonMap().isEmpty());
    QVERIFY(!DDataManager::instance()->currentKeySelectFrame());

    // The view over such a layer stays inert.
    hidDeviceJoinFrame view;
    initView(view, "NoSuchModel");
    QCOMPARE(view.drawingArea()->width(), 20);
    view.setScale(1.5f);
    view.hoverAt(30, 30);
    view.selectKeysInRect(0, 0, 1000, 1000);
    QVERIFY(view.selectedKeyButtons().isEmpty());
    QVERIFY(DDataManager::instance()->keyButtonList().isEmpty());
}

void tst_keyboardview::readerQuirks()
{
    // Leading zeros, text after the closing brace, no "Keyboard" object.
    QByteArray text = doveln();
    text.replace("\"Keyboard\"", "\"NotKeyboard\"");
    text.replace("\"PosX\": 17,", "\"PosX\": 0017,");
    text.append("\ntrailing text that is not JSON {");
    keySelectFrame layer;
    QVERIFY(layer.parseKeyboardInfo(text.constData()));
    QCOMPARE(layer.keyGeometryInfos().size(), 132);
    QCOMPARE(layer.keyGeometryInfos().first().x, 17);
    QVERIFY(!layer.hasSideLight());

    // Row 00 is ignored without "sideLightHave" 1.
    keySelectFrame plain;
    QByteArray noSide = QFile::exists(":/images/configDir/KeyInfo_Pravo.config") ? QByteArray() : QByteArray();
    QFile f(QStringLiteral(":/images/configDir/KeyInfo_Pravo.config"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    noSide = f.readAll();
    noSide.replace("\"sideLightHave\": 1", "\"sideLightHave\": 0");
    QVERIFY(plain.parseKeyboardInfo(noSide.constData()));
    QVERIFY(plain.sideLightButtons().isEmpty());
    plain.showSideLights(true);
}

void tst_keyboardview::registryFollowsTheLayer()
{
    auto *layer = new keySelectFrame;
    layer->loadKeyboardInfo(QStringLiteral("Torvi"));
    QCOMPARE(DDataManager::instance()->keyButtonMap().value(41)->keyDec(), 41);
    delete layer;
    QVERIFY(DDataManager::instance()->keyButtonList().isEmpty());
    QVERIFY(DDataManager::instance()->keyButtonMap().isEmpty());
    QVERIFY(!DDataManager::instance()->currentKeySelectFrame());

    // A missing layout file leaves the registry empty too.
    keySelectFrame good;
    good.loadKeyboardInfo(QStringLiteral("Doveln"));
    keySelectFrame missing;
    missing.loadKeyboardInfo(QStringLiteral("NoSuchModel"));
    QVERIFY(DDataManager::instance()->keyButtonList().isEmpty());
}

void tst_keyboardview::clicks()
{
    keySelectFrame layer;
    layer.loadKeyboardInfo(QStringLiteral("Doveln"));
    DDataManager *data = DDataManager::instance();
    data->clearCurrentKey();
    QSignalSpy announced(data, SIGNAL(sigKeyButtonClickedReturnKeyCodeAndKeyChar(int, QString)));
    const auto keys = layer.keyButtonMap();

    keys.value(4)->click(); // A
    QCOMPARE(data->currentKeyCode(), 4);
    QCOMPARE(announced.count(), 1);

    keys.value(-10)->click(); // Fn
    QCOMPARE(data->currentKeyCode(), 4);

    keys.value(5)->setKeyEnabled(false); // B, not usable in this layer
    keys.value(5)->click();
    QCOMPARE(data->currentKeyCode(), 4);

    keys.value(4)->click(); // already selected
    QCOMPARE(announced.count(), 1);

    keys.value(41)->click();
    QCOMPARE(data->currentKeyCode(), 41);
    QCOMPARE(data->currentKeyText(), QStringLiteral("Esc"));
    QCOMPARE(announced.count(), 2);
}

void tst_keyboardview::captions()
{
    keySelectFrame layer;
    layer.loadKeyboardInfo(QStringLiteral("Mirvan"));
    QCOMPARE(layer.keyButtonMap().value(49)->keyCharacter(), QStringLiteral("\\|"));
    QCOMPARE(layer.keyButtonMap().value(52)->keyCharacter(), QStringLiteral("' \""));
    layer.keyButtonMap().value(52)->click();
    QCOMPARE(DDataManager::instance()->currentKeyText(), QStringLiteral("' \""));
    // An empty cell is an invisible button of no size.
    keyboardButCustom *empty = layer.gridButton(0, 1);
    QCOMPARE(empty->keyDec(), 0);
    QCOMPARE(empty->size(), QSize(0, 0));
}

void tst_keyboardview::bubble()
{
    keySelectFrame layer;
    layer.loadKeyboardInfo(QStringLiteral("Doveln"));
    const auto keys = layer.keyButtonMap();

    enter(keys.value(4));
    QVERIFY(layer.tipContent());
    QCOMPARE(layer.tipContent()->keyNameText(), QStringLiteral("A"));
    QCOMPARE(layer.tipContent()->mappingText(), QStringLiteral("A"));
    leave(keys.value(4));
    QVERIFY(!layer.tipContent());

    enter(keys.value(-10));
    QCOMPARE(layer.tipContent()->mappingText(), QStringLiteral("Cannot remapped"));
    leave(keys.value(-10));

    keys.value(5)->setKeyEnabled(false);
    enter(keys.value(5));
    QCOMPARE(layer.tipContent()->mappingText(), QStringLiteral("Cannot remapped"));
    // The bubble goes with the layer even while the pointer rests on a key.
}

// A bound key's bubble names its binding as the current profile stores it.
void tst_keyboardview::boundKeyBubble()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    CVardexXML_Init();
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("appProfile_Default.xml")));
    QVERIFY(CVardexXML_CreateXMLFile(path.constData()));
    QVERIFY(CVardexXML_CreateProFileXmlParentNode(path.constData(), "2", "Work", 0));
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(path.constData(), "2", "4", "A", "3", "1", "0", "2"));
    DDataManager *data = DDataManager::instance();
    QVERIFY(data->setProfileXmlPath(path.constData()));
    data->setCurrentProfileIndex(2);

    keySelectFrame layer;
    layer.loadKeyboardInfo(QStringLiteral("Doveln"));
    const auto keys = layer.keyButtonMap();
    enter(keys.value(4));
    QCOMPARE(layer.tipContent()->functionText(), QStringLiteral("Multimedia"));
    QCOMPARE(layer.tipContent()->mappingText(), QStringLiteral("Mute"));
    leave(keys.value(4));
    // Bound in another profile only: the key keeps its default function.
    data->setCurrentProfileIndex(1);
    enter(keys.value(4));
    QCOMPARE(layer.tipContent()->functionText(), QStringLiteral("Default"));
    QCOMPARE(layer.tipContent()->mappingText(), QStringLiteral("A"));
    leave(keys.value(4));
}

void tst_keyboardview::elision_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("elided");
    QTest::newRow("short") << QStringLiteral("Esc") << false;
    QTest::newRow("long") << QStringLiteral("L_CTRL + L_SHIFT + L_ALT + R_WIN + Backspace") << true;
}

void tst_keyboardview::elision()
{
    QFETCH(QString, text);
    QFETCH(bool, elided);
    DCustomEventTipExplain tip;
    tip.setTipInfo(QStringLiteral("A"), QStringLiteral("Default"), text, true);
    QCOMPARE(tip.isElided(), elided);
    QCOMPARE(tip.mappingText() == text, !elided);
    if (elided)
        QVERIFY(tip.mappingText().endsWith(QChar(0x2026)));
}

void tst_keyboardview::rubberBand_data()
{
    // Doveln at 1.0, drawing area at (ox, oy): a key's top-left corner lies at
    // (PosX + 10 + ox, PosY + 10 + oy). F1..F4 at PosX 69, 95, 121, 147, PosY 30.
    QTest::addColumn<QRect>("band"); // relative to the drawing area
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QList<int>>("codes");
    QTest::newRow("F1 to F4") << QRect(QPoint(75, 35), QPoint(160, 45)) << false << QList<int>{58, 59, 60, 61};
    QTest::newRow("reverse drag") << QRect(QPoint(75, 35), QPoint(160, 45)) << true << QList<int>{58, 59, 60, 61};
    QTest::newRow("only the corner") << QRect(QPoint(27, 40), QPoint(28, 41)) << false << QList<int>{41};
    QTest::newRow("misses the corner") << QRect(QPoint(28, 41), QPoint(45, 60)) << false << QList<int>{};
    QTest::newRow("nothing") << QRect(QPoint(0, 0), QPoint(5, 5)) << false << QList<int>{};
}

void tst_keyboardview::rubberBand()
{
    QFETCH(QRect, band);
    QFETCH(bool, reverse);
    QFETCH(QList<int>, codes);
    hidDeviceJoinFrame view;
    initView(view, "Doveln");
    const QPoint o = view.drawingArea()->pos();
    const QRect b = band.translated(o);
    if (reverse)
        view.selectBand(b.right(), b.bottom(), b.left(), b.top());
    else
        view.selectBand(b.left(), b.top(), b.right(), b.bottom());
    QCOMPARE(codesOf(view.selectedKeyButtons()), codes);

    // A click without movement keeps the selection; a flat band clears it.
    view.selectBand(b.left(), b.top(), b.left(), b.top());
    QCOMPARE(codesOf(view.selectedKeyButtons()), codes);
    view.selectBand(b.left(), b.top(), b.right(), b.top());
    QVERIFY(view.selectedKeyButtons().isEmpty());
}

void tst_keyboardview::bandFromOverlay()
{
    dragShowArea overlay;
    overlay.resize(300, 200);
    QSignalSpy band(&overlay, &dragShowArea::sigDragArea);
    QSignalSpy moved(&overlay, &dragShowArea::sigDragShowAreaMouseMovePoint);
    QSignalSpy pressed(&overlay, &dragShowArea::sigDragAreaMousePressOrRelease);

    QTest::mousePress(&overlay, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&overlay, Qt::LeftButton, {}, QPoint(50, 50));
    QCOMPARE(band.count(), 0); // inactive: inert

    overlay.setActive(true);
    QTest::mousePress(&overlay, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&overlay, Qt::LeftButton, {}, QPoint(500, 120));
    QCOMPARE(band.count(), 1);
    QCOMPARE(band.first(), (QList<QVariant>{10, 10, 300, 120})); // clamped to the overlay

    overlay.setOneKeyMode(true);
    QTest::mousePress(&overlay, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(&overlay, Qt::LeftButton, {}, QPoint(21, 22));
    QCOMPARE(band.count(), 1);
    QCOMPARE(pressed.count(), 2);
    QCOMPARE(pressed.at(0).at(0).toBool(), true);
    QCOMPARE(pressed.at(1).at(0).toBool(), false);
    QCOMPARE(moved.last(), (QList<QVariant>{21, 22}));
}

void tst_keyboardview::hoverAndPress()
{
    hidDeviceJoinFrame view;
    initView(view, "Doveln");
    QSignalSpy onKey(&view, &hidDeviceJoinFrame::sigDragAreaMoveOneKey);
    const QPoint o = view.drawingArea()->pos();
    const auto keys = view.keyLayer()->keyButtonMap();

    view.hoverAt(o.x() + 37, o.y() + 50); // middle of Esc
    QCOMPARE(view.hoveredKey(), keys.value(41));
    QCOMPARE(onKey.last().at(0).toBool(), true);

    // Keypad + spans rows 2 and 3: found in its upper half only.
    keyGeometryInfo plus;
    for (const keyGeometryInfo &g : view.keyLayer()->keyGeometryInfos())
        if (g.code == 87)
            plus = g;
    QVERIFY(plus.height > 30);
    const int cx = o.x() + 10 + plus.x + plus.width / 2;
    view.hoverAt(cx, o.y() + 10 + plus.y + 5);
    QCOMPARE(view.hoveredKey(), keys.value(87));
    view.hoverAt(cx, o.y() + 10 + plus.y + plus.height - 5);
    QVERIFY(!view.hoveredKey());
    QCOMPARE(onKey.last().at(0).toBool(), false);

    // A press on a hovered key toggles it; hover freezes while pressed.
    view.hoverAt(o.x() + 37, o.y() + 50);
    view.setMousePressed(true);
    QCOMPARE(codesOf(view.selectedKeyButtons()), QList<int>{41});
    const int emitted = onKey.count();
    view.hoverAt(o.x() + 5, o.y() + 5);
    QCOMPARE(onKey.count(), emitted);
    view.setMousePressed(false);
    view.setMousePressed(true);
    QVERIFY(view.selectedKeyButtons().isEmpty());
    view.setMousePressed(false);

    // Colour display on clears the band selection.
    view.selectBand(o.x() + 75, o.y() + 35, o.x() + 160, o.y() + 45);
    QCOMPARE(view.selectedKeyButtons().size(), 4);
    view.clearColorDisplay();
    QCOMPARE(view.selectedKeyButtons().size(), 4);
    view.setColorDisplay(true);
    QVERIFY(view.selectedKeyButtons().isEmpty());
}

QTEST_MAIN(tst_keyboardview)
#include "tst_keyboardview.moc"
