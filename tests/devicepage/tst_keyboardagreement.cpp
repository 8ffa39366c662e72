// Keyboards that answer, stay silent, arrive and leave while the real window
// starts: whatever the order, every part of the window names the same
// keyboard (or none) at every turn of the event loop, the cable keyboard is
// listed first, and a Download reaches only the keyboard the window names.
#include "keyboardAgreement.h"

#include "ui/mainwidget/DMainWidget.h"
#include "ui/settings/DSettingsDia.h"
#include "../testWait.h"

#include <QPushButton>
#include <QTemporaryDir>

using namespace devicePageTest;
using namespace keyboardAgreement;

namespace {

// "cable:Brisko rx-:Yolma rx+:Caspo": cable keyboards, receivers whose
// keyboard is out of reach (rx-) or answers (rx+), in the library's order.
QList<SimDevice> parseDevices(const QString &text)
{
    static const QByteArray serials[] = {"5a1e0c3d9b7f4e21a6c8d0f2b4e6a8c0", "7c3b9e15d2a84f60b1e7c4a9d3f8e2b5",
                                         "9999aaaabbbbccccddddeeeeffff0000", "0a1b2c3d4e5f60718293a4b5c6d7e8f9"};
    QList<SimDevice> devices;
    static QList<QByteArray> models; // SimDevice keeps a pointer to the name
    for (const QString &item : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString kind = item.section(QLatin1Char(':'), 0, 0);
        models << item.section(QLatin1Char(':'), 1).toLatin1();
        devices << SimDevice{models.last().constData(), kind != QLatin1String("cable"), kind != QLatin1String("rx-"),
                             serials[devices.size() % 4]};
    }
    return devices;
}

// The path of a model's keyboard, also while it is unplugged (the library
// lists attached devices only).
QString pathOf(const QList<SimDevice> &devices, const QString &model)
{
    static QMap<QString, QString> known;
    for (const SimDevice &d : devices) {
        if (model != QLatin1String(d.model))
            continue;
        const QString attached = pathOfModel(d.model, d.receiver);
        if (!attached.isEmpty())
            known[model] = attached;
        return known.value(model);
    }
    return QString();
}

// Handles the simulator holds open on a keyboard: 0 once the tool's handle
// died with an unplug and nothing opened the keyboard again.
int openHandles(const QString &path)
{
    CVardexSimState state {};
    return CVardexSim_GetState(path.toLatin1().constData(), &state) == 0 ? state.openHandles : -1;
}

} // namespace

class tst_keyboardagreement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void startUpOrders_data();
    void startUpOrders();
    void quickReplug_data();
    void quickReplug();

private:
    bool startWindow(const QList<SimDevice> &devices, const QString &slowModels);
    // Runs the event loop until `done` holds, checking after every turn that
    // the window agrees with itself; false (and the reason in m_problem) on
    // a disagreement or when time runs out.
    bool settle(const std::function<bool()> &done, int timeoutMs, const QString &what);
    bool reached(const QString &state, const QList<SimDevice> &devices);
    // Clicks Download and checks that it reached exactly `path` (none: no
    // keyboard) with the matching notice.
    void downloadReaches(const QString &log, const QString &path);

    std::unique_ptr<DMainWidget> m_window;
    DDevicePage *m_page = nullptr;
    QString m_problem;
};

void tst_keyboardagreement::initTestCase()
{
    QVERIFY(startLibrary());
    DMainWidget::factories().devicePage = [](QWidget *parent) { return new DDevicePage(parent); };
    DMainWidget::trayAvailable() = [] { return false; };
}

void tst_keyboardagreement::cleanup()
{
    m_page = nullptr;
    m_window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    CVardexSim_SetLogFile(nullptr);
}

bool tst_keyboardagreement::startWindow(const QList<SimDevice> &devices, const QString &slowModels)
{
    if (CVardexSim_LoadScenarioText(scenarioJson(devices).constData()) != 0)
        return false;
    for (const QString &model : slowModels.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        // A keyboard that takes its time answers each inquiry 700 ms late:
        // the window has long stretches in which its link is not ready. The
        // library's identity read at enumeration happens before.
        const QByteArray path = pathOf(devices, model).toLatin1();
        hidStructInfo info {};
        hidFirmwareInfo firmware {};
        CVardexHid_GetHidAndFirmwareInfoStu(path.constData(), &info, &firmware);
        CVardexSim_SetFault(path.constData(), SIM_FAULT_REPLY_DELAY, 700);
    }
    m_window = std::make_unique<DMainWidget>();
    m_window->resize(1280, 715);
    m_window->show();
    m_page = m_window->findChild<DDevicePage *>();
    // The list is loaded 200 ms after the page is built; the title is the
    // window's own until then.
    return m_page && QTest::qWaitFor([&] { return !m_page->deviceTiles().isEmpty(); }, testWait::kHangMs);
}

