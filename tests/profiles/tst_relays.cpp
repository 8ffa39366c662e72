// The device page's relays against a simulated keyboard: the battery and
// connection display, the light page's choices, custom-light colours and the
// re-binding of an edited macro into every profile of both layers.
#include "profilesFixture.h"

#include "ui/customKeys/DCustomKeysPage.h"
#include "ui/lightsConfig/DCustomLightListItem.h"
#include "ui/lightsConfig/DLightsConfigPage.h"
#include "ui/lightsConfig/lightTypeTable.h"
#include "ui/keyboardView/dragShowArea.h"
#include "ui/keyboardView/hidDeviceJoinFrame.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "ui/widgets/BatteryItem.h"
#include "../testWait.h"

#include <QLabel>
#include <QSignalSpy>

#include <sys/stat.h>

using namespace profilesTest;

namespace {

const QByteArray kSerial = "A1b2C3d4E5f6A7b8C9d0E1f2A3b4C5d6";

MacroEventRecord keyEvent(int mark, int keyCode, bool down)
{
    MacroEventRecord e {};
    qstrncpy(e.mark, QByteArray::number(mark).constData(), sizeof e.mark);
    qstrncpy(e.delay, "10", sizeof e.delay);
    qstrncpy(e.type, "key", sizeof e.type);
    qstrncpy(e.keyCode, QByteArray::number(keyCode).constData(), sizeof e.keyCode);
    qstrncpy(e.codeName, "K", sizeof e.codeName);
    qstrncpy(e.operate, down ? "down" : "up", sizeof e.operate);
    return e;
}

QStringList copyOfMacro(const QByteArray &store, int profile, const char *macro)
{
    std::list<MacroEventRecord> events;
    if (!CVardexXML_ProFileMacroWithKeyInfoSelectAll(store.constData(), QByteArray::number(profile).constData(),
                                                     macro, "", events))
        return {QStringLiteral("<no copy>")};
    QStringList out;
    for (const MacroEventRecord &e : events)
        out << QStringLiteral("%1 %2").arg(QString::fromLatin1(e.keyCode), QString::fromLatin1(e.operate));
    return out;
}

} // namespace

class tst_relays : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void battery_data();
    void battery();
    void chargingSweeps();
    void batteryColours_data();
    void batteryColours();
    void simulatedReceiverShowsItsBattery();
    void switchedKeyboardShowsNoLevelUntilItReports_data();
    void switchedKeyboardShowsNoLevelUntilItReports();
    void lightTypeStartsHookAndSelection_data();
    void lightTypeStartsHookAndSelection();
    void keyboardLightReport();
    void customLightChosenColoursKeys();
    void customColourStoresOnlyColouredKeys();
    void selectionFollowsTheCurrentCustomLight_data();
    void selectionFollowsTheCurrentCustomLight();
    void macroRebindingInEveryProfile();

private:
    BatteryItem *gauge() const { return m_page->findChild<BatteryItem *>(QStringLiteral("label_ElectricityNum")); }
    QLabel *label(const char *name) const { return m_page->findChild<QLabel *>(QLatin1String(name)); }
    QByteArray store() const { return m_page->profileXmlPath(); }
    keyboardButCustom *button(int row, int column) const { return m_page->lightEngine()->keyButton(row, column); }

    std::unique_ptr<DDevicePage> m_page;
};

void tst_relays::initTestCase()
{
    QVERIFY(startLibrary());
}

void tst_relays::init()
{
    removeProfileFolders();
    // Status reports of the simulator would race with the reports the tests
    // hand the page.
    m_page = startPage({{"Pravo", false, true, kSerial}});
    QVERIFY(m_page);
    CVardexSim_SetStatusInterval(pathOfModel("Pravo", false).toLatin1().constData(), 0);
    QTest::qWait(50);
}

void tst_relays::cleanup()
{
    destroyPage(m_page);
}

