// The transport thread against the simulated keyboard: queueing rules, the
// light-frame rule, the order of writes, keep-alive and close.
#include "hid/DDeviceHidCmdSend.h"
#include "hid/MainHidInterFace.h"
#include "simKeyboard.h"
#include "../testWait.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>

namespace {
hidCmdBuff lightReport(int chunk)
{
    hidCmdBuff r;
    r[0] = 0x01;
    r[1] = static_cast<unsigned char>(HidSendCmd::LightSyncColor);
    r[4] = static_cast<unsigned char>(chunk);
    r[5] = 54;
    r[6] = 0xFF;
    return r;
}

// "01 13 .." -> 64 bytes, zero-padded.
QByteArray report(const char *hex)
{
    QByteArray bytes = QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
    bytes.append(QByteArray(64 - bytes.size(), '\0'));
    return bytes;
}

// Runs one public operation of the report builder by name.
int runOperation(DDeviceHidCmdSend &send, const QString &op)
{
    static const unsigned char keys[8] = {0x02, 0x00, 0x04, 0x05, 0x00, 0x00, 0x00, 0x29};
    unsigned char full[64];
    for (int i = 0; i < 64; ++i)
        full[i] = static_cast<unsigned char>(0x80 + i);
    if (op == QLatin1String("writeSN"))
        send.writeSN(QStringLiteral("0123456789abcdef0123456789ABCDEF"));
    else if (op == QLatin1String("writeSixKey"))
        send.writeSixKey(keys);
    else if (op == QLatin1String("writeFullKey"))
        send.writeFullKey(full);
    else if (op == QLatin1String("inquireLightMode"))
        send.inquireLightMode();
    else if (op == QLatin1String("inquireSideLightMode"))
        send.inquireSideLightMode();
    else if (op == QLatin1String("inquireKeyboardLightConfig"))
        send.inquireKeyboardLightConfig();
    else if (op == QLatin1String("inquireSideLightConfig"))
        send.inquireSideLightConfig();
    else if (op == QLatin1String("reset"))
        send.reset();
    else if (op == QLatin1String("setSleepTime"))
        send.setSleepTime(5, 300);
    else if (op == QLatin1String("lockWin"))
        return send.lockWin(1, 0, 1, 0);
    else if (op == QLatin1String("checkLayoutSupportCustom"))
        send.checkLayoutSupportCustom();
    else if (op == QLatin1String("checkSleepTime"))
        send.checkSleepTime();
    else
        qFatal("unknown operation");
    return 0;
}

// Collects the reports a transport hands over.
class Receiver : public QObject
{
    Q_OBJECT
public:
    QList<QByteArray> data, sn;
public slots:
    void onData(QByteArray d, int length, int threadIndex) { data << d; }
    void onSN(QByteArray d, QString name) { sn << d; }
};
} // namespace

class tst_hidtransport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void notOpenRefusesEverything();
    void builderOperationsQueueTheirReport_data();
    void builderOperationsQueueTheirReport();
    void builderOperationsReportRefusal_data();
    void builderOperationsReportRefusal();
    void lightFrameRule_data();
    void lightFrameRule();
    void lightQueueClearedWhenSyncOff();
    void sendPassHoldsPartialFrame();
    void commandsBeforeLightReports();
    void serialNumberComesOnlyBySnSignal();
    void keepAliveAboutOncePerSecondAndNoneAfterClose();
    void deviceGoneWhenUnpluggedNotWhenClosed();
    void reportsKeepTheirSpacing();
    void completeFrameGoesOutWithoutOtherTraffic();

private:
    QString m_path;
};

void tst_hidtransport::initTestCase()
{
    const QStringList paths = simKeyboard::paths();
    QVERIFY2(!paths.isEmpty(), "the simulated keyboard lists no device");
    m_path = paths.first();
    QVERIFY2(simKeyboard::LogReader().enabled(), "VARDEX_SIM_LOG must name the simulator's log");
}

