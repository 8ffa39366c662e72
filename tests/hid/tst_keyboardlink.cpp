// The keyboard link: dispatch of inbound reports (fed directly) and the
// open road with its inquiry chain against the simulated keyboard.
#include "hid/DDeviceHidCmdSend.h"
#include "hid/DDeviceKeyboardLink.h"
#include "hid/MainHidInterFace.h"
#include "simKeyboard.h"
#include "../testWait.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

namespace {
QByteArray inbound(int code, std::initializer_list<std::pair<int, int>> bytes)
{
    QByteArray r(64, '\0');
    r[0] = 1;
    r[1] = char(code);
    for (const auto &b : bytes)
        r[b.first] = char(b.second);
    return r;
}

// Hands a report to the link the way the transport does.
void deliver(DDeviceKeyboardLink &link, const QByteArray &report)
{
    if (uchar(report[1]) == 0x15)
        link.onHidSNDataArrived(report, QStringLiteral("Zeno"));
    else
        link.onHidDataArrived(report, 64, 1);
}

hidStructInfoAll record(const QString &path, const QString &model)
{
    hidStructInfoAll r;
    qstrncpy(r.hidPath, path.toLatin1().constData(), sizeof r.hidPath);
    qstrncpy(r.hidName, model.toLatin1().constData(), sizeof r.hidName);
    qstrncpy(r.deviceType, "keyboard", sizeof r.deviceType);
    r.onlineStatus = 1;
    return r;
}
} // namespace

class tst_keyboardlink : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void statusReport_data();
    void statusReport();
    void dongleTracking();
    void keyBitTableReplacedOnEachReport();
    void relayedSignals();
    void identityFifthField_data();
    void identityFifthField();
    void reportsIgnoredWithoutEffect();
    void notOpenedLinkQueuesNothing();

    void readyWithinWaitAndChainOrder();
    void sleepTimeAcknowledged();
    void serialNumberReplacedUnlessSafe_data();
    void serialNumberReplacedUnlessSafe();
    void serialNumberKeptAfterItsFirstAnswer_data();
    void serialNumberKeptAfterItsFirstAnswer();
    void statusReportChangesBatteryAndReceiverState();
    void sleepTimeInquiryStoredInProfile();
    void profileStoreWrites();
    void lightReplyAfterProfileSetUpIsStored();

private:
    QString m_path;
};

void tst_keyboardlink::initTestCase()
{
    const QStringList paths = simKeyboard::paths();
    QVERIFY2(!paths.isEmpty(), "the simulated keyboard lists no device");
    m_path = paths.first();
}

void tst_keyboardlink::statusReport_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<int>("statusSignals");
    QTest::addColumn<int>("downloadStatus");
    QTest::newRow("length 0 ignored") << inbound(0x01, {{5, 0}, {9, 1}, {10, 50}, {13, 1}}) << 0 << -1;
    QTest::newRow("charging") << inbound(0x01, {{5, 8}, {9, 1}, {10, 77}, {11, 0}, {12, 0}}) << 1 << -1;
    QTest::newRow("download failed") << inbound(0x01, {{5, 8}, {9, 2}, {10, 100}, {13, 2}}) << 1 << 2;
}

void tst_keyboardlink::statusReport()
{
    QFETCH(QByteArray, report);
    QFETCH(int, statusSignals);
    QFETCH(int, downloadStatus);
    DDeviceKeyboardLink link;
    QSignalSpy status(&link, &DDeviceKeyboardLink::sigSendChargingStatusAndElectricity);
    QSignalSpy download(&link, &DDeviceKeyboardLink::sigRuningOnboardDownloadStatus);
    deliver(link, report);
    QCOMPARE(status.size(), statusSignals);
    if (statusSignals) {
        QCOMPARE(status.first().at(0).toInt(), int(uchar(report[9])));
        QCOMPARE(status.first().at(1).toInt(), int(uchar(report[10])));
        QCOMPARE(status.first().at(2).toInt(), int(uchar(report[11])));
        QCOMPARE(status.first().at(3).toInt(), int(uchar(report[12])));
    }
    QCOMPARE(download.size(), downloadStatus < 0 ? 0 : 1);
    if (downloadStatus >= 0)
        QCOMPARE(download.first().at(0).toInt(), downloadStatus);
}

