// The light page: which effects it offers, the records it stores for them and
// the light-mode reports it queues, byte for byte.
#include "lightPageFixture.h"

#include "ui/lightsConfig/SVColorArea.h"
#include "ui/widgets/DToolTipExplain.h"
#include "ui/widgets/sliderCustomWidget.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

using namespace lightPageTest;

class tst_lightpage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void capabilitiesShowOnlyListedTypes();
    void sideSwitchFollowsTheKeyboard();
    void newRecordPerType_data();
    void newRecordPerType();
    void everyEffectSendsOneReport();
    void radarReportIsByteExact();
    void staticSendsFullColourZero();
    void typeWithoutButtonSendsNothing();
    void sliderEditsStoreAndSend();
    void speedDragSendsOncePerTick();
    void zeroMaximumGivesOneTickAndClamps();
    void pickerDragSendsOnRelease();
    void pickerEditPaintsTheChosenButton_data();
    void pickerEditPaintsTheChosenButton();
    void swatchSetsTopColour();
    void rgbFields();
    void wheelPicksAgainAfterFieldEdit();
    void colourFromElsewhereRestsTheRing_data();
    void colourFromElsewhereRestsTheRing();
    void rgbFieldEdges_data();
    void rgbFieldEdges();
    void bottomColourChoiceSendsNothing();
    void bottomColourEdit_data();
    void bottomColourEdit();
    void saveWithoutStoredRecordAddsIt();
    void noTransportSendsNothing();
    void keyboardReportReloadsWithoutSending();
    void languageChangeKeepsTheRecord();
    void hoverTipNamesTheEffect_data();
    void hoverTipNamesTheEffect();
};

void tst_lightpage::initTestCase()
{
    QVERIFY(startLibrary());
    QVERIFY(!firstKeyboardPath().isEmpty());
}

// Which buttons a keyboard's lists leave visible.
void tst_lightpage::capabilitiesShowOnlyListedTypes()
{
    lightSupportInfo s;
    s.keyboard.lightTypes = {0, 2, 7, 13, 42};
    s.keyboard.speedMax = s.keyboard.brightnessMax = 5;
    Rig rig(s);
    QStringList shown;
    for (QAbstractButton *b : rig.page->findChildren<QAbstractButton *>(QRegularExpression("^toolButton_")))
        if (!b->isHidden() && b->objectName() != QLatin1String("toolButton_LightSelectTypeChanged"))
            shown << b->objectName();
    shown.sort();
    QCOMPARE(shown, (QStringList{"toolButton_Aurora", "toolButton_CustomLed", "toolButton_MusicalRhythm",
                                 "toolButton_Static", "toolButton_Wave"}));
    QVERIFY(rig.child<QFrame>("frame_B")->isHidden());
}

// A keyboard without side light hides the switch; the next one with side
// effects shows it with only its own side buttons.
void tst_lightpage::sideSwitchFollowsTheKeyboard()
{
    lightSupportInfo none;
    none.keyboard.lightTypes = {0};
    Rig rig(none);
    QSignalSpy tips(rig.page.get(), &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage);
    rig.child<QAbstractButton>("toolButton_LightSelectTypeChanged")->click();
    QCOMPARE(tips.count(), 1);
    QVERIFY(rig.page->isKeyboardPartShown());

    lightSupportInfo side = none;
    side.side.lightTypes = {1, 5};
    rig.page->setLightSupportInfo(side);
    QVERIFY(!rig.child<QFrame>("frame_B")->isHidden());
    QStringList shown;
    for (QAbstractButton *b : rig.page->findChildren<QAbstractButton *>(QRegularExpression("^toolButton_Side")))
        if (!b->isHidden())
            shown << b->objectName();
    shown.sort();
    QCOMPARE(shown, (QStringList{"toolButton_SideBreath", "toolButton_SideClose"}));
}