bool tst_keyboardagreement::settle(const std::function<bool()> &done, int timeoutMs, const QString &what)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const QStringList problems = disagreements(m_window.get(), m_page);
        if (!problems.isEmpty()) {
            m_problem = QStringLiteral("while waiting for %1: %2").arg(what, problems.join(QStringLiteral("; ")));
            return false;
        }
        if (done())
            return true;
        if (clock.elapsed() > timeoutMs) {
            m_problem = QStringLiteral("%1 did not happen within %2 ms (current: %3)")
                            .arg(what)
                            .arg(timeoutMs)
                            .arg(namedPath(m_page));
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QTest::qSleep(2);
    }
}

// States the schedule waits for before it acts:
//   opening:M  M's link exists and has not finished its inquiry chain
//   waiting:M  M is current and its profile store is not set up yet
//   current:M  M is current with its profile store
//   online:M   M's tile shows its keyboard online
//   none       no keyboard is current
bool tst_keyboardagreement::reached(const QString &state, const QList<SimDevice> &devices)
{
    const QString kind = state.section(QLatin1Char(':'), 0, 0);
    const QString path = pathOf(devices, state.section(QLatin1Char(':'), 1));
    if (kind == QLatin1String("online")) {
        DDeviceListItem *tile = m_page->deviceTiles().value(path);
        return tile && tile->onlineStatus() == 1;
    }
    if (kind == QLatin1String("opening")) {
        DDeviceKeyboardLink *link = m_page->keyboardLinks().value(path);
        return link && !link->isDeviceReady();
    }
    if (kind == QLatin1String("waiting"))
        return namedPath(m_page) == path && m_page->profileXmlPath().isEmpty();
    if (kind == QLatin1String("current"))
        return namedPath(m_page) == path && !m_page->profileFolder().isEmpty();
    return namedPath(m_page).isEmpty();
}