void tst_keyboardlink::dongleTracking()
{
    DDeviceKeyboardLink link;
    QSignalSpy dongle(&link, &DDeviceKeyboardLink::sigDongleStatus);
    deliver(link, inbound(0x01, {{5, 8}, {11, 1}, {12, 1}}));
    QCOMPARE(dongle.size(), 0); // tracking off

    link.setDongleStatusTracking(true);
    deliver(link, inbound(0x01, {{5, 8}, {11, 1}, {12, 1}}));
    QCOMPARE(dongle.size(), 1); // first one always (state starts unknown)
    QCOMPARE(dongle.last().at(0).toInt(), 1);
    deliver(link, inbound(0x01, {{5, 8}, {11, 1}, {12, 1}}));
    QCOMPARE(dongle.size(), 1); // unchanged
    deliver(link, inbound(0x01, {{5, 8}, {11, 0}, {12, 0}}));
    QCOMPARE(dongle.size(), 1); // cable mode: state updated silently
    deliver(link, inbound(0x01, {{5, 8}, {11, 1}, {12, 0}}));
    QCOMPARE(dongle.size(), 1); // same as the silently stored state
    deliver(link, inbound(0x01, {{5, 8}, {11, 1}, {12, 1}}));
    QCOMPARE(dongle.size(), 2);
}

void tst_keyboardlink::keyBitTableReplacedOnEachReport()
{
    DDeviceKeyboardLink link;
    deliver(link, inbound(0x0E, {{6, 0x05}}));
    QCOMPARE(link.keyBitTableKeys(), (QList<QPair<int, int>>{{0, 0}, {2, 0}}));
    deliver(link, inbound(0x0E, {{27, 0x20}, {7, 0x01}}));
    QCOMPARE(link.keyBitTableKeys(), (QList<QPair<int, int>>{{0, 1}, {5, 21}}));
    deliver(link, inbound(0x0E, {{6, 0xC0}})); // bits 6 and 7 are no rows
    QVERIFY(link.keyBitTableKeys().isEmpty());
}

void tst_keyboardlink::relayedSignals()
{
    DDeviceKeyboardLink link;
    QSignalSpy qn(&link, &DDeviceKeyboardLink::sigQN9080Recv0x0bCmd);
    QSignalSpy s18(&link, &DDeviceKeyboardLink::sigRuningOnboard0x18Cmd);
    QSignalSpy s19(&link, &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd);
    QSignalSpy sleepOk(&link, &DDeviceKeyboardLink::sigSleepTimeSetSuccessful);
    QSignalSpy custom(&link, &DDeviceKeyboardLink::sigCustomLight_ConfigHaveChanged_HidSend0x09);
    deliver(link, inbound(0x0B, {{2, 42}}));
    deliver(link, inbound(0x18, {}));
    deliver(link, inbound(0x19, {}));
    deliver(link, inbound(0x19, {}));
    deliver(link, inbound(0x14, {{2, 0}}));
    deliver(link, inbound(0x14, {{2, 1}})); // other sub-commands are ignored
    deliver(link, inbound(0x09, {{2, 3}}));
    QCOMPARE(qn.size(), 1);
    QCOMPARE(qn.first().at(0).toInt(), 42);
    QCOMPARE(s18.size(), 1);
    QCOMPARE(s19.size(), 2);
    QCOMPARE(sleepOk.size(), 1);
    QCOMPARE(custom.size(), 1);
    QCOMPARE(custom.first(), (QList<QVariant>{0, 10, 3}));
}

void tst_keyboardlink::identityFifthField_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("fifth");
    QTest::newRow("ordinary") << QByteArray("A,B,C,D,Zeno,1.02") << QStringLiteral("Zeno");
    QTest::newRow("too few fields") << QByteArray("A,B,C") << QString();
    QByteArray full(58, 'x');
    full[1] = ',';
    full[3] = ',';
    full[5] = ',';
    full[7] = ',';
    full[9] = ',';
    QTest::newRow("fills the payload") << full << QStringLiteral("x");
    QByteArray tail = full;
    tail[9] = 'y';
    QTest::newRow("last field ends at byte 63") << tail << QString(58 - 8, QLatin1Char('x')).replace(1, 1, QLatin1Char('y'));
}

