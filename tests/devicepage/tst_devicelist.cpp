// The device list of the device page against the simulated keyboards: first
// load, receiver reachability, hot-plug arrivals and removals, and choosing
// the current keyboard by its tile.
#include "devicePageFixture.h"
#include "keyboardAgreement.h"

#include "ui/keyboardView/hidDeviceJoinFrame.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

using namespace devicePageTest;

class tst_devicelist : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void noKeyboardShowsOfflineTilePerModel();
    void defaultScenarioCableKeyboardBecomesCurrent();
    void receiverTileFollowsReachability();
    void twoKeyboardsPluggedTogether_data();
    void twoKeyboardsPluggedTogether();
    void severalChangesOneNotification_data();
    void severalChangesOneNotification();
    void receiverOnlyBecomesCurrentWhenReachable();
    void simLogShowsInquiryChainAndKeepAlive();
    void unplugCurrentKeyboard();
    void unplugOtherKeyboardKeepsCurrent();
    void clickTileSwitchesCurrentKeyboard();
    void clickOfflineTileShowsMessage();
    void firstLoadListsCableKeyboardsFirst();
    void receiverReportUpdatesItsTileInPlace();
    void unreportedReceiverIsNotMadeCurrent();
    void unplugOtherKeyboardReloadsNothing();
    void keyboardInReachIsAskedForItsSerialNumber();

private:
    DDevicePage *makePage(const QList<SimDevice> &devices, int statusIntervalMs = 200);
    bool waitForFirstLoad();
    void makeTwoLinkedKeyboards(QString &current, QString &other);

    std::unique_ptr<DDevicePage> m_page;
    std::unique_ptr<QSignalSpy> m_titleSpy;
};

void tst_devicelist::initTestCase()
{
    QVERIFY(startLibrary());
}

void tst_devicelist::cleanup()
{
    m_titleSpy.reset();
    destroyPage(m_page);
}

DDevicePage *tst_devicelist::makePage(const QList<SimDevice> &devices, int statusIntervalMs)
{
    if (CVardexSim_LoadScenarioText(scenarioJson(devices, statusIntervalMs).constData()) != 0)
        return nullptr;
    m_page = std::make_unique<DDevicePage>();
    m_page->resize(1280, 700);
    m_page->show();
    m_titleSpy = std::make_unique<QSignalSpy>(m_page.get(), &DDevicePage::sigReturnHidLikeName);
    return m_page.get();
}

bool tst_devicelist::waitForFirstLoad()
{
    // The list is loaded 200 ms after construction; then every link opens.
    return QTest::qWaitFor([&] { return !m_page->deviceTiles().isEmpty(); }, kHangMs);
}

// A Brisko and a Pravo on cables, both linked: the current keyboard's path and
// the other's. The caller checks QTest::currentTestFailed() afterwards.
void tst_devicelist::makeTwoLinkedKeyboards(QString &current, QString &other)
{
    DDevicePage *page = makePage({{"Brisko", false, true, QByteArray()}, {"Pravo", false, true, QByteArray()}});
    QVERIFY(page);
    QVERIFY(waitForFirstLoad());
    QTRY_VERIFY_WITH_TIMEOUT(page->keyboardLinks().size() == 2 && !currentPath(page).isEmpty(), kHangMs);

    current = currentPath(page);
    other = page->keyboardLinks().firstKey() == current ? page->keyboardLinks().lastKey()
                                                        : page->keyboardLinks().firstKey();
}

void tst_devicelist::noKeyboardShowsOfflineTilePerModel()
{
    DDevicePage *page = makePage({});
    QVERIFY(page);
    QVERIFY(waitForFirstLoad());

    std::map<std::string, hidModelInfo> models;
    CVardexHid_GetHidInfoStuMapList(models);
    const QMap<QString, DDeviceListItem *> tiles = page->deviceTiles();
    QCOMPARE(tiles.size(), int(models.size()));
    for (const auto &model : models) {
        DDeviceListItem *tile = tiles.value(QString::fromStdString(model.first));
        QVERIFY2(tile, model.first.c_str());
        QCOMPARE(tile->onlineStatus(), 0);
        QVERIFY(tileText(tile).endsWith(QLatin1String("(OffLine)")));
    }
    QVERIFY(page->connectedDevices().isEmpty());
    QVERIFY(page->keyboardLinks().isEmpty());
    QCOMPARE(currentPageName(page), QStringLiteral("page_TipShow"));
    QVERIFY(!m_titleSpy->isEmpty());
    QCOMPARE(m_titleSpy->last().at(0).toString(), QStringLiteral("HID"));
    QCOMPARE(m_titleSpy->last().at(1).toString(), QStringLiteral("RGB"));
}