void tst_relays::battery_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("valid");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<int>("gaugeLevel");
    QTest::addColumn<bool>("chargingShown");
    QTest::addColumn<QString>("modeText");
    const QString own = QString::fromLatin1(kSerial);
    // -1 and "": unchanged.
    QTest::newRow("charged") << 2 << 37 << 0 << 0 << own << 100 << true << "USB";
    QTest::newRow("discharging") << 0 << 37 << 0 << 0 << own << 37 << false << "USB";
    QTest::newRow("receiver") << 0 << 42 << 1 << 0 << own << 42 << false << "2.4G";
    QTest::newRow("receiver, keyboard away") << 0 << 42 << 1 << 1 << own << -1 << false << "";
    QTest::newRow("another keyboard") << 2 << 42 << 1 << 0 << QString(32, QChar('f')) << -1 << false << "";
}

void tst_relays::battery()
{
    QFETCH(int, status);
    QFETCH(int, level);
    QFETCH(int, mode);
    QFETCH(int, valid);
    QFETCH(QString, serial);
    QFETCH(int, gaugeLevel);
    QFETCH(bool, chargingShown);
    QFETCH(QString, modeText);
    const int levelBefore = gauge()->level();
    const QString modeBefore = label("label_Mode")->text();
    m_page->onSendChargingStatusAndElectricity(status, level, mode, valid, serial);
    QCOMPARE(gauge()->level(), gaugeLevel < 0 ? levelBefore : gaugeLevel);
    if (modeText.isEmpty())
        modeText = modeBefore;
    QCOMPARE(label("label_Charging")->isVisibleTo(m_page.get()), chargingShown);
    QCOMPARE(label("label_Mode")->text(), modeText);
}

void tst_relays::chargingSweeps()
{
    const QString own = QString::fromLatin1(kSerial);
    // The simulated keyboard says the same, should it report meanwhile.
    CVardexSim_SetBattery(pathOfModel("Pravo", false).toLatin1().constData(), 30, 1, 0);
    m_page->onSendChargingStatusAndElectricity(1, 30, 0, 0, own);
    QVERIFY(label("label_Charging")->isVisibleTo(m_page.get()));
    QVERIFY(!gauge()->isColorEnabled());
    // The sweep starts at 0 whatever the gauge showed before.
    QVERIFY(QTest::qWaitFor([&] { return gauge()->level() >= 3 && gauge()->level() <= 20; }, testWait::kHangMs));
    // A second charging report keeps the sweep going instead of restarting it.
    const int before = gauge()->level();
    m_page->onSendChargingStatusAndElectricity(1, 30, 0, 0, own);
    QVERIFY2(gauge()->level() >= before, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(gauge()->level())));
    QTRY_VERIFY_WITH_TIMEOUT(gauge()->level() > before, 60000);
    for (int i = 0; i < 200; ++i)
        m_page->onTimerChangingBatteryNum();
    QVERIFY(gauge()->level() >= 0 && gauge()->level() <= 99); // wraps after 99

    // A report of another status stops it and shows the level.
    CVardexSim_SetBattery(pathOfModel("Pravo", false).toLatin1().constData(), 30, 0, 0);
    m_page->onSendChargingStatusAndElectricity(0, 30, 0, 0, own);
    QTest::qWait(150);
    QCOMPARE(gauge()->level(), 30);
    QVERIFY(gauge()->isColorEnabled());
}

void tst_relays::batteryColours_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("25") << 25 << QColor(255, 60, 0);
    QTest::newRow("26") << 26 << QColor(200, 140, 0);
    QTest::newRow("50") << 50 << QColor(200, 140, 0);
    QTest::newRow("51") << 51 << QColor(100, 150, 100);
}

void tst_relays::batteryColours()
{
    QFETCH(int, level);
    QFETCH(QColor, colour);
    m_page->onSendChargingStatusAndElectricity(0, level, 1, 0, QString::fromLatin1(kSerial));
    QCOMPARE(gauge()->fillColor(), colour);
}

