// The HID calls with neither a keyboard nor the simulator, the permission
// report, and the generated udev rules.
#include <QtTest>

#include <cstring>

#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include "deviceTable.h"
#include "vardexSdk.h"

class TstSdkHidNoDevice : public QObject
{
    Q_OBJECT

private slots:
    void noDeviceMeansEmptyListsAndNoError()
    {
        QCOMPARE(CVardexHid_Init(), 0);
        QCOMPARE(CVardexSim_IsEnabled(), 0);
        std::list<std::string> paths;
        QCOMPARE(CVardexHid_GetHidInfoList(paths), 0);
        QVERIFY(paths.empty());
        std::list<std::string> denied;
        QCOMPARE(CVardexHid_GetNoPermissionList(denied), 0);

        hidStructInfo info;
        hidFirmwareInfo fw;
        QVERIFY(!CVardexHid_GetHidAndFirmwareInfoStu("/dev/hidraw-none", &info, &fw));
        QCOMPARE(CVardexHid_OpenPath("/dev/hidraw-none"), 0);
        unsigned char buf[64] = {};
        QCOMPARE(CVardexHid_HidReadBuff(12345, buf), -1);
        QCOMPARE(CVardexHid_HidWriteBuff(12345, buf, ""), -1);
        CVardexHid_Close(12345);
        QCOMPARE(CVardexHid_SetNonblocking(12345, 1), -1);

        // The supported models are known without any device.
        std::map<std::string, hidModelInfo> models;
        QCOMPARE(CVardexHid_GetHidInfoStuMapList(models), int(vardex::deviceModelCount()));
    }

    // Paths come from 256-byte buffers: one that fills its buffer without a
    // terminator is refused, never read past the buffer.
    void pathArgumentsStayInsideTheirBuffer_data()
    {
        QTest::addColumn<QByteArray>("buffer");
        QTest::newRow("empty") << QByteArray(1, '\0');
        QTest::newRow("255 bytes and the terminator") << QByteArray("/dev/" + QByteArray(250, 'x')) + '\0';
        QTest::newRow("256 bytes, no terminator") << QByteArray("/dev/" + QByteArray(251, 'x'));
    }
    void pathArgumentsStayInsideTheirBuffer()
    {
        QFETCH(QByteArray, buffer);
        // Exactly the buffer, in memory that ends where the buffer ends.
        const long page = sysconf(_SC_PAGESIZE);
        char *mem = static_cast<char *>(mmap(nullptr, size_t(2 * page), PROT_READ | PROT_WRITE,
                                             MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        QVERIFY(mem != MAP_FAILED);
        QCOMPARE(mprotect(mem + page, size_t(page), PROT_NONE), 0);
        char *path = mem + page - buffer.size();
        std::memcpy(path, buffer.constData(), size_t(buffer.size()));

        hidStructInfo info;
        hidFirmwareInfo fw;
        QVERIFY(!CVardexHid_GetHidAndFirmwareInfoStu(path, &info, &fw));
        QCOMPARE(CVardexHid_OpenPath(path), 0);
        QCOMPARE(CVardexHid_CheckPathAccess(path), int(HID_PATH_MISSING));
        munmap(mem, size_t(2 * page));
    }

    void permissionDeniedIsReportedAsSuch()
    {
        QTemporaryDir dir;
        ::chmod(dir.path().toLocal8Bit().constData(), 0755);
        const QByteArray path = dir.filePath("hidraw-locked").toLocal8Bit();
        QFile f(QString::fromLocal8Bit(path));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(::chmod(path.constData(), 0600), 0);
        QCOMPARE(CVardexHid_CheckPathAccess(path.constData()), int(HID_PATH_OK));
        QCOMPARE(CVardexHid_CheckPathAccess(dir.filePath("absent").toLocal8Bit().constData()),
                 int(HID_PATH_MISSING));

        // Another user may not open it. Root passes every permission check,
        // so the test asks from a child that gave root away.
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(100);
            if (geteuid() != 0)
                ::chmod(path.constData(), 0); // no root: lock it for ourselves
            _exit(CVardexHid_CheckPathAccess(path.constData()));
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), int(HID_PATH_NO_PERMISSION));
        // A device that cannot be opened gives no handle.
        ::chmod(path.constData(), 0600);
    }

    void udevRulesCoverEveryIdAndGrantNoWorldAccess()
    {
        QFile f(VARDEX_UDEV_RULES_FILE);
        QVERIFY2(f.open(QIODevice::ReadOnly), VARDEX_UDEV_RULES_FILE);
        const QString text = QString::fromUtf8(f.readAll());
        QVERIFY(QFileInfo(VARDEX_UDEV_RULES_FILE).fileName() == "60-vardex-keyboard.rules");

        QSet<QString> listed;
        const QRegularExpression rule(
            "^SUBSYSTEM==\"hidraw\", ATTRS\\{idVendor\\}==\"([0-9a-f]{4})\", ATTRS\\{idProduct\\}==\"([0-9a-f]{4})\", "
            "TAG\\+=\"uaccess\"$");
        for (const QString &line : text.split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith('#'))
                continue;
            const auto m = rule.match(line);
            QVERIFY2(m.hasMatch(), qPrintable(line));
            listed.insert(m.captured(1) + ":" + m.captured(2));
        }
        QVERIFY(!text.contains("MODE"));
        QVERIFY(!text.contains("666"));

        QSet<QString> expected;
        auto id = [](unsigned vid, unsigned pid) { return QString::asprintf("%04x:%04x", vid, pid); };
        for (std::size_t i = 0; i < vardex::deviceModelCount(); ++i) {
            expected.insert(id(vardex::kVendorId, vardex::deviceModel(i).cablePid));
            expected.insert(id(vardex::kVendorId, vardex::deviceModel(i).receiverPid));
        }
        for (std::size_t i = 0; i < vardex::bootloaderIdCount(); ++i)
            expected.insert(id(vardex::bootloaderId(i).vid, vardex::bootloaderId(i).pid));
        QVERIFY(expected.contains("0416:3f00") && expected.contains("1fc9:f7df"));
        QCOMPARE(listed, expected);
    }

    void deviceTableIsConsistent()
    {
        QSet<QString> codes;
        QSet<unsigned> pids;
        for (std::size_t i = 0; i < vardex::deviceModelCount(); ++i) {
            const vardex::DeviceModel &m = vardex::deviceModel(i);
            QVERIFY2(!codes.contains(m.code), m.code);
            codes.insert(m.code);
            QVERIFY(!pids.contains(m.cablePid) && !pids.contains(m.receiverPid) && m.cablePid != m.receiverPid);
            pids << m.cablePid << m.receiverPid;
            QVERIFY(m.keyCount > 0 && m.sideLeds > 0 && std::strlen(m.code) < 32);
            vardex::Connection c;
            QCOMPARE(vardex::findModelByUsbId(vardex::kVendorId, m.receiverPid, &c), &m);
            QCOMPARE(int(c), int(vardex::Connection::Receiver));
        }
        // Which codes the table must hold is checked against the shipped
        // layouts (tst_keyboardlayouts), so no second list of models here.
        QVERIFY(vardex::findModel("Brisko"));
        QVERIFY(!vardex::findModel("brisko")); // case-sensitive
    }
};

QTEST_GUILESS_MAIN(TstSdkHidNoDevice)
#include "tst_sdkHidNoDevice.moc"