void tst_devicelist::defaultScenarioCableKeyboardBecomesCurrent()
{
    DDevicePage *page = makePage({{"Brisko", false, true, QByteArray()}, {"Yolma", true, true, QByteArray()}});
    QVERIFY(page);
    QVERIFY(waitForFirstLoad());
    const QString cable = pathOfModel("Brisko", false);
    const QString receiver = pathOfModel("Yolma", true);
    QVERIFY(!cable.isEmpty() && !receiver.isEmpty());

    QTRY_COMPARE_WITH_TIMEOUT(currentPath(page), cable, kHangMs);
    QCOMPARE(currentPageName(page), QStringLiteral("page_HaveDevice"));
    QVERIFY(page->currentTile());
    QCOMPARE(QString::fromLatin1(page->currentTile()->hidInfo().hidPath), cable);
    QVERIFY(tileText(page->deviceTiles().value(cable)).endsWith(QLatin1String("(USB)")));
    QCOMPARE(page->currentTransport(), page->currentLink()->hidInterface());

    // Both keyboards got a link; the models without a keyboard an offline tile.
    QCOMPARE(page->keyboardLinks().size(), 2);
    QVERIFY(page->deviceTiles().contains(QStringLiteral("Mirvan")));
    QVERIFY(!page->deviceTiles().contains(QStringLiteral("Brisko")));

    // The title names the current keyboard.
    QTRY_VERIFY_WITH_TIMEOUT(!m_titleSpy->isEmpty(), kHangMs);
    QCOMPARE(m_titleSpy->last().at(0).toString(), QString::fromUtf8(page->currentDevice().productName));

    // The page takes its links and their transports with it.
    QList<QPointer<QObject>> owned;
    for (DDeviceKeyboardLink *link : page->keyboardLinks()) {
        owned << QPointer<QObject>(link) << QPointer<QObject>(link->hidInterface());
    }
    m_titleSpy.reset();
    destroyPage(m_page);
    for (const QPointer<QObject> &object : owned)
        QVERIFY(object.isNull());
}

void tst_devicelist::receiverTileFollowsReachability()
{
    DDevicePage *page = makePage({{"Brisko", false, true, QByteArray()}, {"Yolma", true, false, QByteArray()}});
    QVERIFY(page);
    QVERIFY(waitForFirstLoad());
    const QString receiver = pathOfModel("Yolma", true);
    QTRY_VERIFY_WITH_TIMEOUT(page->keyboardLinks().size() == 2 && page->currentLink(), kHangMs);

    // Not reachable: offline, and the status reports keep it so.
    QTest::qWait(500);
    QVERIFY(tileText(page->deviceTiles().value(receiver)).endsWith(QLatin1String("(OffLine)")));
    QCOMPARE(page->receiverStatus().value(receiver, 1), 1);

    QCOMPARE(CVardexSim_SetReachable(receiver.toLatin1().constData(), 1, 1), 0);
    QTRY_VERIFY_WITH_TIMEOUT(tileText(page->deviceTiles().value(receiver)).endsWith(QLatin1String("(2.4G)")), kHangMs);
    QCOMPARE(page->receiverStatus().value(receiver), 0);
    // The cable keyboard stays current and its tile first.
    QCOMPARE(currentPath(page), pathOfModel("Brisko", false));

    QCOMPARE(CVardexSim_SetReachable(receiver.toLatin1().constData(), 0, 1), 0);
    QTRY_VERIFY_WITH_TIMEOUT(tileText(page->deviceTiles().value(receiver)).endsWith(QLatin1String("(OffLine)")),
                             kHangMs);
    QVERIFY(page->connectedDevices().contains(receiver));
}

void tst_devicelist::twoKeyboardsPluggedTogether_data()
{
    QTest::addColumn<int>("secondPlugMs");
    QTest::addColumn<int>("replyDelayMs");
    // Both notifications come 300 ms after their keyboard (as the main window
    // sends them); in the second row the second one arrives while the first
    // keyboard's link is still opening.
    QTest::newRow("within 50 ms") << 40 << 150;
    QTest::newRow("during the first link's wait") << 400 << 150;
}