void tst_lightpage::newRecordPerType_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<int>>("record");
    QTest::addColumn<QStringList>("directions"); // visible direction buttons; empty: frame hidden
    QTest::addColumn<bool>("coloursShown");
    QTest::addColumn<int>("lengthByte");
    QTest::newRow("radar") << "toolButton_Radar" << QList<int>{0, 4, 3, 3, 255, 0, 0, 0, 0, 0, 6, 1, 0, 0}
                           << QStringList{"pushButton_CW", "pushButton_UnCW"} << true << 0x0E;
    QTest::newRow("aurora") << "toolButton_Aurora" << QList<int>{0, 7, 3, 3, 255, 0, 0, 0, 0, 0, 4, 1, 0, 0}
                            << QStringList{"pushButton_Dispersion", "pushButton_Gather"} << true << 0x0E;
    QTest::newRow("speed respond") << "toolButton_SpeedRespond"
                                   << QList<int>{0, 12, 3, 3, 255, 0, 0, 0, 0, 0, 2, 1, 0, 0}
                                   << QStringList{"pushButton_Down", "pushButton_Up"} << true << 0x0E;
    QTest::newRow("custom") << "toolButton_CustomLed" << QList<int>{0, 10, 3, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0}
                            << QStringList{} << false << 0x0E;
    QTest::newRow("side close") << "toolButton_SideClose" << QList<int>{1, 5, 3, 3, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}
                                << QStringList{} << false << 0x0D;
    QTest::newRow("side wave") << "toolButton_SideWave" << QList<int>{1, 2, 3, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0}
                               << QStringList{} << true << 0x0D;
}

// A type chosen in an empty profile gets its new record, its controls and
// one report of its part.
void tst_lightpage::newRecordPerType()
{
    QFETCH(QString, button);
    QFETCH(QList<int>, record);
    QFETCH(QStringList, directions);
    QFETCH(bool, coloursShown);
    QFETCH(int, lengthByte);
    Rig rig;
    rig.page->initKeyboardLightPage();
    if (record.at(0) == 1)
        rig.child<QAbstractButton>("toolButton_LightSelectTypeChanged")->click();
    rig.newReports();
    QSignalSpy chosen(rig.page.get(), record.at(0) == 0 ? &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB
                                                        : &DLightsConfigPage::sigSelectCurrentLightTypeIndex_Side);
    rig.child<QAbstractButton>(button.toLatin1().constData())->click();

    bool found = false;
    QCOMPARE(fields(storedRecord(rig.store, record.at(0), record.at(1), &found)), record);
    QVERIFY(found);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toInt(), record.at(1));
    QStringList visible;
    if (!rig.child<QFrame>("frame_DirectionMain")->isHidden())
        for (QAbstractButton *b : rig.child<QFrame>("frame_8888")->findChildren<QAbstractButton *>())
            if (!b->isHidden())
                visible << b->objectName();
    visible.sort();
    QCOMPARE(visible, directions);
    QCOMPARE(!rig.child<QFrame>("frame_23")->isHidden(), coloursShown);
    QCOMPARE(!rig.child<QFrame>("frame_25")->isHidden(), coloursShown);
    const bool closed = button == QLatin1String("toolButton_SideClose");
    QCOMPARE(rig.child<QFrame>("frame_Brightness")->isHidden(), closed);
    // The top colour and the picker go with the light that is off.
    QCOMPARE(rig.child<QFrame>("frame_C")->isHidden(), closed);
    const QList<QByteArray> sent = rig.newReports();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(int(at(sent[0], 1)), record.at(0) == 0 ? 0x06 : 0x07);
    QCOMPARE(int(at(sent[0], 5)), lengthByte);
    QCOMPARE(int(at(sent[0], 6)), record.at(1));
    if (closed) {
        // and come back with the keyboard part.
        rig.child<QAbstractButton>("toolButton_LightSelectTypeChanged")->click();
        QVERIFY(!rig.child<QFrame>("frame_C")->isHidden());
    }
}

// Each effect the keyboard lists: one report of its value, and the choice
// is what showing the page selects again.
void tst_lightpage::everyEffectSendsOneReport()
{
    Rig rig;
    const QList<int> values = fullSupport().keyboard.lightTypes;
    for (int value : values) {
        const lightTypeRow *row = lightTypeTable::byValue(0, value);
        QVERIFY(row && row->button);
        QAbstractButton *button = rig.child<QAbstractButton>(row->button);
        QVERIFY(!button->isHidden());
        rig.newReports();
        button->click();
        const QList<QByteArray> sent = rig.newReports();
        QCOMPARE(sent.size(), 1);
        QCOMPARE(int(at(sent[0], 6)), value & 0xFF);
        QCOMPARE(CVardexXML_SelectProFileMouseLightTypeUsingIndex(rig.store.constData(), "1", 0), value);
        rig.page->initKeyboardLightPage();
        QVERIFY(button->isChecked());
        QCOMPARE(int(at(rig.newReports().value(0), 6)), value & 0xFF);
    }
}

