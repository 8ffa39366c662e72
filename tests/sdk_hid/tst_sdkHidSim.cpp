// The HID calls of the device library, driven against the simulated keyboards.
#include <QtTest>

#include <atomic>
#include <thread>

#include "vardexSdk.h"

namespace {

const char *const kCable = "sim://Brisko/usb/3a5e:c106/0";
const char *const kReceiver = "sim://Torvi/dongle/3a5e:d10a/0";
const char *const kAway = "sim://Pasko/dongle/3a5e:d102/0";

// Status reports are off so every report a test reads is an answer.
const char *const kScenario = R"({ "devices": [
  { "model": "Brisko", "connection": "cable", "serial": "", "statusIntervalMs": 0 },
  { "model": "Torvi", "connection": "receiver", "serial": "0123456789abcdef0123456789abcdef",
    "battery": 64, "charging": 1, "statusIntervalMs": 0 },
  { "model": "Pasko", "connection": "receiver", "reachable": false, "statusIntervalMs": 0 }
] })";

QByteArray report(const QByteArray &hexPrefix)
{
    QByteArray r = QByteArray::fromHex(hexPrefix);
    r.append(QByteArray(64 - r.size(), '\0'));
    return r;
}

QByteArray withText(QByteArray r, int at, const QByteArray &text)
{
    r.replace(at, text.size(), text);
    return r;
}

int openNonblocking(const char *path)
{
    const int h = CVardexHid_OpenPath(path);
    if (h)
        CVardexHid_SetNonblocking(h, 1);
    return h;
}

bool send(int handle, const QByteArray &r)
{
    return CVardexHid_HidWriteBuff(handle, reinterpret_cast<const unsigned char *>(r.constData()), "") == 64;
}

// The next inbound report within timeoutMs, or an empty array.
QByteArray receive(int handle, int timeoutMs = 500)
{
    QElapsedTimer t;
    t.start();
    unsigned char buf[64];
    while (t.elapsed() < timeoutMs) {
        const int n = CVardexHid_HidReadBuff(handle, buf);
        if (n > 0)
            return QByteArray(reinterpret_cast<const char *>(buf), 64);
        if (n < 0)
            return QByteArray();
        QThread::msleep(1);
    }
    return QByteArray();
}

// The next answer, passing over status reports the keyboard sends on its own.
QByteArray receiveAnswer(int handle, int timeoutMs = 500)
{
    QElapsedTimer t;
    t.start();
    for (;;) {
        const int left = timeoutMs - int(t.elapsed());
        if (left <= 0)
            return QByteArray();
        const QByteArray r = receive(handle, left);
        if (r.isEmpty() || r[1] != 0x01)
            return r;
    }
}

struct HotplugEvents {
    QStringList events;
    static void callback(const char *path, int arrived, void *ctx)
    {
        static_cast<HotplugEvents *>(ctx)->events << QString("%1 %2").arg(arrived).arg(path);
    }
};

} // namespace