void tst_keyboardlink::identityFifthField()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, fifth);
    DDeviceKeyboardLink link;
    QSignalSpy spy(&link, &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d);
    QByteArray r = inbound(0x0D, {});
    r.replace(6, text.size(), text);
    QCOMPARE(r.size(), 64);
    deliver(link, r);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().at(1).toString(), fifth);
}

void tst_keyboardlink::reportsIgnoredWithoutEffect()
{
    DDeviceKeyboardLink link;
    QSignalSpy changeProfile(&link, &DDeviceKeyboardLink::sigCustomEventChangProfile);
    QSignalSpy light(&link, &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);
    deliver(link, inbound(0x06, {{6, 1}}));
    deliver(link, inbound(0x7F, {{6, 1}}));
    deliver(link, inbound(0x20, {{9, 4}, {10, 0}})); // a release
    deliver(link, inbound(0x20, {{9, 4}, {10, 1}})); // no profile yet
    deliver(link, inbound(0x07, {{6, 3}, {7, 3}, {8, 2}})); // not bound: kept, not signalled
    QCOMPARE(changeProfile.size(), 0);
    QCOMPARE(light.size(), 0);
    QVERIFY(!link.isDeviceReady());
}

void tst_keyboardlink::notOpenedLinkQueuesNothing()
{
    DDeviceKeyboardLink link;
    link.openHidDevice(9, record(QStringLiteral("/dev/no-such-keyboard"), QStringLiteral("Zeno")));
    QVERIFY(link.hidInterface());
    QVERIFY(!link.hidInterface()->isHidOpen());
    QCOMPARE(link.setLockWinKey(1, 1, 1, 1), -1);
    link.resetKeyboard();
    link.inquireSleepTime();
    QCOMPARE(link.hidInterface()->pendingCommandCount(), 0);
}

void tst_keyboardlink::readyWithinWaitAndChainOrder()
{
    simKeyboard::LogReader log;
    DDeviceKeyboardLink link;
    QSignalSpy identity(&link, &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d);
    QElapsedTimer clock;
    clock.start();
    link.openHidDevice(1, record(m_path, QStringLiteral("Zeno")));
#if !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
    // How soon is a question of speed, which a sanitizer build on a loaded
    // machine cannot answer; there the chain need only end.
    const int readyBound = 1300;
#else
    const int readyBound = testWait::kHangMs;
#endif
    while (!link.isDeviceReady() && clock.elapsed() < readyBound)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QVERIFY2(link.isDeviceReady(), qPrintable(QStringLiteral("not ready within %1 ms").arg(readyBound)));
    QTRY_COMPARE_WITH_TIMEOUT(identity.size(), 1, testWait::kHangMs);
    QCOMPARE(identity.first().at(0).toString(), m_path);

    QVERIFY(DDeviceHidCmdSend::isValidSN(link.currentSN()));
    QVERIFY(!link.keyboardLightSupport().lightTypes.isEmpty());

    // Outbound commands in the order the chain sends them (keep-alives aside).
    QList<QByteArray> sent;
    for (const simKeyboard::LogLine &l : log.written(m_path))
        if (!simKeyboard::isKeepAlive(l.report))
            sent << l.report.left(3).toHex();
    QList<QByteArray> expected{"001400"};
    if (sent.value(1) == "011500") // the keyboard had no usable serial number
        expected << "011500";
    expected << "010601" << "010701" << "010900" << "010100" << "010d00";
    QCOMPARE(sent, expected);
    link.hidInterface()->hidApi_Close(1);
}

void tst_keyboardlink::sleepTimeAcknowledged()
{
    DDeviceKeyboardLink link;
    QSignalSpy ok(&link, &DDeviceKeyboardLink::sigSleepTimeSetSuccessful);
    link.openHidDevice(2, record(m_path, QStringLiteral("Zeno")));
    QTRY_VERIFY_WITH_TIMEOUT(link.isDeviceReady(), testWait::kHangMs);
    link.setSleepTime(120, 600);
    QTRY_COMPARE_WITH_TIMEOUT(ok.size(), 1, testWait::kHangMs);
    link.hidInterface()->hidApi_Close(2);
}

void tst_keyboardlink::serialNumberReplacedUnlessSafe_data()
{
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<bool>("kept");
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("three characters") << QByteArray("abc") << false;
    QTest::newRow("names a path") << QByteArray("../../../tmp/0123456789abcdef012") << false;
    QTest::newRow("space inside") << QByteArray("0123456789abcdef 123456789abcdef") << false;
    QTest::newRow("32 letters and digits") << QByteArray("0123456789ABCDEFabcdef0123456789") << true;
}