void tst_lightpage::radarReportIsByteExact()
{
    Rig rig;
    rig.newReports();
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    QTest::ignoreMessage(QtDebugMsg, "USB serial port [Write Led] Successful ... ledType:4");
    rig.child<QAbstractButton>("toolButton_Radar")->click();
    const qint64 after = QDateTime::currentMSecsSinceEpoch();
    const QList<QByteArray> sent = rig.newReports();
    QCOMPARE(sent.size(), 1);
    QByteArray expected = QByteArray::fromHex("01060000000E040202FF00000000000601");
    expected.append(QByteArray(62 - expected.size(), '\0'));
    QCOMPARE(sent[0].left(62).toHex(' '), expected.toHex(' '));
    QVERIFY(clockWithin(hidCmdBuff::u16(reinterpret_cast<const unsigned char *>(sent[0].constData()), 62), before,
                        after));
}

void tst_lightpage::staticSendsFullColourZero()
{
    Rig rig;
    rig.child<QAbstractButton>("toolButton_Static")->click();
    QCOMPARE(storedRecord(rig.store, 0, 0).ledFullColor, 1);
    const QList<QByteArray> sent = rig.newReports();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(int(at(sent[0], 16)), 0);
    rig.child<QAbstractButton>("toolButton_Breath")->click();
    QCOMPARE(int(at(rig.newReports().value(0), 16)), 1);
}

// DPI (no button) or an unknown stored type: showing the page selects
// nothing and sends nothing.
void tst_lightpage::typeWithoutButtonSendsNothing()
{
    for (int stored : {13, 77}) {
        Rig rig;
        CVardexXML_ModifyProFileMouseLightUsingIndex(rig.store.constData(), "1", 0, stored);
        QSignalSpy chosen(rig.page.get(), &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB);
        rig.page->initKeyboardLightPage();
        QCOMPARE(chosen.count(), 0);
        QVERIFY(rig.newReports().isEmpty());
        for (QAbstractButton *b : rig.child<QWidget>("page_KeyboardLightMode")->findChildren<QAbstractButton *>())
            QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
    }
}

void tst_lightpage::sliderEditsStoreAndSend()
{
    Rig rig;
    rig.page->initKeyboardLightPage(); // stored type 2 (Wave) or the store's first
    rig.child<QAbstractButton>("toolButton_Breath")->click();
    rig.newReports();
    QSignalSpy changed(rig.page.get(), &DLightsConfigPage::sigLightConfigHaveChanged);
    sliderCustomWidget *brightness = rig.page->brightnessSlider();
    QTest::mousePress(brightness, Qt::LeftButton, Qt::NoModifier, QPoint(brightness->ticks().at(3), 20));
    QCOMPARE(storedRecord(rig.store, 0, 1).ledBrightness, 4);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 2);
    QList<QByteArray> sent = rig.newReports();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(int(at(sent[0], 7)), 3);

    rig.child<QAbstractButton>("pushButton_Down")->click(); // hidden for Breath, still a direction edit
    QCOMPARE(storedRecord(rig.store, 0, 1).ledDirection, 3);
    QCOMPARE(int(at(rig.newReports().value(0), 15)), 3);

    rig.child<QAbstractButton>("checkBox_FullColorMode")->click();
    QCOMPARE(storedRecord(rig.store, 0, 1).ledFullColor, 0);
    QCOMPARE(changed.last().at(0).toInt(), 1);
    QCOMPARE(int(at(rig.newReports().value(0), 16)), 0);
}

void tst_lightpage::speedDragSendsOncePerTick()
{
    Rig rig;
    rig.child<QAbstractButton>("toolButton_Wave")->click();
    rig.newReports();
    sliderCustomWidget *speed = rig.page->speedSlider();
    const QList<int> ticks = speed->ticks();
    QTest::mousePress(speed, Qt::LeftButton, Qt::NoModifier, QPoint(ticks.at(2), 20));
    for (int x = ticks.at(2) + 1; x <= ticks.at(4); ++x) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 20), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(speed, &move);
    }
    QTest::mouseRelease(speed, Qt::LeftButton, Qt::NoModifier, QPoint(ticks.at(4), 20));
    // The slider reports a tick each time the pointer passes within 5 px of
    // it; one report per report of the slider.
    QList<int> speeds;
    for (const QByteArray &r : rig.newReports())
        speeds << at(r, 8);
    QVERIFY(!speeds.isEmpty());
    QCOMPARE(speeds.first(), 2);
    QCOMPARE(speeds.last(), 4);
    QCOMPARE(storedRecord(rig.store, 0, 2).ledSpeed, 5);
}