class TstSdkHidSim : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QCOMPARE(CVardexSim_LoadScenarioText(kScenario), 0);
        QCOMPARE(CVardexHid_Init(), 0);
        CVardexSim_SetHotplugCallback(nullptr, nullptr);
    }
    void cleanup()
    {
        for (int h : m_handles)
            CVardexHid_Close(h);
        m_handles.clear();
        CVardexSim_SetLogFile(nullptr);
    }

    void serialNumberIsAskedAndAWrittenOneSticks()
    {
        const int h = open(kCable);
        QVERIFY(send(h, report("0014")));
        // An empty serial number: the host has to write one.
        QCOMPARE(receive(h), report("0115"));

        const QByteArray serial = "9f86d081884c7d659a2feaa0c55ad015";
        QVERIFY(send(h, withText(report("0115000000 20"), 6, serial)));
        QVERIFY(send(h, report("0014")));
        QCOMPARE(receive(h), withText(report("0115"), 6, serial));

        CVardexSimState state;
        QCOMPARE(CVardexSim_GetState(kCable, &state), 0);
        QCOMPARE(QByteArray(state.serial), serial);
    }

    void inquiryAnswers_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("answer"); // empty: the keyboard stays quiet

        QTest::newRow("serial number of the receiver keyboard")
            << kReceiver << report("0014")
            << withText(report("0115"), 6, "0123456789abcdef0123456789abcdef");
        QTest::newRow("key light configuration")
            << kCable << report("010601") << report("0107000000000104 02ff000000 00ff000100");
        QTest::newRow("side light configuration")
            << kCable << report("010701") << report("0108000000000204 0200ff0000 00ff000100");
        QTest::newRow("key light types") << kCable << report("0109")
                                         << report("010a00000000 000102030405060708090a0b0c0d0e0f10111213 a50505");
        QTest::newRow("side light types")
            << kCable << report("0101") << report("010200000000 0001020304050607 a50505");
        QTest::newRow("side light types of a model without side light")
            << kReceiver << report("0101") << report("010200000000 a50000");
        QTest::newRow("identity")
            << kCable << report("010d")
            << withText(report("010d"), 6, "NUC,01,KB,VD,Brisko,V1.0.3,May 02 2024 10:15:00");
        QTest::newRow("sleep times") << kCable << report("011302000001") << report("011402000000 000000 012c0708");
        QTest::newRow("sleep time write is acknowledged")
            << kCable << report("0113010000010000000005012c") << report("011400");
        QTest::newRow("macro piece is acknowledged") << kCable << report("0118030000 3a 0102") << report("0119");
        QTest::newRow("keep-alive") << kCable << report("00000000000100") << QByteArray();
        QTest::newRow("light write") << kCable << report("0106000000 0e 05") << QByteArray();
        QTest::newRow("lock switches") << kCable << report("011300000001 00 000000000000 01000100")
                                       << QByteArray();
        QTest::newRow("light synchronisation") << kCable << report("0116000000 01 01") << QByteArray();
        QTest::newRow("six-key report") << kCable << report("0103000000 09") << QByteArray();
        QTest::newRow("full-key report") << kCable << report("0104000000 15 0200040000") << QByteArray();
        QTest::newRow("custom-light chunk") << kCable << report("0108010007 12 ff0000") << QByteArray();
        QTest::newRow("into firmware") << kCable << report("010a") << QByteArray();
        QTest::newRow("light-sync colours") << kCable << report("010e000000 36 102030") << QByteArray();
        QTest::newRow("reset") << kCable << report("011300000001 01") << QByteArray();
        QTest::newRow("serial number write")
            << kCable << withText(report("0115000000 20"), 6, "0123456789abcdef0123456789abcdef") << QByteArray();
        QTest::newRow("compact light state") << kCable << report("01280102 05 00ff00") << QByteArray();
        QTest::newRow("unknown command") << kCable << report("0177") << QByteArray();
        QTest::newRow("receiver without its keyboard")
            << kAway << report("0014") << QByteArray();
    }
    void inquiryAnswers()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, answer);
        const int h = open(path.toLatin1().constData());
        QVERIFY(send(h, request));
        QCOMPARE(receive(h, answer.isEmpty() ? 60 : 500).toHex(), answer.toHex());
        // Exactly one answer per request.
        QCOMPARE(receive(h, 20), QByteArray());
    }

    void lightTypeListMarkers_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<QByteArray>("types");
        QTest::addColumn<int>("markers");
        QTest::addColumn<QByteArray>("answer");

        QTest::newRow("no marker") << 0 << QByteArray::fromHex("000102") << 0 << report("010a00000000 000102");
        QTest::newRow("one marker") << 0 << QByteArray::fromHex("000102") << 1
                                    << report("010a00000000 000102 a5 0504");
        QTest::newRow("two markers") << 1 << QByteArray::fromHex("03") << 2 << report("010200000000 03 a55a 0504");
        QTest::newRow("three markers") << 0 << QByteArray::fromHex("0102") << 3
                                       << report("010a00000000 0102 a55aa5 0504");
        QTest::newRow("empty list") << 1 << QByteArray() << 1 << report("010200000000 a5 0504");
        QByteArray many(56, '\x01');
        QTest::newRow("marker at byte 62: brightness cut off")
            << 0 << many << 1 << (report("010a00000000") .left(6) + many + QByteArray::fromHex("a505"));
        QByteArray more(57, '\x02');
        QTest::newRow("marker at byte 63: both maxima cut off")
            << 1 << more << 1 << (report("010200000000").left(6) + more + QByteArray::fromHex("a5"));
        QTest::newRow("markers at bytes 62 and 63")
            << 0 << many << 2 << (report("010a00000000").left(6) + many + QByteArray::fromHex("a55a"));
    }
    void lightTypeListMarkers()
    {
        QFETCH(int, part);
        QFETCH(QByteArray, types);
        QFETCH(int, markers);
        QFETCH(QByteArray, answer);
        QCOMPARE(CVardexSim_SetLightTypeList(kCable, part, reinterpret_cast<const unsigned char *>(types.constData()),
                                             types.size(), markers, 5, 4),
                 0);
        const int h = open(kCable);
        QVERIFY(send(h, report(part == 0 ? "0109" : "0101")));
        QCOMPARE(answer.size(), 64);
        QCOMPARE(receive(h).toHex(), answer.toHex());
    }

    void writesChangeTheKeyboard()
    {
        const int h = open(kCable);
        QVERIFY(send(h, report("0106000000 0e 0a0203 102030 405060 01 00 07")));
        QVERIFY(send(h, report("011300000001 00 000000000000 01000100")));
        QVERIFY(send(h, report("0113010000010000000005012c")));
        QVERIFY(send(h, report("0116000000 01 01")));
        QVERIFY(!receive(h).isEmpty()); // the sleep-time acknowledgement

        // Key table: page 1 of the FN layer, then the macro of slot 2 in five pieces.
        QVERIFY(send(h, report("0117020001 08 0000290000003a00")));
        for (int piece = 0; piece < 5; ++piece) {
            QByteArray r = report("0118020000");
            r[4] = char(piece);
            r[5] = char(piece < 4 ? 58 : 24);
            for (int i = 0; i < 58; ++i)
                r[6 + i] = char(piece * 58 + i);
            QVERIFY(send(h, r));
            QCOMPARE(receive(h).left(2), QByteArray::fromHex("0119"));
        }
        // Custom light slot 1, last chunk (6 keys).
        QByteArray chunk = report("0108010007 12");
        for (int i = 0; i < 18; ++i)
            chunk[6 + i] = char(0x80 + i);
        QVERIFY(send(h, chunk));

        QVERIFY(send(h, report("010601")));
        QCOMPARE(receive(h), report("0107000000000a0203102030405060010007"));

        CVardexSimState s;
        QCOMPARE(CVardexSim_GetState(kCable, &s), 0);
        QCOMPARE(s.lockSwitches[0], 1);
        QCOMPARE(s.lockSwitches[1], 0);
        QCOMPARE(s.lockSwitches[2], 1);
        QCOMPARE(s.lockSwitches[3], 0);
        QCOMPARE(s.lightSleepSeconds, 5);
        QCOMPARE(s.keyboardSleepSeconds, 300);
        QCOMPARE(s.lightSync, 1);
        QCOMPARE(s.customLightSlot, 1);

        unsigned char table[512];
        QCOMPARE(CVardexSim_GetKeyTable(kCable, 2, table, sizeof table), 56 + 8);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(table) + 56, 8).toHex(), QByteArray("0000290000003a00"));
        QCOMPARE(CVardexSim_GetKeyTable(kCable, 0, table, sizeof table), 0);

        unsigned char macro[256];
        QCOMPARE(CVardexSim_GetMacroSlot(kCable, 2, macro), 256);
        for (int i = 0; i < 256; ++i)
            QCOMPARE(int(macro[i]), i & 0xFF);
        QCOMPARE(CVardexSim_GetMacroSlot(kCable, 3, macro), 0);

        unsigned char colours[396];
        QCOMPARE(CVardexSim_GetCustomLight(kCable, 1, colours), 396);
        QCOMPARE(int(colours[7 * 54]), 0x80);
        QCOMPARE(int(colours[395]), 0x80 + 17);

        // After the pages stop coming the keyboard reports the download's outcome.
        QByteArray status = receive(h, 2000);
        QCOMPARE(status.left(2), QByteArray::fromHex("0101"));
        QCOMPARE(int(status[13]), 1);

        // Reset brings the lights back and frees the locked keys.
        QVERIFY(send(h, report("011300000001 01")));
        QVERIFY(send(h, report("010601")));
        QCOMPARE(receive(h), report("0107000000000104 02ff000000 00ff000100"));
        QCOMPARE(CVardexSim_GetState(kCable, &s), 0);
        QCOMPARE(s.lockSwitches[0], 0);
        QCOMPARE(s.resetCount, 1);
    }

    void faults()
    {
        const int h = open(kCable);
        CVardexSim_SetFault(kCable, SIM_FAULT_REFUSE_WRITES, 1);
        QCOMPARE(CVardexHid_HidWriteBuff(h, reinterpret_cast<const unsigned char *>(report("010d").constData()), kCable),
                 -1);
        CVardexSim_SetFault(kCable, SIM_FAULT_REFUSE_WRITES, 0);

        CVardexSim_SetFault(kCable, SIM_FAULT_DROP_ACKS, 1);
        QVERIFY(send(h, report("0118000000 3a 01")));
        QVERIFY(send(h, report("0113010000010000000005012c")));
        QCOMPARE(receiveAnswer(h, 60), QByteArray());
        QVERIFY(send(h, report("010601"))); // inquiries still answered
        QCOMPARE(receiveAnswer(h).left(2), QByteArray::fromHex("0107"));
        CVardexSim_SetFault(kCable, SIM_FAULT_DROP_ACKS, 0);

        CVardexSim_SetFault(kCable, SIM_FAULT_DELAY_ACKS, 150);
        QElapsedTimer t;
        t.start();
        QVERIFY(send(h, report("0118000000 3a 01")));
        QCOMPARE(receiveAnswer(h, 1000).left(2), QByteArray::fromHex("0119"));
        QVERIFY(t.elapsed() >= 150);
        CVardexSim_SetFault(kCable, SIM_FAULT_DELAY_ACKS, 0);

        CVardexSim_SetFault(kCable, SIM_FAULT_SILENT, 1);
        QVERIFY(send(h, report("0014")));
        QCOMPARE(receiveAnswer(h, 60), QByteArray());
        CVardexSimState s;
        CVardexSim_GetState(kCable, &s);
        QVERIFY(s.writesReceived >= 5);
        QCOMPARE(CVardexSim_SetFault(kCable, 99, 1), -1);
    }

    void receiverReachability()
    {
        const int h = open(kAway);
        QCOMPARE(CVardexSim_SendStatus(kAway), 0);
        // Away: connection 1, link state 1, no battery values.
        QCOMPARE(receive(h), report("010100000008 000000 00000101"));

        QCOMPARE(CVardexSim_SetReachable(kAway, 1, 1), 0);
        QCOMPARE(receive(h), report("010100000008 000000 00640100"));
        QVERIFY(send(h, report("0014")));
        QCOMPARE(receive(h).left(2), QByteArray::fromHex("0115"));
        QCOMPARE(CVardexSim_SetReachable(kCable, 0, 0), -1); // a cable keyboard has no receiver
    }

    void enumerationAndRecords()
    {
        std::list<std::string> paths;
        QCOMPARE(CVardexHid_GetHidInfoList(paths), 3);
        QCOMPARE(paths, (std::list<std::string>{kCable, kReceiver, kAway}));

        std::map<std::string, hidModelInfo> models;
        CVardexHid_GetHidInfoStuMapList(models);
        QVERIFY(models.count("Brisko") && models.count("Yolma") && models.count("Quendo"));
        QCOMPARE(models["Brisko"].keyCount, 95);
        QCOMPARE(QByteArray(models["Brisko"].deviceType), QByteArray("keyboard"));
        QCOMPARE(QByteArray(models["Quendo"].hidName), QByteArray("Quendo"));

        hidStructInfo info;
        hidFirmwareInfo fw;
        QVERIFY(CVardexHid_GetHidAndFirmwareInfoStu(kCable, &info, &fw));
        QCOMPARE(QByteArray(info.hidPath), QByteArray(kCable));
        QCOMPARE(QByteArray(info.hidName), QByteArray("Brisko"));
        QCOMPARE(info.hidUsbOrDongle, 0);
        QCOMPARE(QByteArray(fw.identity[0]), QByteArray("NUC"));
        QCOMPARE(QByteArray(fw.identity[3]), QByteArray("VD"));
        QCOMPARE(QByteArray(fw.identity[4]), QByteArray("Brisko"));
        QCOMPARE(QByteArray(fw.firmwareVersion), QByteArray("V1.0.3"));
        QCOMPARE(QByteArray(fw.buildDateTime), QByteArray("May 02 2024 10:15:00"));

        // A receiver whose keyboard does not answer still lists, by its product id.
        QVERIFY(CVardexHid_GetHidAndFirmwareInfoStu(kAway, &info, &fw));
        QCOMPARE(QByteArray(info.hidName), QByteArray("Pasko"));
        QCOMPARE(info.hidUsbOrDongle, 1);
        QCOMPARE(QByteArray(fw.firmwareVersion), QByteArray());

        QVERIFY(!CVardexHid_GetHidAndFirmwareInfoStu("sim://Nothing/usb/0000:0000/0", &info, &fw));
        QVERIFY(!CVardexHid_GetHidAndFirmwareInfoStu("/dev/hidraw0", &info, &fw));
        QVERIFY(!CVardexHid_GetHidAndFirmwareInfoStu(nullptr, &info, &fw));
        QCOMPARE(CVardexHid_OpenPath("sim://Nothing/usb/0000:0000/0"), 0);
        QCOMPARE(CVardexHid_OpenPath(nullptr), 0);
    }

    void identityIsAskedOncePerPath()
    {
        hidStructInfo info;
        hidFirmwareInfo fw;
        QVERIFY(CVardexHid_GetHidAndFirmwareInfoStu(kReceiver, &info, &fw));
        CVardexSimState before, after;
        CVardexSim_GetState(kReceiver, &before);
        // An enumeration between the two calls keeps what was learnt.
        std::list<std::string> paths;
        QCOMPARE(CVardexHid_GetHidInfoList(paths), 3);
        QVERIFY(CVardexHid_GetHidAndFirmwareInfoStu(kReceiver, &info, &fw));
        CVardexSim_GetState(kReceiver, &after);
        QCOMPARE(after.writesReceived, before.writesReceived);
        QCOMPARE(QByteArray(info.hidName), QByteArray("Torvi"));
    }

    void supportListCoversEveryModelTwice()
    {
        std::vector<hidSupportInfo> list;
        std::map<std::string, hidModelInfo> models;
        CVardexHid_GetHidInfoStuMapList(models);
        QCOMPARE(CVardexHid_GetSupportInfoList(list), int(models.size() * 2));
        QSet<QByteArray> ids;
        for (const hidSupportInfo &s : list) {
            const QByteArray id = QByteArray(s.vendorId) + ":" + QByteArray(s.productId);
            QVERIFY2(QRegularExpression("^[0-9a-f]{4}:[0-9a-f]{4}$").match(QString(id)).hasMatch(), id);
            QVERIFY2(!ids.contains(id), id);
            ids.insert(id);
        }
        // Device paths carry their ids, so hot-plug matching by id finds them.
        QVERIFY(ids.contains("3a5e:c106") && QByteArray(kCable).contains("3a5e:c106"));
    }

    void plugAndUnplug()
    {
        HotplugEvents events;
        CVardexSim_SetHotplugCallback(&HotplugEvents::callback, &events);
        const int h = open(kCable);

        QCOMPARE(CVardexSim_Unplug(kCable), 0);
        QCOMPARE(CVardexSim_Unplug(kCable), 0); // already gone: no second event
        unsigned char buf[64];
        QCOMPARE(CVardexHid_HidReadBuff(h, buf), -1);
        QCOMPARE(CVardexHid_HidWriteBuff(h, reinterpret_cast<const unsigned char *>(report("0014").constData()), ""),
                 -1);
        std::list<std::string> paths;
        CVardexHid_GetHidInfoList(paths);
        QVERIFY(std::find(paths.begin(), paths.end(), std::string(kCable)) == paths.end());
        QCOMPARE(CVardexHid_OpenPath(kCable), 0);
        QCOMPARE(CVardexSim_Inject(kCable, reinterpret_cast<const unsigned char *>(report("0101").constData())), -1);

        QCOMPARE(CVardexSim_Plug(kCable), 0);
        // Back under the same path, as a real keyboard is; the handle opened
        // before the unplug stays dead.
        QCOMPARE(CVardexHid_HidReadBuff(h, buf), -1);
        QCOMPARE(CVardexHid_HidWriteBuff(h, reinterpret_cast<const unsigned char *>(report("0014").constData()), ""),
                 -1);
        std::list<std::string> back;
        CVardexHid_GetHidInfoList(back);
        QVERIFY(std::find(back.begin(), back.end(), std::string(kCable)) != back.end());
        const int again = open(kCable);
        QVERIFY(send(again, report("0014")));
        QCOMPARE(receive(again).left(2), QByteArray::fromHex("0115"));

        char added[256] = {};
        QCOMPARE(CVardexSim_AddDevice("Brisko", 0, added, sizeof added), 0);
        QCOMPARE(QByteArray(added), QByteArray("sim://Brisko/usb/3a5e:c106/1"));
        QCOMPARE(CVardexSim_AddDevice("NoSuchModel", 0, added, sizeof added), -1);
        QCOMPARE(CVardexSim_Unplug("sim://NoSuch/usb/0"), -1);

        QCOMPARE(events.events, (QStringList{QString("0 ") + kCable, QString("1 ") + kCable,
                                             QString("1 sim://Brisko/usb/3a5e:c106/1")}));
        CVardexSim_SetHotplugCallback(nullptr, nullptr);
        CVardexSim_Unplug(added);
        QCOMPARE(events.events.size(), 3);
    }

    void unpromptedReports()
    {
        const int h = open(kCable);
        const int second = open(kCable); // hidraw hands every reader its own copy
        QCOMPARE(CVardexSim_SendCustomKeyEvent(kCable, 0x3a, 1), 0);
        QCOMPARE(receive(h), report("0120000000000000003a01"));
        QCOMPARE(receive(second), report("0120000000000000003a01"));

        const unsigned char keys[8] = {0x02, 0, 0x04};
        QCOMPARE(CVardexSim_SendKeyReport(kCable, keys), 0);
        QCOMPARE(receive(h), report("010400000000 020004"));

        unsigned char columns[22] = {0x05};
        QCOMPARE(CVardexSim_SendKeyBitmap(kCable, columns), 0);
        QCOMPARE(receive(h), report("010e00000000 05"));

        const unsigned char light[13] = {3, 1, 0, 9, 9, 9, 0, 0, 0, 1, 0, 0, 0x77};
        QCOMPARE(CVardexSim_ChangeLightConfig(kCable, 1, light), 0);
        QCOMPARE(receive(h), report("010800000000 030100090909000000010000"));

        QCOMPARE(CVardexSim_SetBattery(kCable, 42, 1, 1), 0);
        QCOMPARE(receive(h), report("010100000008 000000 012a0000"));
        QCOMPARE(CVardexSim_SetBattery(kCable, 101, 0, 1), -1);
    }

    void periodicStatus()
    {
        const int h = open(kReceiver);
        QCOMPARE(CVardexSim_SetStatusInterval(kReceiver, 20), 0);
        QCOMPARE(receive(h, 1000), report("010100000008 000000 01400100"));
        QCOMPARE(receive(h, 1000).left(2), QByteArray::fromHex("0101"));
    }

    void logHasOneExactLinePerReport()
    {
        QTemporaryDir dir;
        const QString logPath = dir.filePath("sim.log");
        QCOMPARE(CVardexSim_SetLogFile(logPath.toLocal8Bit().constData()), 0);
        const int h = open(kReceiver);
        QVERIFY(send(h, report("0014")));
        QVERIFY(!receive(h).isEmpty());
        CVardexSim_SetFault(kReceiver, SIM_FAULT_REFUSE_WRITES, 1);
        QVERIFY(!send(h, report("0109"))); // not written: not logged
        CVardexSim_SetLogFile(nullptr);

        QFile f(logPath);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromLatin1(f.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const QRegularExpression re("^(\\d+) (\\S+) ([<>]) ([0-9a-f]{128})$");
        const auto out = re.match(lines[0]);
        const auto in = re.match(lines[1]);
        QVERIFY2(out.hasMatch() && in.hasMatch(), qPrintable(lines.join('\n')));
        QCOMPARE(out.captured(2), QString(kReceiver));
        QCOMPARE(out.captured(3), QString(">"));
        QCOMPARE(out.captured(4), QString(report("0014").toHex()));
        QCOMPARE(in.captured(3), QString("<"));
        QCOMPARE(in.captured(4), QString(withText(report("0115"), 6, "0123456789abcdef0123456789abcdef").toHex()));
        QVERIFY(in.captured(1).toLongLong() >= out.captured(1).toLongLong());
    }

    void closeWhileAnotherThreadReads()
    {
        const int h = CVardexHid_OpenPath(kCable); // blocking reads
        QVERIFY(h);
        std::atomic<int> result{1};
        std::thread reader([&] {
            unsigned char buf[64];
            result = CVardexHid_HidReadBuff(h, buf);
        });
        QThread::msleep(50);
        CVardexHid_Close(h);
        reader.join();
        QVERIFY(result <= 0);
        unsigned char buf[64];
        QCOMPARE(CVardexHid_HidReadBuff(h, buf), -1);
        CVardexHid_Close(h); // twice: ignored
    }

    void scenarioErrorsLeaveTheDevicesAlone_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not JSON") << QByteArray("{ devices: ");
        QTest::newRow("no devices") << QByteArray("{}");
        QTest::newRow("unknown model") << QByteArray(R"({"devices":[{"model":"Nope"}]})");
        QTest::newRow("bad connection") << QByteArray(R"({"devices":[{"model":"Brisko","connection":"bt"}]})");
        QTest::newRow("serial too long")
            << QByteArray(R"({"devices":[{"model":"Brisko","serial":"0123456789abcdef0123456789abcdef0"}]})");
        QTest::newRow("battery out of range") << QByteArray(R"({"devices":[{"model":"Brisko","battery":300}]})");
        QTest::newRow("light type not a byte")
            << QByteArray(R"({"devices":[{"model":"Brisko","keyLightTypes":[1,"x"]}]})");
    }
    void scenarioErrorsLeaveTheDevicesAlone()
    {
        QFETCH(QByteArray, json);
        QCOMPARE(CVardexSim_LoadScenarioText(json.constData()), -1);
        std::list<std::string> paths;
        QCOMPARE(CVardexHid_GetHidInfoList(paths), 3);
    }

    void defaultScenario()
    {
        QCOMPARE(CVardexSim_Enable(nullptr), 0);
        std::list<std::string> paths;
        QCOMPARE(CVardexHid_GetHidInfoList(paths), 2);
        hidStructInfo a, b;
        hidFirmwareInfo fw;
        QVERIFY(CVardexHid_GetHidAndFirmwareInfoStu(paths.front().c_str(), &a, &fw));
        QVERIFY(CVardexHid_GetHidAndFirmwareInfoStu(paths.back().c_str(), &b, &fw));
        QCOMPARE(a.hidUsbOrDongle, 0);
        QCOMPARE(b.hidUsbOrDongle, 1);
        QVERIFY(QByteArray(a.hidName) != QByteArray(b.hidName));
        CVardexSimState s;
        QCOMPARE(CVardexSim_GetState(paths.back().c_str(), &s), 0);
        QCOMPARE(s.reachable, 1);
        QCOMPARE(QByteArray(s.serial).size(), 32);
        QCOMPARE(CVardexSim_Enable("/nonexistent/scenario.json"), -1);
    }

    void timerPacesByAbsoluteDeadlines()
    {
        hidTimerState state{};
        CVardexHid_highPrecisionTimerInit(&state);
        QVERIFY(state.id != 0);
        CVardexHid_highPrecisionTimerStart(state);
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 40; ++i)
            CVardexHid_highPrecisionTimerRuning(100, state);
        // 40 passes of 1 ms: never shorter.
        QVERIFY(t.nsecsElapsed() >= 39 * 1000000LL);
        CVardexHid_highPrecisionTimerStop(state);
        t.restart();
        CVardexHid_highPrecisionTimerRuning(100, state); // stopped: still waits one interval
        QVERIFY(t.nsecsElapsed() >= 900000LL);
    }

private:
    int open(const char *path)
    {
        const int h = openNonblocking(path);
        if (h)
            m_handles << h;
        return h;
    }
    QList<int> m_handles;
};

QTEST_GUILESS_MAIN(TstSdkHidSim)
#include "tst_sdkHidSim.moc"