void tst_keyboardlink::serialNumberReplacedUnlessSafe()
{
    QFETCH(QByteArray, serial);
    QFETCH(bool, kept);
    const QString path = simKeyboard::paths().value(1, m_path);
    const QByteArray latin = path.toLatin1();
    QCOMPARE(CVardexSim_SetSerial(latin.constData(), serial.constData()), 0);
    simKeyboard::LogReader log;
    DDeviceKeyboardLink link;
    link.openHidDevice(3, record(path, QStringLiteral("Zeno")));
    QTRY_VERIFY_WITH_TIMEOUT(link.isDeviceReady(), testWait::kHangMs);
    const QString sn = link.currentSN();
    QByteArray written;
    for (const simKeyboard::LogLine &l : log.written(path))
        if (uchar(l.report[1]) == 0x15)
            written = l.report;
    CVardexSimState state;
    QCOMPARE(CVardexSim_GetState(latin.constData(), &state), 0);
    if (kept) {
        QCOMPARE(sn, QString::fromLatin1(serial));
        QVERIFY2(written.isEmpty(), "a usable serial number was overwritten");
    } else {
        QVERIFY2(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(sn).hasMatch(), qPrintable(sn));
        QCOMPARE(written.left(6).toHex(), QByteArray("011500000020"));
        QCOMPARE(written.mid(6, 32), sn.toLatin1());
        QCOMPARE(QString::fromLatin1(state.serial), sn); // the keyboard keeps it
    }
    link.hidInterface()->hidApi_Close(3);
}

void tst_keyboardlink::serialNumberKeptAfterItsFirstAnswer_data()
{
    QTest::addColumn<QByteArray>("second");
    QTest::newRow("another usable number") << QByteArray("0123456789ABCDEFabcdef0123456789");
    QTest::newRow("no number") << QByteArray("");
}

// The serial number names the keyboard's profile folder: once the keyboard
// told it, a second answer (the page asked again meanwhile) changes nothing,
// and the keyboard is not asked again.
void tst_keyboardlink::serialNumberKeptAfterItsFirstAnswer()
{
    QFETCH(QByteArray, second);
    DDeviceKeyboardLink link;
    QSignalSpy known(&link, &DDeviceKeyboardLink::sigSerialNumberKnown);
    link.openHidDevice(5, record(m_path, QStringLiteral("Zeno")));
    QTRY_VERIFY_WITH_TIMEOUT(link.isDeviceReady(), testWait::kHangMs);
    QCOMPARE(known.size(), 1);
    const QString first = link.currentSN();
    QVERIFY(DDeviceHidCmdSend::isValidSN(first));

    simKeyboard::LogReader log;
    QByteArray answer = inbound(0x15, {{5, second.size()}});
    answer.replace(6, second.size(), second);
    deliver(link, answer);
    link.inquireSerialNumber();
    QCOMPARE(link.currentSN(), first);
    QCOMPARE(known.size(), 1);
    link.hidInterface()->hidApi_Close(5);
    for (const simKeyboard::LogLine &l : log.written(m_path))
        QVERIFY2(uchar(l.report[1]) != 0x14 && uchar(l.report[1]) != 0x15 && uchar(l.report[1]) != 0x06,
                 l.report.left(3).toHex().constData());
}