// A keyboard with a single brightness and speed gets a single tick; records
// go out within its range.
void tst_lightpage::zeroMaximumGivesOneTickAndClamps()
{
    lightSupportInfo s = fullSupport();
    s.keyboard.speedMax = 0;
    s.keyboard.brightnessMax = 2;
    Rig rig(s);
    colorInfoData bright {};
    bright.hidType = 0;
    bright.ledType = 1;
    bright.ledBrightness = 6;
    bright.ledSpeed = 6;
    CVardexXML_AddProFileLightInfoItem(rig.store.constData(), "1", bright);
    CVardexXML_ModifyProFileMouseLightUsingIndex(rig.store.constData(), "1", 0, 1);
    rig.page->speedSlider()->setSteps(5);
    rig.page->initKeyboardLightPage();
    QCOMPARE(rig.page->speedSlider()->ticks().size(), 1);
    QCOMPARE(rig.page->brightnessSlider()->ticks().size(), 3);
    QList<QByteArray> sent = rig.newReports();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(int(at(sent[0], 7)), 2);
    QCOMPARE(int(at(sent[0], 8)), 0);

    rig.child<QAbstractButton>("toolButton_Radar")->click();
    QCOMPARE(storedRecord(rig.store, 0, 4).ledSpeed, 1);
    QCOMPARE(storedRecord(rig.store, 0, 4).ledBrightness, 3);
}

void tst_lightpage::pickerDragSendsOnRelease()
{
    Rig rig;
    rig.child<QAbstractButton>("toolButton_Breath")->click();
    rig.newReports();
    SVColorArea *area = rig.page->colorArea();
    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, QPoint(100, 60));
    for (const QPoint &p : {QPoint(95, 80), QPoint(80, 100), QPoint(60, 105)}) {
        QMouseEvent move(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(area, &move);
    }
    QVERIFY(rig.newReports().isEmpty());
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, QPoint(60, 105));
    QCOMPARE(rig.newReports().size(), 1);
}

void tst_lightpage::pickerEditPaintsTheChosenButton_data()
{
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("edit");
    QTest::newRow("wheel drag, top colour") << "TopColor" << "wheel";
    QTest::newRow("wheel drag, bottom colour") << "BottomColor" << "wheel";
    QTest::newRow("value ring, top colour") << "TopColor" << "ring";
}

// While the picker is being used, the chosen end's button shows the colour
// the fields and the preview show; the other button keeps its colour, and
// the release stores and sends that colour once.
void tst_lightpage::pickerEditPaintsTheChosenButton()
{
    QFETCH(QString, end);
    QFETCH(QString, edit);
    Rig rig;
    rig.child<QAbstractButton>("toolButton_Breath")->click();
    rig.page->onInstallEventFilterOpen();
    QTest::mousePress(rig.child<QLabel>("label_Color13"), Qt::LeftButton); // top: blue
    rig.page->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.page.get()));
    auto *chosen = rig.child<QAbstractButton>(qPrintable("pushButton_" + end));
    auto *other = rig.child<QAbstractButton>(end == "TopColor" ? "pushButton_BottomColor" : "pushButton_TopColor");
    chosen->click();
    auto face = [](QWidget *w) { return w->grab().toImage().pixelColor(w->rect().center()); };
    const QColor otherBefore = face(other);
    const QColor chosenBefore = face(chosen);
    rig.newReports();

    SVColorArea *area = rig.page->colorArea();
    if (edit == "wheel") {
        QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, QPoint(60, 35));
        QMouseEvent move(QEvent::MouseMove, QPoint(35, 70), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(area, &move);
    } else {
        QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, QPoint(59, 105)); // half way: value 127
        area->grab(); // the ring reports as it repaints
    }
    const QColor fields(rig.child<QLineEdit>("lineEdit_R")->text().toInt(), rig.child<QLineEdit>("lineEdit_G")->text().toInt(),
                        rig.child<QLineEdit>("lineEdit_B")->text().toInt());
    QVERIFY(fields != chosenBefore);
    QCOMPARE(face(chosen), fields);
    QCOMPARE(face(rig.child<QLabel>("label_ColorShow")), fields);
    QCOMPARE(face(other), otherBefore);
    QVERIFY(rig.newReports().isEmpty());

    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, QPoint(35, 70));
    const QList<QByteArray> sent = rig.newReports();
    QCOMPARE(sent.size(), 1);
    const int at = end == "TopColor" ? 9 : 12;
    QCOMPARE(QColor(int(lightPageTest::at(sent[0], at)), int(lightPageTest::at(sent[0], at + 1)),
                    int(lightPageTest::at(sent[0], at + 2))),
             fields);
}