void tst_hidtransport::notOpenRefusesEverything()
{
    const hidCmdBuff r = DDeviceHidCmdSend::buildReset();
    MainHidInterFace never(1, QStringLiteral("Zeno"));
    QCOMPARE(never.hidApi_Write(r.data()), -1);
    QCOMPARE(never.hidApi_WriteLight(r.data()), -1);
    QCOMPARE(never.hidApi_Close(1), 0);
    QCOMPARE(never.pendingCommandCount(), 0);

    MainHidInterFace bad(2, QStringLiteral("Zeno"));
    QCOMPARE(bad.hidApi_Open(QStringLiteral("/dev/no-such-keyboard")), -1);
    QCOMPARE(bad.hidApi_Write(r.data()), -1);

    MainHidInterFace closed(3, QStringLiteral("Zeno"));
    QCOMPARE(closed.hidApi_Open(m_path), 0);
    QCOMPARE(closed.pendingCommandCount(), 1); // the serial-number inquiry
    QCOMPARE(closed.hidApi_Close(3), 0);
    QCOMPARE(closed.pendingCommandCount(), 0);
    QCOMPARE(closed.hidApi_Write(r.data()), -1);
    QCOMPARE(closed.hidApi_WriteLight(r.data()), -1);
    QCOMPARE(closed.pendingCommandCount(), 0);
}

void tst_hidtransport::builderOperationsQueueTheirReport_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("failure");
    QTest::newRow("writeSN") << "writeSN"
                             << report("01 15 00 00 00 20 3031323334353637383961626364656630313233343536373839414243444546")
                             << "USB serial port [Write SN] Failed ...";
    QTest::newRow("writeSixKey") << "writeSixKey" << report("01 03 00 00 00 09 02 00 04 05 00 00 00 29")
                                 << "USB serial port [Write Key] Failed ...";
    QTest::newRow("writeFullKey") << "writeFullKey"
                                  << report("01 04 00 00 00 15 86 87 88 89 8a 8b 8c 8d 8e 8f 90 91 92")
                                  << "USB serial port [Write Key] Failed ...";
    QTest::newRow("inquireLightMode") << "inquireLightMode" << report("01 09")
                                      << "---------- *** Inquire [Light Mode] Failed *** ----------";
    QTest::newRow("inquireSideLightMode") << "inquireSideLightMode" << report("01 01")
                                          << "---------- *** Inquire [Side Light Mode] Failed *** ----------";
    QTest::newRow("inquireKeyboardLightConfig")
        << "inquireKeyboardLightConfig" << report("01 06 01")
        << "---------- *** Inquire [Keyboard Light Config] Failed *** ----------";
    QTest::newRow("inquireSideLightConfig") << "inquireSideLightConfig" << report("01 07 01")
                                            << "---------- *** Inquire [Side Light Config] Failed *** ----------";
    QTest::newRow("reset") << "reset" << report("01 13 00 00 00 01 01") << "---------- *** [Reset] Failed *** ----------";
    QTest::newRow("setSleepTime") << "setSleepTime" << report("01 13 01 00 00 01 00 00 00 00 05 01 2C")
                                  << "---------- *** [Set Sleep time] Failed *** ----------";
    QTest::newRow("lockWin") << "lockWin" << report("01 13 00 00 00 01 00 00 00 00 00 00 00 01 00 01 00")
                             << "---------- *** [Lock Win] Failed *** ----------";
    QTest::newRow("checkLayoutSupportCustom")
        << "checkLayoutSupportCustom" << report("01 0D")
        << "USB serial port [Check keyboard layout is support custom] Failed ...";
    QTest::newRow("checkSleepTime") << "checkSleepTime" << report("01 13 02 00 00 01")
                                    << "---------- *** [Check Sleep time] Failed *** ----------";
}

void tst_hidtransport::builderOperationsQueueTheirReport()
{
    QFETCH(QString, op);
    QFETCH(QByteArray, expected);
    // Not started: the queue keeps what the operation put there.
    MainHidInterFace t(1, QStringLiteral("Zeno"));
    QCOMPARE(t.hidApi_Open(m_path), 0);
    DDeviceHidCmdSend send;
    send.setHidInterface(&t);
    if (op == QLatin1String("checkLayoutSupportCustom"))
        QTest::ignoreMessage(QtDebugMsg, "USB serial port [Check keyboard layout is support custom] Successful ...");
    QCOMPARE(runOperation(send, op), 0);
    const QList<QByteArray> queued = t.pendingCommands();
    QCOMPARE(queued.size(), 2); // behind the serial-number inquiry of open
    QCOMPARE(queued.at(1).toHex(' '), expected.toHex(' '));
    t.hidApi_Close(1);
}