void tst_keyboardagreement::startUpOrders_data()
{
    QTest::addColumn<QString>("devices");
    QTest::addColumn<QString>("slow");     // keyboards that answer late
    QTest::addColumn<QStringList>("steps"); // "state -> action:Model", in order
    QTest::addColumn<QString>("expected");  // the model current in the end, or "none"

    // A cable keyboard, a receiver whose keyboard is out of reach, one whose
    // keyboard answers.
    const QString oneOfEach = QStringLiteral("cable:Brisko rx-:Yolma rx+:Caspo");
    const QString swapped = QStringLiteral("cable:Brisko rx+:Caspo rx-:Yolma");
    QTest::newRow("answering receiver after the silent one") << oneOfEach << QString() << QStringList() << "Brisko";
    QTest::newRow("answering receiver before the silent one") << swapped << QString() << QStringList() << "Brisko";
    QTest::newRow("slow cable keyboard, answering receiver") << oneOfEach << "Brisko" << QStringList() << "Brisko";
    QTest::newRow("receivers only") << "rx-:Yolma rx+:Caspo" << QString() << QStringList() << "Caspo";
    QTest::newRow("answering receiver leaves while its link opens")
        << oneOfEach << "Caspo" << QStringList{"opening:Caspo -> unplug:Caspo"} << "Brisko";
    QTest::newRow("only receiver leaves while its link opens")
        << "rx+:Caspo" << "Caspo" << QStringList{"opening:Caspo -> unplug:Caspo"} << "none";
    QTest::newRow("receiver leaves while its profiles wait")
        << "rx-:Yolma rx+:Caspo" << "Caspo" << QStringList{"waiting:Caspo -> unplug:Caspo"} << "none";
    QTest::newRow("receiver goes out of reach while its profiles wait")
        << "rx+:Caspo" << "Caspo" << QStringList{"waiting:Caspo -> unreach:Caspo"} << "none";
    QTest::newRow("cable keyboard leaves while its profiles wait")
        << swapped << "Brisko" << QStringList{"waiting:Brisko -> unplug:Brisko"} << "Caspo";
    QTest::newRow("silent receiver leaves while the cable keyboard's profiles wait")
        << oneOfEach << "Brisko" << QStringList{"waiting:Brisko -> unplug:Yolma"} << "Brisko";
    // The only cable keyboard leaves, a receiver's keyboard comes into reach
    // and becomes current by its report, and the receiver goes a moment later.
    QTest::newRow("receiver made current by its report, then unplugged")
        << "cable:Brisko rx-:Yolma" << "Yolma"
        << QStringList{"current:Brisko -> unplug:Brisko", "none -> reach:Yolma", "waiting:Yolma -> unplug:Yolma"}
        << "none";
    QTest::newRow("cable keyboard comes back while a receiver's keyboard is current")
        << "rx+:Caspo cable:Pravo" << QString()
        << QStringList{"current:Pravo -> unplug:Pravo", "current:Caspo -> plug:Pravo"} << "Caspo";
    QTest::newRow("receiver in reach and out again")
        << "rx-:Yolma" << QString() << QStringList{"none -> reach:Yolma", "current:Yolma -> unreach:Yolma"} << "none";

    // A receiver's keyboard that comes into reach while a cable keyboard is
    // current has not told its serial number yet: picking it, or being left
    // as the only keyboard, must still end with its own profile store.
    const QString cableAndSilent = QStringLiteral("cable:Brisko rx-:Yolma");
    QTest::newRow("reach while a cable keyboard is current, then a tile click")
        << cableAndSilent << QString()
        << QStringList{"current:Brisko -> reach:Yolma", "online:Yolma -> click:Yolma"} << "Yolma";
    QTest::newRow("reach while a cable keyboard is current, then the cable leaves")
        << cableAndSilent << QString()
        << QStringList{"current:Brisko -> reach:Yolma", "online:Yolma -> unplug:Brisko"} << "Yolma";
    QTest::newRow("reach while a cable keyboard is current, then both cables leave")
        << "cable:Brisko cable:Pravo rx-:Yolma" << QString()
        << QStringList{"current:Brisko -> reach:Yolma", "online:Yolma -> unplug:Brisko", "current:Pravo -> unplug:Pravo"}
        << "Yolma";
    // Picked while it is still slow to tell its serial number, it leaves
    // or goes out of reach: the page does not stay waiting for it.
    QTest::newRow("picked after reach, goes out of reach before its serial")
        << cableAndSilent << "Yolma"
        << QStringList{"current:Brisko -> reach:Yolma", "online:Yolma -> click:Yolma", "waiting:Yolma -> unreach:Yolma"}
        << "Brisko";
    QTest::newRow("picked after reach, unplugged before its serial")
        << cableAndSilent << "Yolma"
        << QStringList{"current:Brisko -> reach:Yolma", "online:Yolma -> click:Yolma", "waiting:Yolma -> unplug:Yolma"}
        << "Brisko";
}