void tst_devicelist::twoKeyboardsPluggedTogether()
{
    QFETCH(int, secondPlugMs);
    QFETCH(int, replyDelayMs);
    DDevicePage *page = makePage({});
    QVERIFY(page);
    QVERIFY(waitForFirstLoad());

    char pathA[256] = {};
    char pathB[256] = {};
    QCOMPARE(CVardexSim_AddDevice("Brisko", 0, pathA, sizeof pathA), 0);
    CVardexSim_SetFault(pathA, SIM_FAULT_REPLY_DELAY, replyDelayMs);
    QTimer::singleShot(300, page, [page] { page->updateHidList(11); });
    QTimer::singleShot(secondPlugMs, page, [&pathB, page] {
        CVardexSim_AddDevice("Pravo", 0, pathB, sizeof pathB);
        QTimer::singleShot(300, page, [page] { page->updateHidList(11); });
    });

    QTRY_VERIFY_WITH_TIMEOUT(page->keyboardLinks().size() == 2, kHangMs);
    const QString a = QString::fromLatin1(pathA);
    const QString b = QString::fromLatin1(pathB);
    for (const QString &path : {a, b}) {
        DDeviceKeyboardLink *link = page->keyboardLinks().value(path);
        QVERIFY2(link, qPrintable(path));
        QVERIFY(link->hidInterface() && link->hidInterface()->isHidOpen());
        QVERIFY(tileText(page->deviceTiles().value(path)).endsWith(QLatin1String("(USB)")));
    }
    QTRY_VERIFY_WITH_TIMEOUT(!currentPath(page).isEmpty(), kHangMs);
    QCOMPARE(currentPageName(page), QStringLiteral("page_HaveDevice"));
    // The offline tiles of both models were taken over by the keyboards.
    QVERIFY(!page->deviceTiles().contains(QStringLiteral("Brisko")));
    QVERIFY(!page->deviceTiles().contains(QStringLiteral("Pravo")));
}

void tst_devicelist::severalChangesOneNotification_data()
{
    QTest::addColumn<QStringList>("initial");
    QTest::addColumn<QStringList>("unplug");
    QTest::addColumn<QStringList>("plug");
    QTest::addColumn<int>("kind");
    // Only one notification reaches the page for all the changes (the others
    // were dropped while it was busy): it must still see every one of them.
    QTest::newRow("two plugged") << QStringList() << QStringList() << QStringList{"Brisko", "Pravo"} << 11;
    QTest::newRow("two unplugged, the current among them")
        << QStringList{"Brisko", "Pravo", "Doveln"} << QStringList{"Brisko", "Pravo"} << QStringList() << 12;
    QTest::newRow("one gone, one come, removal notification")
        << QStringList{"Brisko", "Pravo"} << QStringList{"Brisko"} << QStringList{"Mirvan"} << 12;
    QTest::newRow("one gone, one come, arrival notification")
        << QStringList{"Brisko", "Pravo"} << QStringList{"Pravo"} << QStringList{"Mirvan"} << 11;
    QTest::newRow("all unplugged") << QStringList{"Brisko", "Pravo"} << QStringList{"Brisko", "Pravo"}
                                   << QStringList() << 12;
}