void tst_hidtransport::builderOperationsReportRefusal_data()
{
    builderOperationsQueueTheirReport_data();
}

void tst_hidtransport::builderOperationsReportRefusal()
{
    QFETCH(QString, op);
    QFETCH(QString, failure);
    MainHidInterFace t(1, QStringLiteral("Zeno"));
    QCOMPARE(t.hidApi_Open(m_path), 0);
    QCOMPARE(t.hidApi_Close(1), 0);
    DDeviceHidCmdSend send;
    send.setHidInterface(&t);
    QTest::ignoreMessage(QtDebugMsg, qPrintable(failure));
    const int result = runOperation(send, op);
    if (op == QLatin1String("lockWin"))
        QCOMPARE(result, -1); // the refusal reaches the caller
    QCOMPARE(t.pendingCommandCount(), 0);
}

void tst_hidtransport::lightFrameRule_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("queued");
    QTest::newRow("ordinary model") << QStringLiteral("Zeno") << 10;
    QTest::newRow("listed model") << QStringLiteral("Caspo") << 11;
}

void tst_hidtransport::lightFrameRule()
{
    QFETCH(QString, model);
    QFETCH(int, queued);
    // Not started: nothing drains the queue, so the rule alone decides.
    MainHidInterFace t(1, model);
    QCOMPARE(t.hidApi_Open(m_path), 0);

    QCOMPARE(t.hidApi_WriteLight(lightReport(0).data()), 0);
    QCOMPARE(t.pendingLightCount(), 0); // synchronisation off: dropped

    t.setLightSynchronous(true);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(t.hidApi_WriteLight(lightReport(i).data()), 0);
    QCOMPARE(t.pendingLightCount(), queued);
    QCOMPARE(t.hidApi_Close(1), 0);
}

void tst_hidtransport::lightQueueClearedWhenSyncOff()
{
    MainHidInterFace t(1, QStringLiteral("Zeno"));
    QCOMPARE(t.hidApi_Open(m_path), 0);
    t.setLightSynchronous(true);
    for (int i = 0; i < 4; ++i)
        t.hidApi_WriteLight(lightReport(i).data());
    QCOMPARE(t.pendingLightCount(), 4);
    t.setLightSynchronous(false);
    QCOMPARE(t.pendingLightCount(), 0);
    // A fresh frame starts cleanly once synchronisation is back on.
    t.setLightSynchronous(true);
    for (int i = 0; i < 12; ++i)
        t.hidApi_WriteLight(lightReport(i).data());
    QCOMPARE(t.pendingLightCount(), 10);
    t.hidApi_Close(1);
}

void tst_hidtransport::sendPassHoldsPartialFrame()
{
    // Not started: each send pass is run here, so nothing depends on timing.
    simKeyboard::LogReader log;
    MainHidInterFace t(1, QStringLiteral("Zeno"));
    QCOMPARE(t.hidApi_Open(m_path), 0);
    while (t.writePass()) { // the serial-number inquiry queued by open
    }
    t.setLightSynchronous(true);
    auto lightsSent = [&] {
        int n = 0;
        for (const simKeyboard::LogLine &l : log.written(m_path))
            n += uchar(l.report[1]) == 0x0E;
        return n;
    };
    for (int i = 0; i < 9; ++i)
        t.hidApi_WriteLight(lightReport(i).data());
    for (int pass = 0; pass < 3; ++pass)
        QVERIFY2(!t.writePass(), "a pass sent part of a frame");
    QCOMPARE(lightsSent(), 0);
    QCOMPARE(t.pendingLightCount(), 9);

    t.hidApi_WriteLight(lightReport(9).data()); // completes the frame
    for (int i = 0; i < 10; ++i)
        QVERIFY(t.writePass());
    QVERIFY(!t.writePass());
    QCOMPARE(lightsSent(), 10);
    const QList<simKeyboard::LogLine> written = log.written(m_path);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(int(uchar(written.at(written.size() - 10 + i).report[4])), i); // in order
    t.hidApi_Close(1);
}

