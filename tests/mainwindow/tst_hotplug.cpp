#include <QSignalSpy>
#include <QtTest>

#include "platform/hotplugMonitor.h"
#include "../testWait.h"

class TstHotplug : public QObject
{
    Q_OBJECT
private slots:
    void idsMatch_data();
    void idsMatch();
    void bootloader_data();
    void bootloader();
    void simulatedPathIds_data();
    void simulatedPathIds();
    void oneReportPerPhysicalDevice();
    void unknownRemovalStillReported();
    void feedFromAnotherThread();
};

void TstHotplug::idsMatch_data()
{
    QTest::addColumn<QString>("vidText");
    QTest::addColumn<QString>("pidText");
    QTest::addColumn<int>("vid");
    QTest::addColumn<int>("pid");
    QTest::addColumn<bool>("match");
    QTest::newRow("same") << "3151" << "4010" << 0x3151 << 0x4010 << true;
    QTest::newRow("case and prefix") << "0x3F00" << "a0c2" << 0x3f00 << 0xA0C2 << true;
    QTest::newRow("leading zeros dropped") << "416" << "3f00" << 0x0416 << 0x3F00 << true;
    QTest::newRow("other product") << "3151" << "4010" << 0x3151 << 0x4011 << false;
    // Text that is only part of the id is a different id.
    QTest::newRow("partial text") << "41" << "3f" << 0x0416 << 0x3F00 << false;
    // An empty side names no device (it used to match every path).
    QTest::newRow("empty product") << "3151" << "" << 0x3151 << 0x4010 << false;
    QTest::newRow("empty both") << "" << "" << 0 << 0 << false;
    QTest::newRow("malformed") << "zz" << "4010" << 0x3151 << 0x4010 << false;
    QTest::newRow("too large") << "13151" << "4010" << 0x3151 << 0x4010 << false;
}

void TstHotplug::idsMatch()
{
    QFETCH(QString, vidText);
    QFETCH(QString, pidText);
    QFETCH(int, vid);
    QFETCH(int, pid);
    QFETCH(bool, match);
    QCOMPARE(hotplug::idsMatch(vidText, pidText, quint16(vid), quint16(pid)), match);
}

void TstHotplug::bootloader_data()
{
    QTest::addColumn<int>("vid");
    QTest::addColumn<int>("pid");
    QTest::addColumn<bool>("bootloader");
    QTest::newRow("0416:3f00") << 0x0416 << 0x3F00 << true;
    QTest::newRow("1fc9:f7df") << 0x1FC9 << 0xF7DF << true;
    QTest::newRow("vendor only") << 0x0416 << 0x3F01 << false;
    QTest::newRow("crossed pair") << 0x0416 << 0xF7DF << false;
}

void TstHotplug::bootloader()
{
    QFETCH(int, vid);
    QFETCH(int, pid);
    QFETCH(bool, bootloader);
    QCOMPARE(hotplug::isBootloaderId(quint16(vid), quint16(pid)), bootloader);
}

void TstHotplug::simulatedPathIds_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("vid");
    QTest::addColumn<int>("pid");
    QTest::newRow("cable") << "sim://Brisko/usb/3a5e:c106/0" << true << 0x3a5e << 0xc106;
    QTest::newRow("receiver upper") << "sim://Yolma/dongle/3A5E:D10D/1" << true << 0x3a5e << 0xd10d;
    QTest::newRow("ids last") << "sim://X/usb/0416:3f00" << true << 0x0416 << 0x3f00;
    QTest::newRow("no ids") << "sim://Brisko/usb/0" << false << 0 << 0;
    QTest::newRow("five digits") << "sim://X/usb/3a5e1:c106/0" << false << 0 << 0;
}

void TstHotplug::simulatedPathIds()
{
    QFETCH(QString, path);
    QFETCH(bool, ok);
    QFETCH(int, vid);
    QFETCH(int, pid);
    quint16 v = 0, p = 0;
    QCOMPARE(hotplug::idsFromSimulatedPath(path, &v, &p), ok);
    if (ok) {
        QCOMPARE(int(v), vid);
        QCOMPARE(int(p), pid);
    }
}

static HotplugEvent ev(bool arrival, const QString &path, const QString &key)
{
    HotplugEvent e;
    e.arrival = arrival;
    e.path = path;
    e.physicalKey = key;
    e.vid = 0x3151;
    e.pid = 0x4010;
    return e;
}

void TstHotplug::oneReportPerPhysicalDevice()
{
    HotplugMonitor m;
    QSignalSpy spy(&m, &HotplugMonitor::deviceChanged);
    const QString kb = "/sys/devices/usb1/1-2";
    const QString other = "/sys/devices/usb1/1-3";

    // Three interfaces of one keyboard, then a second keyboard.
    m.feed(ev(true, "/dev/hidraw1", kb));
    m.feed(ev(true, "/dev/hidraw2", kb));
    m.feed(ev(true, "/dev/hidraw3", kb));
    m.feed(ev(true, "/dev/hidraw4", other));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QCOMPARE(spy.at(0).at(1).toString(), QString("/dev/hidraw1"));
    QCOMPARE(spy.at(1).at(1).toString(), QString("/dev/hidraw4"));

    // The keyboard counts as gone only when its last interface went.
    m.feed(ev(false, "/dev/hidraw2", kb));
    m.feed(ev(false, "/dev/hidraw1", kb));
    QCOMPARE(spy.count(), 2);
    m.feed(ev(false, "/dev/hidraw3", kb));
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(2).at(0).toBool(), false);
    QCOMPARE(spy.at(2).at(2).value<quint16>(), quint16(0x3151));

    // Plugged again: announced again.
    m.feed(ev(true, "/dev/hidraw5", kb));
    QCOMPARE(spy.count(), 4);
}

void TstHotplug::unknownRemovalStillReported()
{
    HotplugMonitor m;
    QSignalSpy spy(&m, &HotplugMonitor::deviceChanged);
    m.feed(ev(false, "sim:kb0", QString()));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
}

void TstHotplug::feedFromAnotherThread()
{
    HotplugMonitor m;
    QSignalSpy spy(&m, &HotplugMonitor::deviceChanged);
    QThread *t = QThread::create([&m] { m.feedFromAnyThread(ev(true, "sim:kb1", QString())); });
    t->start();
    t->wait();
    delete t;
    QCOMPARE(spy.count(), 0); // queued onto the monitor's thread
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, testWait::kHangMs);
}

QTEST_GUILESS_MAIN(TstHotplug)
#include "tst_hotplug.moc"