void tst_relays::simulatedReceiverShowsItsBattery()
{
    // The receiver keyboard of a scenario with a battery schedule: the page
    // shows what the schedule reports, through the link.
    destroyPage(m_page);
    const QByteArray scenario =
        "{\"devices\":[{\"model\":\"Yolma\",\"connection\":\"receiver\",\"reachable\":true,"
        "\"serial\":\"7c3b9e15d2a84f60b1e7c4a9d3f8e2b5\",\"statusIntervalMs\":100,"
        "\"batterySchedule\":[{\"atMs\":0,\"battery\":38,\"charging\":0},{\"atMs\":700,\"battery\":44,\"charging\":1}],"
        "\"batteryRepeatMs\":0}]}";
    QCOMPARE(CVardexSim_LoadScenarioText(scenario.constData()), 0);
    m_page = std::make_unique<DDevicePage>();
    m_page->show();
    QVERIFY(QTest::qWaitFor([&] { return m_page->currentLink() && !m_page->profileFolder().isEmpty(); }, testWait::kHangMs));
    QVERIFY(QTest::qWaitFor([&] { return label("label_Mode")->text() == QLatin1String("2.4G"); }, testWait::kHangMs));
    QVERIFY(QTest::qWaitFor([&] { return label("label_Charging")->isVisibleTo(m_page.get()); }, testWait::kHangMs));
    QVERIFY(!gauge()->isColorEnabled());
}

void tst_relays::switchedKeyboardShowsNoLevelUntilItReports_data()
{
    QTest::addColumn<int>("charging");
    QTest::newRow("full keyboard left") << 0;
    QTest::newRow("charging keyboard left") << 1;
}