void tst_hidtransport::commandsBeforeLightReports()
{
    simKeyboard::LogReader log;
    MainHidInterFace t(1, QStringLiteral("Zeno"));
    QCOMPARE(t.hidApi_Open(m_path), 0);
    t.setLightSynchronous(true);
    for (int i = 0; i < 10; ++i)
        t.hidApi_WriteLight(lightReport(i).data());
    const hidCmdBuff sleep = DDeviceHidCmdSend::buildCheckSleepTime();
    const hidCmdBuff layout = DDeviceHidCmdSend::buildCheckLayout();
    t.hidApi_Write(sleep.data());
    t.hidApi_Write(layout.data());
    t.start();

    QTRY_COMPARE_WITH_TIMEOUT(log.written(m_path).size() >= 13, true, testWait::kHangMs);
    const QList<simKeyboard::LogLine> w = log.written(m_path);
    QCOMPARE(w.at(0).report.left(2).toHex(), QByteArray("0014")); // the serial-number inquiry comes first
    QCOMPARE(w.at(1).report, sleep.toByteArray());
    QCOMPARE(w.at(2).report, layout.toByteArray());
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(int(uchar(w.at(3 + i).report[1])), 0x0E);
        QCOMPARE(int(uchar(w.at(3 + i).report[4])), i);
    }

    // A command queued while a frame fills still goes first.
    simKeyboard::LogReader log2;
    for (int i = 0; i < 9; ++i)
        t.hidApi_WriteLight(lightReport(20 + i).data());
    t.hidApi_Write(sleep.data());
    t.hidApi_WriteLight(lightReport(29).data()); // completes the frame
    QTRY_COMPARE_WITH_TIMEOUT(log2.written(m_path).size() >= 11, true, testWait::kHangMs);
    const QList<simKeyboard::LogLine> w2 = log2.written(m_path);
    int firstLight = -1, command = -1;
    for (int i = 0; i < w2.size(); ++i) {
        if (uchar(w2.at(i).report[1]) == 0x0E && firstLight < 0)
            firstLight = i;
        if (w2.at(i).report == sleep.toByteArray())
            command = i;
    }
    QVERIFY(command >= 0 && firstLight >= 0);
    QVERIFY2(command < firstLight, "the command waited behind a light report");
    t.hidApi_Close(1);
}

void tst_hidtransport::serialNumberComesOnlyBySnSignal()
{
    Receiver rx;
    MainHidInterFace t(4, QStringLiteral("Zeno"));
    connect(&t, &MainHidInterFace::sigHidDataArrived, &rx, &Receiver::onData);
    connect(&t, &MainHidInterFace::sigHidSnGetOver, &rx, &Receiver::onSN);
    QCOMPARE(t.hidApi_Open(m_path), 0);
    t.start();
    QTRY_COMPARE_WITH_TIMEOUT(rx.sn.size(), 1, testWait::kHangMs);
    QCOMPARE(int(uchar(rx.sn.first()[1])), 0x15);
    const hidCmdBuff sleep = DDeviceHidCmdSend::buildCheckSleepTime();
    t.hidApi_Write(sleep.data());
    QTRY_VERIFY_WITH_TIMEOUT(!rx.data.isEmpty(), testWait::kHangMs);
    for (const QByteArray &r : qAsConst(rx.data))
        QVERIFY(uchar(r[1]) != 0x15);
    t.hidApi_Close(4);
}