void tst_keyboardagreement::startUpOrders()
{
    QFETCH(QString, devices);
    QFETCH(QString, slow);
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    const QList<SimDevice> set = parseDevices(devices);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString log = dir.filePath(QStringLiteral("sim.log"));
    QCOMPARE(CVardexSim_SetLogFile(QFile::encodeName(log).constData()), 0);
    QVERIFY(startWindow(set, slow));

    for (const QString &step : steps) {
        const QString state = step.section(QStringLiteral(" -> "), 0, 0);
        const QString action = step.section(QStringLiteral(" -> "), 1);
        QVERIFY2(settle([&] { return reached(state, set); }, testWait::kHangMs, state), qPrintable(m_problem));
        const QByteArray path = pathOf(set, action.section(QLatin1Char(':'), 1)).toLatin1();
        const QString verb = action.section(QLatin1Char(':'), 0, 0);
        if (verb == QLatin1String("unplug"))
            QCOMPARE(CVardexSim_Unplug(path.constData()), 0);
        else if (verb == QLatin1String("plug"))
            QCOMPARE(CVardexSim_Plug(path.constData()), 0);
        else if (verb == QLatin1String("click")) {
            DDeviceListItem *tile = m_page->deviceTiles().value(QString::fromLatin1(path));
            QVERIFY2(tile, qPrintable(QStringLiteral("no tile for %1").arg(action)));
            QTest::mouseClick(tile, Qt::LeftButton);
        }
        else
            QCOMPARE(CVardexSim_SetReachable(path.constData(), verb == QLatin1String("reach") ? 1 : 0, 1), 0);
    }

    // The end state, reached and kept.
    const QString expectedPath = expected == QLatin1String("none") ? QString() : pathOf(set, expected);
    QVERIFY2(settle([&] { return namedPath(m_page) == expectedPath && (expectedPath.isEmpty() || !m_page->profileFolder().isEmpty()); },
                    testWait::kHangMs, QStringLiteral("the end state")),
             qPrintable(m_problem));
    QElapsedTimer hold;
    hold.start();
    QVERIFY2(settle([&] { return hold.elapsed() > 1500; }, 3000, QStringLiteral("a quiet while")), qPrintable(m_problem));
    QCOMPARE(namedPath(m_page), expectedPath);
    // The profile store is named by the keyboard's own serial number.
    for (const SimDevice &d : set) {
        if (expectedPath.isEmpty() || pathOf(set, QLatin1String(d.model)) != expectedPath)
            continue;
        const QString folder = DDataManager::instance()->userConfigDir() + QLatin1Char('/') +
                               QLatin1String(d.model) + QLatin1Char('/') + QString::fromLatin1(d.serial);
        QCOMPARE(m_page->profileFolder(), folder);
    }

    // Cable keyboards head the list.
    QCOMPARE(m_page->keyboardLinks().size(), m_page->connectedDevices().size());
    bool receiverSeen = false;
    QWidget *contents = m_page->findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents_2"));
    for (int i = 0; i + 1 < contents->layout()->count(); ++i) {
        auto *tile = qobject_cast<DDeviceListItem *>(contents->layout()->itemAt(i)->widget());
        if (!tile || tile->onlineStatus() != 1)
            continue;
        if (tile->hidInfo().hidUsbOrDongle != 0)
            receiverSeen = true;
        else
            QVERIFY2(!receiverSeen, "a receiver's keyboard is listed ahead of a cable keyboard");
    }

    // A Download reaches the keyboard the window names and no other (at the
    // keyboards' normal pace: the download's acknowledgement windows are
    // shorter than the slow replies).
    for (const QString &model : slow.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        CVardexSim_SetFault(pathOf(set, model).toLatin1().constData(), SIM_FAULT_REPLY_DELAY, 1);
    downloadReaches(log, expectedPath);
}

void tst_keyboardagreement::downloadReaches(const QString &log, const QString &path)
{
    const qint64 before = QFileInfo(log).size();
    auto *download = m_page->customKeysPage()->findChild<QPushButton *>(QStringLiteral("pushButton_Download"));
    QVERIFY(download);
    download->click(); // returns when the download is over
    QVERIFY2(settle([] { return true; }, 0, QStringLiteral("the download's end")), qPrintable(m_problem));
    const QStringList targets = downloadTargets(writtenCommands(log, before));
    if (path.isEmpty()) {
        QVERIFY2(targets.isEmpty(), qPrintable(targets.join(QLatin1Char(' '))));
        QCOMPARE(m_page->lastNotice(), QStringLiteral("Download config failed, Please try again"));
    } else {
        QCOMPARE(targets, QStringList{path});
        QCOMPARE(m_page->lastNotice(), QStringLiteral("Download config successful"));
    }
}

void tst_keyboardagreement::quickReplug_data()
{
    QTest::addColumn<QString>("model"); // pulled out and plugged back
    QTest::addColumn<int>("gapMs");     // between the unplug and the plug
    QTest::addColumn<bool>("notified"); // false: no hot-plug notification reaches the window

    // Quicker than the hot-plug batch settles: the window sees the same path
    // before and after, and only the dead handle tells of the re-plug.
    for (int gap : {50, 150, 250}) {
        QTest::addRow("cable, %d ms", gap) << "Brisko" << gap << true;
        QTest::addRow("receiver, %d ms", gap) << "Caspo" << gap << true;
    }
    // No notification at all (a missed udev event): the transport's own
    // notice of its dead handle must reach the page.
    QTest::newRow("cable, 150 ms, not notified") << "Brisko" << 150 << false;
    QTest::newRow("receiver, 150 ms, not notified") << "Caspo" << 150 << false;
    // A receiver whose keyboard is out of reach, not current: it stays out
    // of reach until its receiver says otherwise, then comes into reach.
    QTest::newRow("receiver out of reach, 150 ms") << "Yolma" << 150 << true;
}

void tst_keyboardagreement::quickReplug()
{
    QFETCH(QString, model);
    QFETCH(int, gapMs);
    QFETCH(bool, notified);
    // The current keyboard is re-plugged (the receiver's is made current by
    // a click), with a cable keyboard there to take its place were the
    // re-plug taken for a removal.
    const QList<SimDevice> set = parseDevices(QStringLiteral("cable:Brisko rx+:Caspo rx-:Yolma"));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString log = dir.filePath(QStringLiteral("sim.log"));
    QCOMPARE(CVardexSim_SetLogFile(QFile::encodeName(log).constData()), 0);
    QVERIFY(startWindow(set, QString()));
    const QString cablePath = pathOf(set, QStringLiteral("Brisko"));
    const QString path = pathOf(set, model);
    const bool inReach = model != QLatin1String("Yolma");
    const QString current = inReach ? model : QStringLiteral("Brisko");
    QVERIFY2(settle([&] { return reached(QStringLiteral("current:Brisko"), set); }, testWait::kHangMs, QStringLiteral("Brisko current")),
             qPrintable(m_problem));
    if (inReach && path != cablePath) {
        QVERIFY2(settle([&] {
                     DDeviceListItem *tile = m_page->deviceTiles().value(path);
                     return tile && tile->onlineStatus() == 1;
                 }, testWait::kHangMs, QStringLiteral("the receiver's keyboard in reach")),
                 qPrintable(m_problem));
        QTest::mouseClick(m_page->deviceTiles().value(path), Qt::LeftButton);
        QVERIFY2(settle([&] { return reached(QLatin1String("current:") + model, set); }, testWait::kHangMs, QStringLiteral("a click")),
                 qPrintable(m_problem));
    }
    if (!notified)
        CVardexSim_SetHotplugCallback(nullptr, nullptr);

    const void *deadLink = m_page->keyboardLinks().value(path);
    QVERIFY(deadLink);
    QCOMPARE(openHandles(path), 1);
    // The page does not look in between: on a loaded machine one pass of
    // its event loop can outlast its hot-plug batch, and the re-plug would
    // then be a removal followed by an arrival, a case of its own. The
    // transport's thread still sees its handle die meanwhile.
    QCOMPARE(CVardexSim_Unplug(path.toLatin1().constData()), 0);
    QTest::qSleep(gapMs);
    QCOMPARE(CVardexSim_Plug(path.toLatin1().constData()), 0);

    // A fresh link on a live handle, the keyboard current again if it was,
    // and a keyboard out of reach not shown in reach meanwhile.
    bool shownInReach = false;
    QVERIFY2(settle([&] {
                 DDeviceListItem *tile = m_page->deviceTiles().value(path);
                 shownInReach = shownInReach || (!inReach && tile && tile->onlineStatus() == 1);
                 const void *link = m_page->keyboardLinks().value(path);
                 return link && link != deadLink && openHandles(path) == 1 && reached(QLatin1String("current:") + current, set);
             }, testWait::kHangMs, QStringLiteral("the keyboard opened again")),
             qPrintable(m_problem));
    QElapsedTimer hold;
    hold.start();
    QVERIFY2(settle([&] {
                 DDeviceListItem *tile = m_page->deviceTiles().value(path);
                 shownInReach = shownInReach || (!inReach && tile && tile->onlineStatus() == 1);
                 return hold.elapsed() > 1500;
             }, 3000, QStringLiteral("a quiet while")),
             qPrintable(m_problem));
    QVERIFY2(!shownInReach, "the re-plugged receiver's keyboard was shown in reach");
    QCOMPARE(namedPath(m_page), pathOf(set, current));
    // The dead link is gone with its transport, not merely out of the map.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_page->keyboardLinks().size(), 3);
    QCOMPARE(m_page->findChildren<DDeviceKeyboardLink *>().size(), 3);
    downloadReaches(log, pathOf(set, current));

    // The receiver's reports are heard again through the new link.
    if (!inReach) {
        QCOMPARE(CVardexSim_SetReachable(path.toLatin1().constData(), 1, 1), 0);
        QVERIFY2(settle([&] {
                     DDeviceListItem *tile = m_page->deviceTiles().value(path);
                     return tile && tile->onlineStatus() == 1;
                 }, testWait::kHangMs, QStringLiteral("the keyboard coming into reach")),
                 qPrintable(m_problem));
        QCOMPARE(namedPath(m_page), cablePath);
    } else if (path != cablePath) {
        // Out of reach, the receiver's keyboard gives way to the cable one.
        QCOMPARE(CVardexSim_SetReachable(path.toLatin1().constData(), 0, 1), 0);
        QVERIFY2(settle([&] { return reached(QStringLiteral("current:Brisko"), set); }, testWait::kHangMs,
                        QStringLiteral("the cable keyboard current")),
                 qPrintable(m_problem));
    }
}

QTEST_MAIN(tst_keyboardagreement)
#include "tst_keyboardagreement.moc"