void tst_devicelist::severalChangesOneNotification()
{
    QFETCH(QStringList, initial);
    QFETCH(QStringList, unplug);
    QFETCH(QStringList, plug);
    QFETCH(int, kind);
    QList<SimDevice> devices;
    QList<QByteArray> names; // keeps the model texts alive for the scenario
    for (const QString &model : initial)
        names << model.toLatin1();
    for (const QByteArray &name : names)
        devices.append({name.constData(), false, true, QByteArray()});
    DDevicePage *page = makePage(devices);
    QVERIFY(page);
    QVERIFY(waitForFirstLoad());
    QTRY_VERIFY_WITH_TIMEOUT(page->keyboardLinks().size() == initial.size(), kHangMs);
    if (!initial.isEmpty())
        QTRY_VERIFY_WITH_TIMEOUT(page->currentLink(), kHangMs);

    QList<QPointer<MainHidInterFace>> goneTransports;
    QList<QPointer<DDeviceKeyboardLink>> goneLinks;
    for (const QString &model : unplug) {
        const QString path = pathOfModel(model.toLatin1().constData(), false);
        QVERIFY2(!path.isEmpty(), qPrintable(model));
        goneTransports << page->keyboardLinks().value(path)->hidInterface();
        goneLinks << page->keyboardLinks().value(path);
        QCOMPARE(CVardexSim_Unplug(path.toLatin1().constData()), 0);
    }
    for (const QString &model : plug) {
        char path[256] = {};
        QCOMPARE(CVardexSim_AddDevice(model.toLatin1().constData(), 0, path, sizeof path), 0);
    }
    page->updateHidList(kind);

    // Exactly the attached keyboards have open links and online tiles.
    const QStringList attached = attachedPaths();
    QCOMPARE(attached.size(), initial.size() - unplug.size() + plug.size());
    QCOMPARE(QSet<QString>(page->keyboardLinks().keyBegin(), page->keyboardLinks().keyEnd()),
             QSet<QString>(attached.begin(), attached.end()));
    QCOMPARE(QSet<QString>(page->connectedDevices().keyBegin(), page->connectedDevices().keyEnd()),
             QSet<QString>(attached.begin(), attached.end()));
    for (const QString &path : attached) {
        QVERIFY(page->keyboardLinks().value(path)->hidInterface()->isHidOpen());
        QVERIFY(tileText(page->deviceTiles().value(path)).endsWith(QLatin1String("(USB)")));
    }
    for (const QPointer<MainHidInterFace> &transport : goneTransports) {
        QVERIFY(!transport || !transport->isHidOpen());
        QVERIFY(!transport || !transport->isRunning());
    }
    // A removed keyboard's link and transport are deleted, not just dropped.
    for (const QPointer<DDeviceKeyboardLink> &link : goneLinks)
        QTRY_VERIFY_WITH_TIMEOUT(link.isNull(), kHangMs);
    for (const QPointer<MainHidInterFace> &transport : goneTransports)
        QVERIFY(transport.isNull());
    for (const QString &model : unplug) {
        if (plug.contains(model))
            continue;
        DDeviceListItem *tile = page->deviceTiles().value(model);
        QVERIFY2(tile, qPrintable(model));
        QCOMPARE(tile->onlineStatus(), 0);
    }
    // Every tile in the list is one of the page's tiles, each once.
    QWidget *contents = page->findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents_2"));
    QCOMPARE(contents->layout()->count() - 1, page->deviceTiles().size());

    if (attached.isEmpty()) {
        QVERIFY(!page->currentLink());
        QCOMPARE(currentPageName(page), QStringLiteral("page_TipShow"));
        QCOMPARE(m_titleSpy->last().at(0).toString(), QStringLiteral("HID"));
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(attached.contains(currentPath(page)), kHangMs);
        QCOMPARE(currentPageName(page), QStringLiteral("page_HaveDevice"));
        QCOMPARE(firstTileInList(page), page->currentTile());
    }
}

void tst_devicelist::receiverOnlyBecomesCurrentWhenReachable()
{
    DDevicePage *page = makePage({{"Yolma", true, false, QByteArray()}});
    QVERIFY(page);
    QVERIFY(waitForFirstLoad());
    const QString receiver = pathOfModel("Yolma", true);
    QTRY_VERIFY_WITH_TIMEOUT(page->keyboardLinks().contains(receiver), kHangMs);

    // Attached but out of reach: no current keyboard, the "not connected" page.
    QTest::qWait(500);
    QVERIFY(!page->currentLink());
    QCOMPARE(currentPageName(page), QStringLiteral("page_TipShow"));
    QVERIFY(!m_titleSpy->isEmpty());
    QCOMPARE(m_titleSpy->last().at(0).toString(), QStringLiteral("HID"));
    QCOMPARE(m_titleSpy->last().at(1).toString(), QStringLiteral("RGB"));
    QVERIFY(tileText(page->deviceTiles().value(receiver)).endsWith(QLatin1String("(OffLine)")));

    QCOMPARE(CVardexSim_SetReachable(receiver.toLatin1().constData(), 1, 1), 0);
    QTRY_COMPARE_WITH_TIMEOUT(currentPath(page), receiver, kHangMs);
    QCOMPARE(currentPageName(page), QStringLiteral("page_HaveDevice"));
    QTRY_VERIFY_WITH_TIMEOUT(tileText(page->deviceTiles().value(receiver)).endsWith(QLatin1String("(2.4G)")), kHangMs);
    QCOMPARE(page->currentTile(), page->deviceTiles().value(receiver));
    QCOMPARE(QString::fromUtf8(page->currentDevice().hidName), QStringLiteral("Yolma"));

    // Out of reach again: it stops being current, its link stays open.
    MainHidInterFace *transport = page->keyboardLinks().value(receiver)->hidInterface();
    QCOMPARE(CVardexSim_SetReachable(receiver.toLatin1().constData(), 0, 1), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!page->currentLink(), kHangMs);
    QCOMPARE(currentPageName(page), QStringLiteral("page_TipShow"));
    QVERIFY(transport->isHidOpen());
    QVERIFY(tileText(page->deviceTiles().value(receiver)).endsWith(QLatin1String("(OffLine)")));
}