void tst_lightpage::swatchSetsTopColour()
{
    Rig rig;
    rig.child<QAbstractButton>("toolButton_Breath")->click();
    rig.page->onInstallEventFilterOpen();
    rig.newReports();
    QTest::mousePress(rig.child<QLabel>("label_Color20"), Qt::LeftButton);
    const colorInfoData r = storedRecord(rig.store, 0, 1);
    QCOMPARE((QList<int>{r.ledTopColor[0], r.ledTopColor[1], r.ledTopColor[2]}), (QList<int>{255, 255, 255}));
    const QList<QByteArray> sent = rig.newReports();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent[0].mid(9, 3).toHex(), QByteArray("ffffff"));
    QCOMPARE(rig.child<QLineEdit>("lineEdit_G")->text(), QStringLiteral("255"));
}

void tst_lightpage::rgbFields()
{
    Rig rig;
    rig.child<QAbstractButton>("toolButton_Breath")->click();
    rig.page->show();
    rig.page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig.page.get()));
    rig.newReports();

    QLineEdit *g = rig.child<QLineEdit>("lineEdit_G");
    QLineEdit *r = rig.child<QLineEdit>("lineEdit_R");
    g->setFocus();
    g->selectAll();
    QTest::keyClicks(g, "120");
    QCOMPARE(storedRecord(rig.store, 0, 1).ledTopColor[1], 120);
    QCOMPARE(rig.newReports().size(), 3); // "1", "12", "120"

    r->setFocus();
    r->selectAll();
    QTest::keyClicks(r, "300"); // "3" and "30" are taken, "300" is refused
    QCOMPARE(r->text(), QStringLiteral("30"));
    QCOMPARE(storedRecord(rig.store, 0, 1).ledTopColor[0], 30);
    r->setText(QStringLiteral("300"));
    QCOMPARE(r->text(), QStringLiteral("30"));

    // A minus sign is refused: nothing stored, nothing sent (it would go
    // out as a byte like 0xFB).
    rig.newReports();
    r->setText(QStringLiteral("-5"));
    QCOMPARE(r->text(), QStringLiteral("30"));
    QVERIFY(rig.newReports().isEmpty());
    QCOMPARE(storedRecord(rig.store, 0, 1).ledTopColor[0], 30);
    r->selectAll();
    QTest::keyClicks(r, "-5"); // the field takes no minus sign; "5" alone is a colour
    QCOMPARE(r->text(), QStringLiteral("5"));
    QCOMPARE(storedRecord(rig.store, 0, 1).ledTopColor[0], 5);
}

// The marker stays on the picked point while the fields are edited; a click
// there takes that point's colour again, not the edited one.
void tst_lightpage::wheelPicksAgainAfterFieldEdit()
{
    Rig rig;
    rig.child<QAbstractButton>("toolButton_Breath")->click();
    rig.page->show();
    rig.page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig.page.get()));
    SVColorArea *area = rig.page->colorArea();
    QLineEdit *r = rig.child<QLineEdit>("lineEdit_R");
    QLineEdit *g = rig.child<QLineEdit>("lineEdit_G");
    QLineEdit *b = rig.child<QLineEdit>("lineEdit_B");
    auto shown = [&] { return QColor(r->text().toInt(), g->text().toInt(), b->text().toInt()); };

    const QPoint at(45, 70);
    QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, at);
    const QColor picked = shown();
    QVERIFY(picked != QColor(Qt::black));

    for (QLineEdit *field : {r, b}) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, field->text() == QLatin1String("7") ? "8" : "7");
        QVERIFY(shown() != picked);
        QVERIFY(area->hasPickMarker());

        QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(shown(), picked);
        QCOMPARE(storedRecord(rig.store, 0, 1).ledTopColor[0], picked.red());
        QCOMPARE(storedRecord(rig.store, 0, 1).ledTopColor[2], picked.blue());
    }
}