// A keyboard at 12 % must never be shown at the charge of the keyboard shown
// before it, nor sweep on with its charging animation.
void tst_relays::switchedKeyboardShowsNoLevelUntilItReports()
{
    QFETCH(int, charging);
    destroyPage(m_page);
    m_page = startPage({{"Brisko", false, true, "B1b2C3d4E5f6A7b8C9d0E1f2A3b4C5d6"}, {"Pravo", false, true, kSerial}});
    QVERIFY(m_page);
    QTRY_COMPARE_WITH_TIMEOUT(m_page->keyboardLinks().size(), 2, testWait::kHangMs);
    const QString first = currentPath(m_page.get());
    const QString second = m_page->keyboardLinks().firstKey() == first ? m_page->keyboardLinks().lastKey()
                                                                         : m_page->keyboardLinks().firstKey();
    QCOMPARE(CVardexSim_SetBattery(first.toLatin1().constData(), charging ? 40 : 100, charging, 1), 0);
    if (charging)
        QTRY_VERIFY_WITH_TIMEOUT(label("label_Charging")->isVisibleTo(m_page.get()) && !gauge()->isColorEnabled(), testWait::kHangMs);
    else
        QTRY_VERIFY_WITH_TIMEOUT(gauge()->isLevelKnown() && gauge()->level() == 100, testWait::kHangMs);
    // The next keyboard speaks only when told to.
    QCOMPARE(CVardexSim_SetStatusInterval(second.toLatin1().constData(), 0), 0);
    QCOMPARE(CVardexSim_SetBattery(second.toLatin1().constData(), 12, 0, 0), 0);

    QSignalSpy firstReports(m_page->keyboardLinks().value(first), &DDeviceKeyboardLink::sigSendChargingStatusAndElectricity);
    QTest::mouseClick(m_page->deviceTiles().value(second), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(currentPath(m_page.get()), second, testWait::kHangMs);
    QVERIFY2(!gauge()->isLevelKnown(), qPrintable(QStringLiteral("shows %1 %").arg(gauge()->level())));
    QVERIFY(!label("label_Charging")->isVisibleTo(m_page.get()));
    // The keyboard left behind goes on reporting; nothing of it shows.
    firstReports.clear();
    QTRY_VERIFY_WITH_TIMEOUT(firstReports.size() >= 2, testWait::kHangMs);
    QVERIFY2(!gauge()->isLevelKnown(), qPrintable(QStringLiteral("shows %1 %").arg(gauge()->level())));

    QCOMPARE(CVardexSim_SendStatus(second.toLatin1().constData()), 0);
    QTRY_VERIFY_WITH_TIMEOUT(gauge()->isLevelKnown(), testWait::kHangMs);
    QCOMPARE(gauge()->level(), 12);
    QCOMPARE(gauge()->fillColor(), QColor(255, 60, 0));
}

void tst_relays::lightTypeStartsHookAndSelection_data()
{
    QTest::addColumn<int>("lightIndex");
    QTest::addColumn<int>("ledType");
    QTest::addColumn<bool>("hook");
    QTest::addColumn<bool>("band");
    for (int type : {6, 7, 8, 11, 12, 16})
        QTest::newRow(qPrintable(QStringLiteral("reacts %1").arg(type))) << 3 << type << true << false;
    for (int type : {0, 2, 5, 9, 10, 13, 17})
        QTest::newRow(qPrintable(QStringLiteral("steady %1").arg(type))) << 3 << type << false << false;
    QTest::newRow("custom") << 10 << 10 << false << true;
}

void tst_relays::lightTypeStartsHookAndSelection()
{
    QFETCH(int, lightIndex);
    QFETCH(int, ledType);
    QFETCH(bool, hook);
    QFETCH(bool, band);
    colorInfoData record {};
    record.ledType = ledType;
    // From the opposite state, so each change is seen.
    colorInfoData other {};
    other.ledType = hook ? 2 : 6;
    m_page->onSelectCurrentLightTypeIndex_KB(band ? 3 : 10, other);
    m_page->onSelectCurrentLightTypeIndex_KB(lightIndex, record);
    QCOMPARE(m_page->customKeysPage()->isInteractiveLightHookRunning(), hook);
    auto *area = m_page->findChild<dragShowArea *>();
    QVERIFY(area);
    QCOMPARE(area->isActive(), band);
    QCOMPARE(button(2, 1)->hoverHighlight(), band);
}

void tst_relays::keyboardLightReport()
{
    colorInfoData custom {};
    custom.ledType = 10;
    m_page->onSelectCurrentLightTypeIndex_KB(10, custom);
    m_page->keyboardView()->selectKeysInRect(0, 0, 4000, 4000);
    QVERIFY(!m_page->keyboardView()->selectedKeyButtons().isEmpty());

    // The keyboard reports a reacting effect: selection cleared, band off,
    // hook on; on the key page the hover highlight comes back.
    m_page->onLightConfigHaveChanged_HidSend(0, 7);
    QVERIFY(m_page->keyboardView()->selectedKeyButtons().isEmpty());
    QVERIFY(!m_page->findChild<dragShowArea *>()->isActive());
    QVERIFY(m_page->customKeysPage()->isInteractiveLightHookRunning());
    QCOMPARE(m_page->currentMainPage(), 0);
    QVERIFY(button(2, 1)->hoverHighlight());
    m_page->onLightConfigHaveChanged_HidSend(0, 2);
    QVERIFY(!m_page->customKeysPage()->isInteractiveLightHookRunning());

    // The keyboard reports its custom light in use: band and highlight on.
    m_page->onCustomLight_ConfigHaveChanged_HidSend0x09(0, 10, 1);
    QVERIFY(m_page->findChild<dragShowArea *>()->isActive());
}

void tst_relays::customLightChosenColoursKeys()
{
    // Custom light 1 of the new profile holds W, A, S, D and the arrows in red.
    button(0, 0)->setCustomLightColor(QColor(1, 2, 3));
    m_page->onCustomLightItemHaveChanged(1, QStringLiteral("1"), QStringLiteral("WASD+Arrows"));
    QCOMPARE(button(2, 2)->customLightColor(), QColor(255, 0, 0)); // W
    QCOMPARE(button(5, 14)->keyColor(), QColor(255, 0, 0));        // Left
    QCOMPARE(button(2, 1)->customLightColor(), QColor(0, 0, 0));   // Q is not in it
    QCOMPARE(button(0, 0)->customLightColor(), QColor(0, 0, 0));   // earlier colours cleared
}

void tst_relays::customColourStoresOnlyColouredKeys()
{
    // The user picks the Custom type: the first custom light becomes current.
    m_page->lightsConfigPage()->onCurIndexChanged_KB_LightMode(lightTypeTable::CustomButtonId);
    const int id = m_page->lightsConfigPage()->currentCustomLightIndex();
    QCOMPARE(id, 0);
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 22; ++column)
            if (keyboardButCustom *b = button(row, column))
                b->setCustomLightColor(QColor(0, 0, 0));
    // Q and W selected, coloured (10, 20, 30).
    const QPoint q = button(2, 1)->mapTo(m_page->keyboardView(), QPoint(0, 0));
    const QPoint w = button(2, 2)->mapTo(m_page->keyboardView(), QPoint(0, 0));
    m_page->keyboardView()->selectKeysInRect(q.x() - 1, q.y() - 1, w.x() + 1, w.y() + 1);
    QCOMPARE(m_page->keyboardView()->selectedKeyButtons().size(), 2);
    colorInfoData colour {};
    colour.ledTopColor[0] = 10;
    colour.ledTopColor[1] = 20;
    colour.ledTopColor[2] = 30;
    m_page->onLightConfigHaveChanged_Custom(0, colour);
    QCOMPARE(button(2, 1)->keyColor(), QColor(10, 20, 30));
    QCOMPARE(profileCustomLight(store(), m_page->currentProfileIndex(), id),
             (QStringList{"20@2,1#0a141e/128", "26@2,2#0a141e/128"}));
}