void tst_devicelist::simLogShowsInquiryChainAndKeepAlive()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString logPath = dir.filePath(QStringLiteral("sim.log"));
    QCOMPARE(CVardexSim_SetLogFile(QFile::encodeName(logPath).constData()), 0);
    DDevicePage *page = makePage({{"Brisko", false, true, QByteArray()}, {"Yolma", true, true, QByteArray()}});
    QVERIFY(page);
    QVERIFY(waitForFirstLoad());
    QTRY_VERIFY_WITH_TIMEOUT(page->keyboardLinks().size() == 2 && page->currentLink(), kHangMs);
    using Written = QMap<QString, QList<QPair<qint64, QByteArray>>>; // path -> (ms, report) host to keyboard
    const auto readLog = [&] {
        Written written;
        QFile log(logPath);
        if (!log.open(QIODevice::ReadOnly))
            return written;
        for (const QByteArray &line : log.readAll().split('\n')) {
            const QList<QByteArray> f = line.simplified().split(' ');
            if (f.size() == 4 && f.at(2) == ">" && f.at(3).size() == 128)
                written[QString::fromLatin1(f.at(1))].append({f.at(0).toLongLong(), QByteArray::fromHex(f.at(3))});
        }
        return written;
    };
    const auto isKeepAlive = [](const QByteArray &r) {
        return r.at(0) == 0 && r.at(1) == 0 && r.at(5) == 1 && r.at(6) == 0;
    };
    // Until each keyboard has had four keep-alives (three gaps).
    QVERIFY(QTest::qWaitFor([&] {
        const Written written = readLog();
        for (const char *model : {"Brisko", "Yolma"}) {
            const auto reports = written.value(pathOfModel(model, std::strcmp(model, "Yolma") == 0));
            const auto keepAlive = [&](const auto &w) { return isKeepAlive(w.second); };
            if (std::count_if(reports.cbegin(), reports.cend(), keepAlive) < 4)
                return false;
        }
        return true;
    }, kHangMs));
    CVardexSim_SetLogFile(nullptr);

    const Written written = readLog();
    for (const char *model : {"Brisko", "Yolma"}) {
        const QString path = pathOfModel(model, std::strcmp(model, "Yolma") == 0);
        const auto reports = written.value(path);
        QVERIFY2(!reports.isEmpty(), model);
        // The link's first report is the serial-number inquiry; only the
        // library's own identity read at enumeration may come before it.
        int sn = -1;
        for (int i = 0; i < reports.size() && sn < 0; ++i) {
            const QByteArray &r = reports.at(i).second;
            if (r.at(0) == 0 && r.at(1) == 0x14)
                sn = i;
            else
                QVERIFY2(r.at(1) == 0x0D, model);
        }
        QVERIFY2(sn >= 0, model);
        // Then the inquiry chain in its order.
        const QList<int> chain = {0x06, 0x07, 0x09, 0x01, 0x0D};
        int next = 0;
        QList<qint64> keepAlives;
        for (int i = sn + 1; i < reports.size(); ++i) {
            const QByteArray &r = reports.at(i).second;
            if (next < chain.size() && r.at(1) == chain.at(next))
                ++next;
            if (isKeepAlive(r))
                keepAlives << reports.at(i).first;
        }
        QVERIFY2(next == chain.size(), model);
        // A keep-alive about every second.
        QVERIFY2(keepAlives.size() >= 3, model);
        // Never a burst, in every build. A loaded machine only makes a
        // keep-alive late, and a late one may be followed closely by the next
        // on time, so no single gap says it; but the k-th keep-alive can never
        // come before k periods (less a coarse timer's 5 %) after the link's
        // first report, a moment the keep-alive timer starts just after.
        const qint64 sinceLinkOpened = keepAlives.last() - reports.at(sn).first;
        QVERIFY2(keepAlives.size() <= sinceLinkOpened / 950 + 1,
                 qPrintable(QStringLiteral("%1 keep-alives in %2 ms").arg(keepAlives.size()).arg(sinceLinkOpened)));
#if !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
        // How close the period stays is a question of speed, which a
        // sanitizer build on a loaded machine cannot answer.
        QList<qint64> gaps;
        for (int i = 1; i < keepAlives.size(); ++i)
            gaps << keepAlives.at(i) - keepAlives.at(i - 1);
        std::sort(gaps.begin(), gaps.end());
        const qint64 median = gaps.at(gaps.size() / 2);
        QVERIFY2(median >= 800 && median <= 1300, qPrintable(QString::number(median)));
#endif
    }
}