void tst_lightpage::colourFromElsewhereRestsTheRing_data()
{
    QTest::addColumn<QString>("source");
    QTest::newRow("swatch") << "label_Color20";
    QTest::newRow("bottom colour chosen") << "pushButton_BottomColor";
    QTest::newRow("another effect loaded") << "toolButton_Radar";
}

// A colour taken from elsewhere is shown as it is: the ring, turned half way
// before, goes back to rest instead of darkening it at the next repaint.
void tst_lightpage::colourFromElsewhereRestsTheRing()
{
    QFETCH(QString, source);
    Rig rig;
    colorInfoData breath {};
    breath.hidType = 0;
    breath.ledType = 1;
    breath.ledBrightness = breath.ledSpeed = 2;
    breath.ledBottomColor[2] = 200;
    CVardexXML_AddProFileLightInfoItem(rig.store.constData(), "1", breath);
    rig.child<QAbstractButton>("toolButton_Breath")->click();
    rig.page->onInstallEventFilterOpen();
    SVColorArea *area = rig.page->colorArea();
    QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, QPoint(59, 100)); // ring value 50
    area->grab();
    QCOMPARE(area->ringValue(), 50.0);

    if (source.startsWith(QLatin1String("label_")))
        QTest::mousePress(rig.child<QLabel>(qPrintable(source)), Qt::LeftButton);
    else
        rig.child<QAbstractButton>(qPrintable(source))->click();
    auto shown = [&] {
        return QStringList{rig.child<QLineEdit>("lineEdit_R")->text(), rig.child<QLineEdit>("lineEdit_G")->text(),
                           rig.child<QLineEdit>("lineEdit_B")->text()};
    };
    const QStringList taken = shown();
    QVERIFY(taken != QStringList({"0", "0", "0"})); // black would hide a darkening
    area->grab();
    QCOMPARE(area->ringValue(), 0.0);
    QCOMPARE(shown(), taken);
}

void tst_lightpage::rgbFieldEdges_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");  // typed at the end of the field showing "25"
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");     // red, green or blue of the top colour
    QTest::addColumn<bool>("sent");
    QTest::newRow("red 255") << "lineEdit_R" << "5" << "255" << 255 << true;
    QTest::newRow("red 256") << "lineEdit_R" << "6" << "25" << 25 << false;
    QTest::newRow("green 256") << "lineEdit_G" << "6" << "25" << 25 << false;
    QTest::newRow("blue 255") << "lineEdit_B" << "5" << "255" << 255 << true;
    QTest::newRow("blue 2550") << "lineEdit_B" << "50" << "255" << 255 << true;
}

// Each field holds 0..255: the largest value is taken, one more puts the
// field back to what it showed, with nothing stored or sent.
void tst_lightpage::rgbFieldEdges()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, stored);
    QFETCH(bool, sent);
    Rig rig;
    rig.child<QAbstractButton>("toolButton_Breath")->click();
    rig.page->show();
    rig.page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig.page.get()));
    const int component = field == QLatin1String("lineEdit_R") ? 0 : field == QLatin1String("lineEdit_G") ? 1 : 2;
    // The other fields hold values of their own, and one of them was the
    // last one edited: the refused field goes back to its own value.
    for (const char *name : {"lineEdit_R", "lineEdit_G", "lineEdit_B"}) {
        QLineEdit *e = rig.child<QLineEdit>(name);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, field == QLatin1String(name) ? "25" : "7");
    }
    QCOMPARE(storedRecord(rig.store, 0, 1).ledTopColor[component], 25);
    rig.newReports();

    QLineEdit *e = rig.child<QLineEdit>(field.toLatin1().constData());
    e->setFocus();
    e->end(false);
    QTest::keyClicks(e, typed);
    QCOMPARE(e->text(), shown);
    const colorInfoData r = storedRecord(rig.store, 0, 1);
    QCOMPARE(r.ledTopColor[component], stored);
    for (int other = 0; other < 3; ++other)
        if (other != component)
            QCOMPARE(r.ledTopColor[other], 7);
    const QList<QByteArray> reports = rig.newReports();
    QCOMPARE(!reports.isEmpty(), sent);
    if (sent)
        QCOMPARE(int(at(reports.last(), 9 + component)), stored);

    // Put in whole (as a paste or the page itself might), past the validator.
    e->setText(QStringLiteral("256"));
    QCOMPARE(e->text(), shown);
    QCOMPARE(storedRecord(rig.store, 0, 1).ledTopColor[component], stored);
    QVERIFY(rig.newReports().isEmpty());
}