void tst_relays::selectionFollowsTheCurrentCustomLight_data()
{
    // The row clicked, or -1 for choosing the Custom type again, which
    // rebuilds the list and shows the same light afresh.
    QTest::addColumn<int>("clickedRow");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("kept");
    QTest::newRow("the current light again") << 0 << 0 << true;
    QTest::newRow("the type again") << -1 << 0 << true;
    QTest::newRow("another light") << 2 << 2 << false;
    QTest::newRow("the other light in use") << 1 << 1 << false;
}

// Keys picked while one custom light is shown are dropped when another
// becomes current, so the next swatch cannot paint them into that one.
void tst_relays::selectionFollowsTheCurrentCustomLight()
{
    QFETCH(int, clickedRow);
    QFETCH(int, current);
    QFETCH(bool, kept);
    DLightsConfigPage *lights = m_page->lightsConfigPage();
    lights->onCurIndexChanged_KB_LightMode(lightTypeTable::CustomButtonId);
    QCOMPARE(lights->currentCustomLightIndex(), 0);
    const QPoint q = button(2, 1)->mapTo(m_page->keyboardView(), QPoint(0, 0));
    const QPoint w = button(2, 2)->mapTo(m_page->keyboardView(), QPoint(0, 0));
    m_page->keyboardView()->selectKeysInRect(q.x() - 1, q.y() - 1, w.x() + 1, w.y() + 1);
    QCOMPARE(m_page->keyboardView()->selectedKeyButtons().size(), 2);

    if (clickedRow < 0)
        lights->onCurIndexChanged_KB_LightMode(lightTypeTable::CustomButtonId);
    else
        QTest::mouseClick(lights->customLightItems().at(clickedRow), Qt::LeftButton);
    QCOMPARE(lights->currentCustomLightIndex(), current);
    QCOMPARE(m_page->keyboardView()->selectedKeyButtons().size(), kept ? 2 : 0);
    QCOMPARE(button(2, 1)->isRangeSelected(), kept);

    // A swatch (blue) now paints only what is still picked: Q, which no
    // light of a new profile holds.
    lights->onInstallEventFilterOpen();
    QTest::mousePress(lights->findChild<QLabel *>(QStringLiteral("label_Color13")), Qt::LeftButton);
    const QStringList stored = profileCustomLight(store(), m_page->currentProfileIndex(), current);
    QCOMPARE(button(2, 1)->customLightColor(), kept ? QColor(0, 0, 255) : QColor(0, 0, 0));
    QCOMPARE(stored.filter(QStringLiteral("@2,1#")).size(), kept ? 1 : 0);
}