void tst_devicelist::unplugCurrentKeyboard()
{
    QString first, second;
    makeTwoLinkedKeyboards(first, second);
    if (QTest::currentTestFailed())
        return;
    DDevicePage *page = m_page.get();
    QPointer<MainHidInterFace> firstTransport = page->currentTransport();
    QVERIFY(firstTransport);

    QCOMPARE(CVardexSim_Unplug(first.toLatin1().constData()), 0);
    page->updateHidList(12);
    QVERIFY(!firstTransport || !firstTransport->isHidOpen());
    QVERIFY(!firstTransport || firstTransport->isFinished() || !firstTransport->isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(firstTransport.isNull(), kHangMs);
    QVERIFY(!page->keyboardLinks().contains(first));
    QTRY_COMPARE_WITH_TIMEOUT(currentPath(page), second, kHangMs);
    // The removed keyboard's tile is the offline tile of its model now.
    const QString model = QString::fromLatin1(page->connectedDevices().value(second).hidName) == QLatin1String("Brisko")
                              ? QStringLiteral("Pravo")
                              : QStringLiteral("Brisko");
    QVERIFY(page->deviceTiles().contains(model));
    QCOMPARE(page->deviceTiles().value(model)->onlineStatus(), 0);
    QCOMPARE(firstTileInList(page), page->deviceTiles().value(second));

    QPointer<MainHidInterFace> secondTransport = page->currentTransport();
    QCOMPARE(CVardexSim_Unplug(second.toLatin1().constData()), 0);
    m_titleSpy->clear();
    page->updateHidList(12);
    QVERIFY(!secondTransport || !secondTransport->isHidOpen());
    QVERIFY(!page->currentLink());
    QVERIFY(!page->currentTile());
    QVERIFY(page->connectedDevices().isEmpty());
    QCOMPARE(currentPageName(page), QStringLiteral("page_TipShow"));
    QVERIFY(!m_titleSpy->isEmpty());
    QCOMPARE(m_titleSpy->last().at(0).toString(), QStringLiteral("HID"));
}

void tst_devicelist::unplugOtherKeyboardKeepsCurrent()
{
    QString current, other;
    makeTwoLinkedKeyboards(current, other);
    if (QTest::currentTestFailed())
        return;
    DDevicePage *page = m_page.get();
    QPointer<MainHidInterFace> otherTransport = page->keyboardLinks().value(other)->hidInterface();
    DDeviceKeyboardLink *currentLink = page->currentLink();

    QCOMPARE(CVardexSim_Unplug(other.toLatin1().constData()), 0);
    page->updateHidList(12);
    QVERIFY(!otherTransport || !otherTransport->isHidOpen());
    QTRY_VERIFY_WITH_TIMEOUT(otherTransport.isNull(), kHangMs);
    QCOMPARE(page->currentLink(), currentLink);
    QCOMPARE(currentPath(page), current);
    QVERIFY(page->currentTransport()->isHidOpen());

    // It comes back: it gets its tile and a new link, and the current stays.
    QCOMPARE(CVardexSim_Plug(other.toLatin1().constData()), 0);
    page->updateHidList(11);
    QVERIFY(page->keyboardLinks().contains(other));
    QVERIFY(page->keyboardLinks().value(other)->hidInterface()->isHidOpen());
    QCOMPARE(page->currentLink(), currentLink);
}

void tst_devicelist::clickTileSwitchesCurrentKeyboard()
{
    QString current, other;
    makeTwoLinkedKeyboards(current, other);
    if (QTest::currentTestFailed())
        return;
    DDevicePage *page = m_page.get();
    DDeviceListItem *tile = page->deviceTiles().value(other);
    QVERIFY(tile);
    QTest::mouseClick(tile, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(currentPath(page), other, kHangMs);
    QCOMPARE(page->currentTile(), page->deviceTiles().value(other));
    QCOMPARE(QString::fromLatin1(page->currentDevice().hidPath), other);

    // A second click on the current tile changes nothing but says so.
    QTest::mouseClick(page->deviceTiles().value(other), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!page->lastNotice().isEmpty(), kHangMs);
    QCOMPARE(page->lastNotice(), QStringLiteral("The device has been turned on"));
    QCOMPARE(currentPath(page), other);
}

void tst_devicelist::clickOfflineTileShowsMessage()
{
    DDevicePage *page = makePage({{"Brisko", false, true, QByteArray()}});
    QVERIFY(page);
    QVERIFY(waitForFirstLoad());
    QTRY_VERIFY_WITH_TIMEOUT(!currentPath(page).isEmpty(), kHangMs);
    const QString current = currentPath(page);

    DDeviceListItem *offline = page->deviceTiles().value(QStringLiteral("Mirvan"));
    QVERIFY(offline);
    QTest::mouseClick(offline, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(page->lastNotice(), QStringLiteral("The device is offline"), kHangMs);
    QCOMPARE(currentPath(page), current);
}

// The tiles in the order the list shows them, top first.
static QList<DDeviceListItem *> tilesShown(DDevicePage *page)
{
    QList<DDeviceListItem *> shown;
    QWidget *contents = page->findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents_2"));
    QLayout *layout = contents ? contents->layout() : nullptr;
    for (int i = 0; layout && i < layout->count(); ++i)
        if (auto *tile = qobject_cast<DDeviceListItem *>(layout->itemAt(i)->widget()))
            shown.append(tile);
    return shown;
}

void tst_devicelist::firstLoadListsCableKeyboardsFirst()
{
    // The receiver comes first in the library's list; no status report
    // arrives during the test, so the order is the first load's own.
    DDevicePage *page = makePage({{"Yolma", true, true, QByteArray()},
                                  {"Brisko", false, true, QByteArray()},
                                  {"Pravo", false, true, QByteArray()}},
                                 60000);
    QVERIFY(page);
    QVERIFY(waitForFirstLoad());
    QTRY_VERIFY_WITH_TIMEOUT(page->keyboardLinks().size() == 3 && page->currentLink(), kHangMs);

    const QList<DDeviceListItem *> shown = tilesShown(page);
    QCOMPARE(shown.size(), page->deviceTiles().size());
    QStringList kinds;
    for (DDeviceListItem *tile : shown) {
        const hidStructInfoAll info = tile->hidInfo();
        const bool attached = page->connectedDevices().contains(QString::fromLatin1(info.hidPath));
        kinds << (!attached ? QStringLiteral("offline") : info.hidUsbOrDongle == 0 ? QStringLiteral("cable")
                                                                                    : QStringLiteral("receiver"));
    }
    QStringList expected{"cable", "cable", "receiver"};
    while (expected.size() < kinds.size())
        expected << "offline";
    QCOMPARE(kinds, expected);
    QCOMPARE(shown.first(), page->currentTile());
}

void tst_devicelist::receiverReportUpdatesItsTileInPlace()
{
    DDevicePage *page = makePage({{"Brisko", false, true, QByteArray()}, {"Yolma", true, false, QByteArray()}},
                                 60000);
    QVERIFY(page);
    QVERIFY(waitForFirstLoad());
    QTRY_VERIFY_WITH_TIMEOUT(page->keyboardLinks().size() == 2 && page->currentLink(), kHangMs);
    const QString receiver = pathOfModel("Yolma", true);
    const QList<DDeviceListItem *> before = tilesShown(page);
    QList<QPointer<DDeviceListItem>> alive;
    for (DDeviceListItem *tile : before)
        alive.append(tile);
    DDeviceListItem *receiverTile = page->deviceTiles().value(receiver);
    QVERIFY(receiverTile);

    QCOMPARE(CVardexSim_SetReachable(receiver.toLatin1().constData(), 1, 1), 0);
    QTRY_VERIFY_WITH_TIMEOUT(tileText(page->deviceTiles().value(receiver)).endsWith(QLatin1String("(2.4G)")), kHangMs);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // The same tiles, none rebuilt: the receiver's own tile changed its text.
    QCOMPARE(page->deviceTiles().value(receiver), receiverTile);
    for (const QPointer<DDeviceListItem> &tile : alive)
        QVERIFY(tile);
    QCOMPARE(tilesShown(page).size(), before.size());
    QCOMPARE(tilesShown(page).first(), page->currentTile());
    QCOMPARE(tilesShown(page).at(1), receiverTile);
}

QTEST_MAIN(tst_devicelist)
#include "tst_devicelist.moc"

// A receiver that arrived after the first load and has never said whether
// its keyboard is in reach does not count as reachable: when the current
// keyboard goes, it is not made current.
void tst_devicelist::unreportedReceiverIsNotMadeCurrent()
{
    DDevicePage *page = makePage({{"Brisko", false, true, QByteArray()}, {"Yolma", true, true, QByteArray()}});
    QVERIFY(page);
    const QByteArray cable = pathOfModel("Brisko", false).toLatin1();
    const QByteArray receiver = pathOfModel("Yolma", true).toLatin1();
    // Away before the list is loaded (200 ms after the page), and silent.
    QCOMPARE(CVardexSim_Unplug(receiver.constData()), 0);
    QCOMPARE(CVardexSim_SetFault(receiver.constData(), SIM_FAULT_SILENT, 1), 0);
    QVERIFY(waitForFirstLoad());
    QTRY_COMPARE_WITH_TIMEOUT(currentPath(page), QString::fromLatin1(cable), testWait::kHangMs);

    QCOMPARE(CVardexSim_Plug(receiver.constData()), 0);
    page->updateHidList(11);
    QVERIFY(page->keyboardLinks().contains(QString::fromLatin1(receiver)));
    QVERIFY(!page->receiverStatus().contains(QString::fromLatin1(receiver)));
    QCOMPARE(currentPath(page), QString::fromLatin1(cable));

    QCOMPARE(CVardexSim_Unplug(cable.constData()), 0);
    page->updateHidList(12);
    QVERIFY(!page->currentLink());
    QCOMPARE(currentPageName(page), QStringLiteral("page_TipShow"));
    QVERIFY(!m_titleSpy->isEmpty());
    QCOMPARE(m_titleSpy->last().at(0).toString(), QStringLiteral("HID"));
    QVERIFY(tileText(page->deviceTiles().value(QString::fromLatin1(receiver))).endsWith(QLatin1String("(OffLine)")));
}

// Unplugging a keyboard that is not current leaves the current one exactly
// as it was: it is not made current again, its drawing and profile are not
// reloaded, and it is not asked anything.
void tst_devicelist::unplugOtherKeyboardReloadsNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString logPath = dir.filePath(QStringLiteral("sim.log"));
    QCOMPARE(CVardexSim_SetLogFile(QFile::encodeName(logPath).constData()), 0);
    QString current, other;
    makeTwoLinkedKeyboards(current, other);
    if (QTest::currentTestFailed())
        return;
    DDevicePage *page = m_page.get();
    QTRY_VERIFY_WITH_TIMEOUT(!page->profileFolder().isEmpty(), testWait::kHangMs);
    // The set-up ends by asking for the sleep times (0x13).
    QTRY_VERIFY_WITH_TIMEOUT(keyboardAgreement::writtenCommands(logPath).value(current).contains(0x13), testWait::kHangMs);
    QPointer<hidDeviceJoinFrame> view = page->keyboardView();
    QVERIFY(view);
    QPointer<MainHidInterFace> otherTransport = page->keyboardLinks().value(other)->hidInterface();
    const QByteArray store = page->profileXmlPath();
    m_titleSpy->clear();
    const qint64 before = QFileInfo(logPath).size();

    QCOMPARE(CVardexSim_Unplug(other.toLatin1().constData()), 0);
    page->updateHidList(12);
    QTRY_VERIFY_WITH_TIMEOUT(otherTransport.isNull(), testWait::kHangMs);

    QCOMPARE(currentPath(page), current);
    QVERIFY(m_titleSpy->isEmpty());
    QVERIFY(view);
    QCOMPARE(page->keyboardView(), view.data());
    QCOMPARE(page->profileXmlPath(), store);
    // Only what runs all the time (keep-alive, light synchronisation) went
    // to the current keyboard: no inquiry of a keyboard being set up.
    CVardexSim_SetLogFile(nullptr);
    const QList<int> written = keyboardAgreement::writtenCommands(logPath, before).value(current);
    for (int command : written)
        QVERIFY2(command == 0x00 || command == 0x0E || command == 0x16 || command == 0x28,
                 qPrintable(QStringLiteral("0x%1 written to the current keyboard").arg(command, 2, 16, QLatin1Char('0'))));
}

// A receiver's keyboard out of reach when its link opened never heard the
// serial-number inquiry: it is asked when it comes into reach, also while
// another keyboard is current, and that one stays current.
void tst_devicelist::keyboardInReachIsAskedForItsSerialNumber()
{
    const QByteArray serial = "7c3b9e15d2a84f60b1e7c4a9d3f8e2b5";
    DDevicePage *page = makePage({{"Brisko", false, true, QByteArray()}, {"Yolma", true, false, serial}});
    QVERIFY(page);
    QVERIFY(waitForFirstLoad());
    const QString cable = pathOfModel("Brisko", false);
    const QString receiver = pathOfModel("Yolma", true);
    QTRY_VERIFY_WITH_TIMEOUT(currentPath(page) == cable && !page->profileFolder().isEmpty(), testWait::kHangMs);
    DDeviceKeyboardLink *link = page->keyboardLinks().value(receiver);
    QVERIFY(link);
    QVERIFY(link->currentSN().isEmpty());

    QCOMPARE(CVardexSim_SetReachable(receiver.toLatin1().constData(), 1, 1), 0);
    QTRY_COMPARE_WITH_TIMEOUT(link->currentSN(), QString::fromLatin1(serial), testWait::kHangMs);
    QTRY_VERIFY_WITH_TIMEOUT(link->isDeviceReady(), testWait::kHangMs);
    QCOMPARE(currentPath(page), cable);
}