void tst_lightpage::bottomColourChoiceSendsNothing()
{
    Rig rig;
    colorInfoData breath {};
    breath.hidType = 0;
    breath.ledType = 1;
    breath.ledBrightness = breath.ledSpeed = 2;
    breath.ledBottomColor[2] = 200;
    CVardexXML_AddProFileLightInfoItem(rig.store.constData(), "1", breath);
    rig.child<QAbstractButton>("toolButton_Breath")->click();
    rig.newReports();
    rig.child<QAbstractButton>("pushButton_BottomColor")->click();
    QCOMPARE(rig.child<QLineEdit>("lineEdit_B")->text(), QStringLiteral("200"));
    QVERIFY(rig.newReports().isEmpty());
}

void tst_lightpage::bottomColourEdit_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QList<int>>("bottom");
    QTest::newRow("swatch") << "label_Color20" << QList<int>{255, 255, 255};
    QTest::newRow("green field") << "lineEdit_G" << QList<int>{0, 99, 200};
}

// With Bottom chosen, a picked colour becomes the bottom colour, in the store
// and in the report's bottom bytes; the top colour stays as it was.
void tst_lightpage::bottomColourEdit()
{
    QFETCH(QString, how);
    QFETCH(QList<int>, bottom);
    Rig rig;
    colorInfoData breath {};
    breath.hidType = 0;
    breath.ledType = 1;
    breath.ledBrightness = breath.ledSpeed = 2;
    breath.ledTopColor[0] = 10;
    breath.ledTopColor[1] = 20;
    breath.ledTopColor[2] = 30;
    breath.ledBottomColor[2] = 200;
    CVardexXML_AddProFileLightInfoItem(rig.store.constData(), "1", breath);
    rig.child<QAbstractButton>("toolButton_Breath")->click();
    rig.page->onInstallEventFilterOpen();
    rig.page->show();
    rig.page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig.page.get()));
    rig.child<QAbstractButton>("pushButton_BottomColor")->click();
    rig.newReports();

    if (how.startsWith(QLatin1String("label_"))) {
        QTest::mousePress(rig.child<QLabel>(how.toLatin1().constData()), Qt::LeftButton);
    } else {
        QLineEdit *e = rig.child<QLineEdit>(how.toLatin1().constData());
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, "99");
    }
    const colorInfoData r = storedRecord(rig.store, 0, 1);
    QCOMPARE((QList<int>{r.ledBottomColor[0], r.ledBottomColor[1], r.ledBottomColor[2]}), bottom);
    QCOMPARE((QList<int>{r.ledTopColor[0], r.ledTopColor[1], r.ledTopColor[2]}), (QList<int>{10, 20, 30}));
    const QList<QByteArray> sent = rig.newReports();
    QVERIFY(!sent.isEmpty());
    QCOMPARE(sent.last().mid(9, 3).toHex(), QByteArray("0a141e"));
    QByteArray bottomBytes;
    for (int v : bottom)
        bottomBytes.append(char(v));
    QCOMPARE(sent.last().mid(12, 3).toHex(), bottomBytes.toHex());
}