void tst_hidtransport::keepAliveAboutOncePerSecondAndNoneAfterClose()
{
    simKeyboard::LogReader log;
    MainHidInterFace t(5, QStringLiteral("Zeno"));
    QCOMPARE(t.hidApi_Open(m_path), 0);
    t.start();
    QElapsedTimer clock;
    clock.start();
    auto keepAlives = [&] {
        QList<qint64> at;
        for (const simKeyboard::LogLine &l : log.written(m_path))
            if (simKeyboard::isKeepAlive(l.report))
                at << l.ms;
        return at;
    };
    QVERIFY(QTest::qWaitFor([&] { return keepAlives().size() >= 3; }, 60000));
    const QList<qint64> before = keepAlives();
#if !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
    // How close the period stays is a question of speed, which a sanitizer
    // build on a loaded machine cannot answer.
    QVERIFY2(clock.elapsed() > 1400, qPrintable(QString::number(clock.elapsed())));
    for (int i = 1; i < before.size(); ++i) {
        const qint64 gap = before.at(i) - before.at(i - 1);
        QVERIFY2(gap > 700 && gap < 1300, qPrintable(QString::number(gap)));
    }
#endif
    QCOMPARE(t.hidApi_Close(5), 0);
    QVERIFY(t.isFinished());
    const int count = keepAlives().size();
    QTest::qWait(2200);
    QCOMPARE(keepAlives().size(), count);
    QCOMPARE(t.pendingCommandCount(), 0);
}

void tst_hidtransport::deviceGoneWhenUnpluggedNotWhenClosed()
{
    // Counted on this thread, as the page receives it.
    QObject receiver;
    int gone = 0;
    Receiver rx;
    MainHidInterFace t(6, QStringLiteral("Zeno"));
    connect(&t, &MainHidInterFace::sigHidDeviceGone, &receiver, [&gone] { ++gone; });
    connect(&t, &MainHidInterFace::sigHidSnGetOver, &rx, &Receiver::onSN);
    QCOMPARE(t.hidApi_Open(m_path), 0);
    t.start();
    QTRY_COMPARE_WITH_TIMEOUT(rx.sn.size(), 1, testWait::kHangMs);
    QVERIFY(!t.isDeviceGone());

    QCOMPARE(CVardexSim_Unplug(m_path.toLatin1().constData()), 0);
    QTRY_COMPARE_WITH_TIMEOUT(gone, 1, testWait::kHangMs);
    QVERIFY(t.isDeviceGone());
    QVERIFY(t.isHidOpen()); // closing is its holder's business
    // Back under the same path: this handle stays dead, and says so once.
    QCOMPARE(CVardexSim_Plug(m_path.toLatin1().constData()), 0);
    const hidCmdBuff sleep = DDeviceHidCmdSend::buildCheckSleepTime();
    QCOMPARE(t.hidApi_Write(sleep.data()), 0);
    QTRY_COMPARE_WITH_TIMEOUT(t.pendingCommandCount(), 0, testWait::kHangMs);
    QVERIFY(t.isDeviceGone());
    QCOMPARE(t.hidApi_Close(6), 0);
    QCoreApplication::processEvents();
    QCOMPARE(gone, 1);

    // A transport closed while its keyboard stays attached reports nothing.
    int goneAfterClose = 0;
    Receiver rx2;
    MainHidInterFace u(7, QStringLiteral("Zeno"));
    connect(&u, &MainHidInterFace::sigHidDeviceGone, &receiver, [&goneAfterClose] { ++goneAfterClose; });
    connect(&u, &MainHidInterFace::sigHidSnGetOver, &rx2, &Receiver::onSN);
    QCOMPARE(u.hidApi_Open(m_path), 0);
    u.start();
    QTRY_COMPARE_WITH_TIMEOUT(rx2.sn.size(), 1, testWait::kHangMs);
    QCOMPARE(u.hidApi_Close(7), 0);
    QCoreApplication::processEvents();
    QVERIFY(!u.isDeviceGone());
    QCOMPARE(goneAfterClose, 0);
}