void tst_keyboardlink::statusReportChangesBatteryAndReceiverState()
{
    // The second simulated keyboard sits behind a receiver.
    const QString path = simKeyboard::paths().value(1);
    QVERIFY(!path.isEmpty());
    const QByteArray latin = path.toLatin1();
    QCOMPARE(CVardexSim_SetReachable(latin.constData(), 1, 0), 0);
    DDeviceKeyboardLink link;
    QSignalSpy status(&link, &DDeviceKeyboardLink::sigSendChargingStatusAndElectricity);
    QSignalSpy dongle(&link, &DDeviceKeyboardLink::sigDongleStatus);
    link.openHidDevice(4, record(path, QStringLiteral("Yolma")));
    QTRY_VERIFY_WITH_TIMEOUT(link.isDeviceReady(), testWait::kHangMs);
    link.setDongleStatusTracking(true);
    status.clear();

    QCOMPARE(CVardexSim_SetBattery(latin.constData(), 42, 1, 1), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!status.isEmpty(), testWait::kHangMs);
    QCOMPARE(status.last().mid(0, 4), (QList<QVariant>{1, 42, 1, 0}));
    QCOMPARE(status.last().at(4).toString(), link.currentSN());
    QTRY_COMPARE_WITH_TIMEOUT(dongle.size(), 1, testWait::kHangMs); // the first report under tracking
    QCOMPARE(dongle.last(), (QList<QVariant>{0, path, QStringLiteral("Yolma")}));

    QCOMPARE(CVardexSim_SetReachable(latin.constData(), 0, 1), 0);
    QTRY_COMPARE_WITH_TIMEOUT(dongle.size(), 2, testWait::kHangMs);
    QCOMPARE(dongle.last().at(0).toInt(), 1); // the keyboard behind the receiver is away
    QCOMPARE(status.last().at(3).toInt(), 1);

    QCOMPARE(CVardexSim_SetReachable(latin.constData(), 1, 1), 0);
    QTRY_COMPARE_WITH_TIMEOUT(dongle.size(), 3, testWait::kHangMs);
    QCOMPARE(dongle.last().at(0).toInt(), 0);
    link.hidInterface()->hidApi_Close(4);
}

void tst_keyboardlink::sleepTimeInquiryStoredInProfile()
{
    QTemporaryDir dir;
    const QByteArray store = dir.filePath(QStringLiteral("appProfile_Default.xml")).toLocal8Bit();
    QVERIFY(CVardexXML_CreateXMLFile(store.constData()));
    QVERIFY(CVardexXML_CreateProFileXmlParentNode(store.constData(), "1", "Profile 1", 0));
    DDeviceKeyboardLink link;
    link.openHidDevice(5, record(m_path, QStringLiteral("Zeno")));
    QTRY_VERIFY_WITH_TIMEOUT(link.isDeviceReady(), testWait::kHangMs);
    link.setProfileXmlPath(store.constData());
    link.setProfileIndex(1);
    QSignalSpy ok(&link, &DDeviceKeyboardLink::sigSleepTimeSetSuccessful);
    link.setSleepTime(90, 1200);
    QTRY_COMPARE_WITH_TIMEOUT(ok.size(), 1, testWait::kHangMs);

    link.inquireSleepTime(); // answered by 0x14 with byte 2 = 2
    ProfileSleepTimeInfo sleep{};
    QTRY_VERIFY_WITH_TIMEOUT(CVardexXML_GetProFileIntoSleepTimeInfo(store.constData(), "1", &sleep)
                                 && sleep.lightSleepSeconds == 90,
                             1400);
    QCOMPARE(sleep.keyboardSleepMinutes, 20);
    link.hidInterface()->hidApi_Close(5);
}