// An edit whose record vanished from the store (edited meanwhile) is stored
// again rather than lost.
void tst_lightpage::saveWithoutStoredRecordAddsIt()
{
    Rig rig;
    rig.child<QAbstractButton>("toolButton_Breath")->click();
    const QByteArray other = newStore(rig.dir, QStringLiteral("other.xml"));
    rig.page->setProfileXmlPath(other.constData());
    QTest::mousePress(rig.page->brightnessSlider(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(rig.page->brightnessSlider()->ticks().at(4), 20));
    bool found = false;
    QCOMPARE(storedRecord(other, 0, 1, &found).ledBrightness, 5);
    QVERIFY(found);
}

// Before any keyboard is handed over, and after its transport closed, a
// report is only logged as failed.
void tst_lightpage::noTransportSendsNothing()
{
    Rig rig(fullSupport(), false);
    QTest::ignoreMessage(QtDebugMsg, "USB serial port [Write Led] Failed ...");
    rig.child<QAbstractButton>("toolButton_Radar")->click();
    QCOMPARE(storedRecord(rig.store, 0, 4).ledType, 4);

    Rig closed;
    closed.transport->hidApi_Close(1);
    QTest::ignoreMessage(QtDebugMsg, "USB serial port [Write Led] Failed ...");
    closed.child<QAbstractButton>("toolButton_Wave")->click();
}

// The keyboard changed its own light: the page shows the stored side record
// and tells the device page, but sends nothing back.
void tst_lightpage::keyboardReportReloadsWithoutSending()
{
    Rig rig;
    rig.page->initKeyboardLightPage();
    colorInfoData side {};
    side.hidType = 1;
    side.ledType = 3;
    side.ledBrightness = side.ledSpeed = 2;
    CVardexXML_AddProFileLightInfoItem(rig.store.constData(), "1", side);
    CVardexXML_ModifyProFileMouseLightUsingIndex(rig.store.constData(), "1", 1, 3);
    rig.newReports();
    QSignalSpy changed(rig.page.get(), &DLightsConfigPage::sigLightConfigHaveChanged);
    rig.page->showDeviceLightPart(1, 3);
    QVERIFY(!rig.page->isKeyboardPartShown());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), -1);
    QCOMPARE(fields(changed.at(0).at(1).value<colorInfoData>()), fields(side));
    QVERIFY(rig.child<QAbstractButton>("toolButton_SideCollision")->isChecked());
    QVERIFY(rig.newReports().isEmpty());
}

void tst_lightpage::languageChangeKeepsTheRecord()
{
    Rig rig;
    rig.child<QAbstractButton>("toolButton_MusicalRhythm")->click();
    rig.child<QAbstractButton>("pushButton_BottomColor")->click();
    const QList<int> before = fields(storedRecord(rig.store, 0, 100));
    // The fields show the chosen colour (the bottom colour, black), not the
    // form's 0 / 255 / 0.
    const auto rgb = [&rig] {
        return QStringList {rig.child<QLineEdit>("lineEdit_R")->text(), rig.child<QLineEdit>("lineEdit_G")->text(),
                            rig.child<QLineEdit>("lineEdit_B")->text()};
    };
    const QStringList shown = rgb();
    QCOMPARE(shown, (QStringList {"0", "0", "0"}));
    QTranslator chinese;
    QVERIFY(chinese.load(QStringLiteral(VARDEX_TRANSLATION_DIR "/Zh_SM.qm")));
    QCoreApplication::installTranslator(&chinese);
    rig.newReports();
    rig.page->retranslateLightTypeText();
    QCoreApplication::removeTranslator(&chinese);
    QCOMPARE(rig.child<QLabel>("label_LightMode")->text(), QStringLiteral("音乐律动"));
    QCOMPARE(rig.child<QLabel>("label_24")->text(), QStringLiteral("亮度："));
    QCOMPARE(rgb(), shown);
    // Back to the top colour (red): its fields too survive a language change.
    rig.child<QAbstractButton>("pushButton_TopColor")->click();
    QCOMPARE(rgb(), (QStringList {"255", "0", "0"}));
    QCoreApplication::installTranslator(&chinese);
    rig.page->retranslateLightTypeText();
    QCoreApplication::removeTranslator(&chinese);
    QCOMPARE(rgb(), (QStringList {"255", "0", "0"}));
    QCOMPARE(fields(storedRecord(rig.store, 0, 100)), before);
    QVERIFY(rig.newReports().isEmpty());
}

void tst_lightpage::hoverTipNamesTheEffect_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("tip");
    QTest::newRow("snake") << "toolButton_Snack" << "Snake";
    QTest::newRow("speed respond") << "toolButton_SpeedRespond" << "Speed Respond";
    QTest::newRow("side neon") << "toolButton_SideNeon" << "Neon";
    QTest::newRow("part switch") << "toolButton_LightSelectTypeChanged" << "Keyboard/Ambient";
}

void tst_lightpage::hoverTipNamesTheEffect()
{
    QFETCH(QString, button);
    QFETCH(QString, tip);
    Rig rig;
    rig.page->onInstallEventFilterOpen();
    QWidget *b = rig.child<QWidget>(button.toLatin1().constData());
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(b, &enter);
    QVERIFY(rig.page->typeTipBubble());
    QVERIFY(rig.page->typeTipBubble()->isVisible());
    QCOMPARE(rig.page->typeTipBubble()->findChild<DToolTipExplain *>()->text(), tip);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(b, &leave);
    QVERIFY(!rig.page->typeTipBubble()->isVisible());
}

QTEST_MAIN(tst_lightpage)
#include "tst_lightpage.moc"