// The keyboard needs this long between two reports, whatever else the
// machine is doing: a lower bound, so it holds in every build.
void tst_hidtransport::reportsKeepTheirSpacing()
{
    const qint64 spacingNs = 2000000;
    MainHidInterFace t(6, QStringLiteral("Zeno"));
    Receiver rx;
    connect(&t, &MainHidInterFace::sigHidSnGetOver, &rx, &Receiver::onSN);
    QCOMPARE(t.hidApi_Open(m_path), 0);
    t.start();
    QTRY_COMPARE_WITH_TIMEOUT(rx.sn.size(), 1, testWait::kHangMs);
    t.setLightSynchronous(true);

    // Commands the keyboard answers, so reads fall between the writes.
    const hidCmdBuff sleep = DDeviceHidCmdSend::buildCheckSleepTime();
    const hidCmdBuff layout = DDeviceHidCmdSend::buildCheckLayout();
    const int writesBefore = simKeyboard::writesReceived(m_path);
    int queued = 0;
    for (int frame = 0; frame < 6; ++frame) {
        t.hidApi_Write(sleep.data());
        t.hidApi_Write(layout.data());
        for (int i = 0; i < 10; ++i)
            t.hidApi_WriteLight(lightReport(i).data());
        queued += 12;
        QTRY_VERIFY_WITH_TIMEOUT(simKeyboard::writesReceived(m_path) - writesBefore >= queued, testWait::kHangMs);
    }
    const int written = simKeyboard::writesReceived(m_path) - writesBefore; // keep-alives too
    QVector<long long> at(written);
    QCOMPARE(CVardexSim_GetWriteTimes(qPrintable(m_path), at.data(), written), written);
    for (int i = 1; i < written; ++i)
        QVERIFY2(at[i] - at[i - 1] >= spacingNs,
                 qPrintable(QStringLiteral("report %1 came %2 us after the one before").arg(i).arg((at[i] - at[i - 1]) / 1000.0)));
    QCOMPARE(t.hidApi_Close(6), 0);
}

// Nothing else wakes the loop here (no keep-alive, no status report from the
// keyboard): a frame goes out because it is complete.
void tst_hidtransport::completeFrameGoesOutWithoutOtherTraffic()
{
    QCOMPARE(CVardexSim_SetStatusInterval(qPrintable(m_path), 0), 0);
    auto restoreStatus = qScopeGuard([this] { CVardexSim_SetStatusInterval(qPrintable(m_path), 1000); });
    MainHidInterFace t(7, QStringLiteral("Zeno"));
    Receiver rx;
    connect(&t, &MainHidInterFace::sigHidSnGetOver, &rx, &Receiver::onSN);
    connect(&t, &MainHidInterFace::sigHidDataArrived, &rx, &Receiver::onData);
    QCOMPARE(t.hidApi_Open(m_path), 0);
    t.m_shakeHandsTimer->stop();
    t.start();
    QTRY_COMPARE_WITH_TIMEOUT(rx.sn.size(), 1, testWait::kHangMs);
    t.setLightSynchronous(true);
    const QByteArray unprompted = report("01 01 00 00 00 08");
    for (int frame = 0; frame < 3; ++frame) {
        const int before = simKeyboard::writesReceived(m_path);
        for (int i = 0; i < 9; ++i)
            t.hidApi_WriteLight(lightReport(i).data());
        // Once the loop has handed this over, whatever the unfinished frame
        // did to it is past and it sleeps.
        const int received = rx.data.size();
        QCOMPARE(CVardexSim_Inject(qPrintable(m_path), reinterpret_cast<const unsigned char *>(unprompted.constData())), 0);
        QTRY_COMPARE_WITH_TIMEOUT(rx.data.size(), received + 1, testWait::kHangMs);
        QCOMPARE(simKeyboard::writesReceived(m_path), before);
        QElapsedTimer sinceComplete;
        sinceComplete.start();
        t.hidApi_WriteLight(lightReport(9).data());
        QTRY_COMPARE_WITH_TIMEOUT(simKeyboard::writesReceived(m_path) - before, 10, testWait::kHangMs);
#if !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
        // Ten reports 2 ms apart, far from the keep-alive's second.
        QVERIFY2(sinceComplete.elapsed() < 500, qPrintable(QString::number(sinceComplete.elapsed())));
#endif
    }
    QCOMPARE(t.hidApi_Close(7), 0);
}

QTEST_GUILESS_MAIN(tst_hidtransport)
#include "tst_hidtransport.moc"