void tst_keyboardlink::profileStoreWrites()
{
    QTemporaryDir dir;
    const QByteArray store = dir.filePath(QStringLiteral("appProfile_Default.xml")).toLocal8Bit();
    QVERIFY(CVardexXML_CreateXMLFile(store.constData()));
    QVERIFY(CVardexXML_CreateProFileXmlParentNode(store.constData(), "1", "Profile 1", 0));
    DDeviceKeyboardLink link;
    link.setProfileXmlPath(store.constData());
    link.setProfileIndex(1);
    QSignalSpy light(&link, &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);
    QSignalSpy profile(&link, &DDeviceKeyboardLink::sigCustomEventChangProfile);

    // Sleep times: light seconds kept, keyboard seconds stored as minutes.
    deliver(link, inbound(0x14, {{2, 2}, {9, 0x00}, {10, 0x3C}, {11, 0x02}, {12, 0x58}}));
    ProfileSleepTimeInfo sleep{};
    QVERIFY(CVardexXML_GetProFileIntoSleepTimeInfo(store.constData(), "1", &sleep));
    QCOMPARE(sleep.lightSleepSeconds, 60);
    QCOMPARE(sleep.keyboardSleepMinutes, 10);

    // Light records: kept until bound, stored silently once, then stored and signalled.
    deliver(link, inbound(0x07, {{6, 3}, {7, 1}, {8, 1}}));
    deliver(link, inbound(0x07, {{6, 4}, {7, 3}, {8, 2}, {9, 255}}));
    QVERIFY(!CVardexXML_IsProFileAlreadyHaveLightInfo(store.constData(), "1", 0, 3));
    QVERIFY(!CVardexXML_IsProFileAlreadyHaveLightInfo(store.constData(), "1", 0, 4));
    link.saveLightConfigToProfile(0);
    QCOMPARE(light.size(), 0);
    QVERIFY(CVardexXML_IsProFileAlreadyHaveLightInfo(store.constData(), "1", 0, 4));
    QCOMPARE(CVardexXML_SelectProFileMouseLightTypeUsingIndex(store.constData(), "1", 0), 4);
    colorInfoData stored{};
    QVERIFY(CVardexXML_SelectProfileColorDataInfo(store.constData(), "1", 0, 4, &stored));
    int32_t v[14];
    std::memcpy(v, &stored, sizeof v);
    QCOMPARE((QVector<int32_t>(v, v + 6)), (QVector<int32_t>{0, 4, 4, 3, 255, 0})); // brightness, speed from 1
    deliver(link, inbound(0x07, {{6, 5}, {7, 0}, {8, 0}}));
    QCOMPARE(light.size(), 1);
    QCOMPARE(light.first(), (QList<QVariant>{0, 5}));
    QCOMPARE(CVardexXML_SelectProFileMouseLightTypeUsingIndex(store.constData(), "1", 0), 5);

    // A custom key bound to "switch profile" on the keyboard itself.
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(store.constData(), "1", "4", "A", "7", "1", "0", "3"));
    deliver(link, inbound(0x20, {{9, 4}, {10, 0}}));
    QCOMPARE(profile.size(), 0);
    deliver(link, inbound(0x20, {{9, 4}, {10, 1}}));
    QCOMPARE(profile.size(), 1);
    QCOMPARE(profile.first().at(0).toInt(), 3);
    deliver(link, inbound(0x20, {{9, 5}, {10, 1}})); // unbound key
    QCOMPARE(profile.size(), 1);
}

void tst_keyboardlink::lightReplyAfterProfileSetUpIsStored()
{
    // A slow keyboard: the profile is set up before its light records arrive.
    const QByteArray latin = m_path.toLatin1();
    QTemporaryDir dir;
    const QByteArray store = dir.filePath(QStringLiteral("appProfile_Default.xml")).toLocal8Bit();
    QVERIFY(CVardexXML_CreateXMLFile(store.constData()));
    QVERIFY(CVardexXML_CreateProFileXmlParentNode(store.constData(), "1", "Profile 1", 0));
    const unsigned char payload[13] = {7, 2, 1, 10, 20, 30, 0, 0, 0, 0, 0, 1, 0};
    QCOMPARE(CVardexSim_ChangeLightConfig(latin.constData(), 0, payload), 0);
    QCOMPARE(CVardexSim_SetFault(latin.constData(), SIM_FAULT_REPLY_DELAY, 400), 0);

    DDeviceKeyboardLink link;
    QSignalSpy light(&link, &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);
    link.openHidDevice(6, record(m_path, QStringLiteral("Zeno")));
    link.setProfileXmlPath(store.constData());
    link.setProfileIndex(1);
    link.saveLightConfigToProfile(0); // nothing has arrived yet
    link.setProfileInitialised(true);
    QVERIFY(!CVardexXML_IsProFileAlreadyHaveLightInfo(store.constData(), "1", 0, 7));

    QTRY_VERIFY_WITH_TIMEOUT(!light.isEmpty(), testWait::kHangMs);
    CVardexSim_SetFault(latin.constData(), SIM_FAULT_REPLY_DELAY, 1);
    QCOMPARE(light.first(), (QList<QVariant>{0, 7}));
    QCOMPARE(CVardexXML_SelectProFileMouseLightTypeUsingIndex(store.constData(), "1", 0), 7);
    colorInfoData stored{};
    QVERIFY(CVardexXML_SelectProfileColorDataInfo(store.constData(), "1", 0, 7, &stored));
    int32_t v[14];
    std::memcpy(v, &stored, sizeof v);
    QCOMPARE((QVector<int32_t>(v, v + 5)), (QVector<int32_t>{0, 7, 3, 2, 10}));
    link.hidInterface()->hidApi_Close(6);
}

QTEST_MAIN(tst_keyboardlink)
#include "tst_keyboardlink.moc"