void tst_relays::macroRebindingInEveryProfile()
{
    QTemporaryDir dir;
    const QByteArray macros = local(dir.filePath(QStringLiteral("macro.xml")));
    QVERIFY(CVardexXML_CreateXMLFile(macros.constData()));
    QVERIFY(CVardexXML_CreateMacroXmlParentNode(macros.constData(), "3", "M3"));
    QVERIFY(CVardexXML_AddKeyOrMouseEventItem(macros.constData(), {keyEvent(1, 4, true), keyEvent(1, 4, false)}, "3"));
    QVERIFY(DDataManager::instance()->setMacroXmlPath(macros.constData()));

    // Profiles 1 and 3 of both layers bind macro 3 with an old copy; profile 2
    // binds nothing.
    const QString folder = m_page->profileFolder();
    const QList<QByteArray> stores = {local(folder + QStringLiteral("/appProfile_Default.xml")),
                                      local(folder + QStringLiteral("/appProfile_FN.xml"))};
    for (const QByteArray &s : stores) {
        for (const char *p : {"2", "3"})
            QVERIFY(CVardexXML_CreateProFileXmlParentNode(s.constData(), p, p, 0));
        for (const char *p : {"1", "3"}) {
            QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(s.constData(), p, "30", "1", "1", "1", "0", "3"));
            QVERIFY(CVardexXML_AddProFileBindMacroItem(s.constData(), p, {keyEvent(1, 4, true), keyEvent(1, 4, false)},
                                                       "3", "Macro3"));
        }
    }

    // A macro no profile binds writes nothing.
    QVERIFY(CVardexXML_CreateMacroXmlParentNode(macros.constData(), "7", "M7"));
    QVERIFY(CVardexXML_AddKeyOrMouseEventItem(macros.constData(), {keyEvent(1, 6, true), keyEvent(1, 6, false)}, "7"));
    // (A store write replaces the file, so its inode tells.)
    auto inode = [](const QByteArray &path) {
        struct stat st {};
        return ::stat(path.constData(), &st) == 0 ? qint64(st.st_ino) : qint64(-1);
    };
    QList<qint64> before;
    for (const QByteArray &s : stores)
        before << inode(s);
    emit m_page->sigMacroListHaveChangedSendToDevice(QStringLiteral("7"), QStringLiteral("M7"));
    for (int i = 0; i < stores.size(); ++i)
        QCOMPARE(inode(stores.at(i)), before.at(i));
    // ...while a bound one replaces the file.

    // The macro is edited: B in place of A.
    QVERIFY(CVardexXML_DeleteEventItem(macros.constData(), "3", "1"));
    QVERIFY(CVardexXML_AddKeyOrMouseEventItem(macros.constData(), {keyEvent(2, 5, true), keyEvent(2, 5, false)}, "3"));
    emit m_page->sigMacroListHaveChangedSendToDevice(QStringLiteral("3"), QStringLiteral("M3"));

    QVERIFY(inode(stores.at(1)) != before.at(1));
    const QStringList edited = {"5 down", "5 up"};
    for (const QByteArray &s : stores) {
        QCOMPARE(copyOfMacro(s, 1, "3"), edited);
        QCOMPARE(copyOfMacro(s, 3, "3"), edited);
        QCOMPARE(copyOfMacro(s, 2, "3"), QStringList{"<no copy>"});
    }
    DDataManager::instance()->setMacroXmlPath("");
}

QTEST_MAIN(tst_relays)
#include "tst_relays.moc"
