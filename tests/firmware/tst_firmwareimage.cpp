// The image formats, the version order and the drive updater.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

#include "vardexSdk.h"

class TstFirmwareImage : public QObject
{
    Q_OBJECT
private slots:
    void versionOrder_data();
    void versionOrder();
    void binIdentityReadsWithinImage_data();
    void binIdentityReadsWithinImage();
    void embeddedImages();
    void damagedUfwRefused_data();
    void damagedUfwRefused();
    void faultKeysOfARealDriveIgnored();
    void driveQuery_data();
    void driveQuery();
    void driveTransfer_data();
    void driveTransfer();
    void cleanup() { CVardexUpd_SetCandidateDrives(nullptr, -1); }

private:
    static QByteArray resource(const char *name)
    {
        QFile f(QStringLiteral(":/images/UpdateFirmwareFile/") + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The fault keys of an identity file are the simulated keyboard's; once
    // it runs it stays on for the rest of the process.
    static void simulate(bool on)
    {
        if (on)
            QCOMPARE(CVardexSim_LoadScenarioText("{\"devices\": []}"), 0);
    }
    static void loadQuendo()
    {
        const QByteArray ufw = resource("Quendo.ufw");
        QCOMPARE(CVardexUpd_LoadUfwData(reinterpret_cast<const unsigned char *>(ufw.constData()), uint32_t(ufw.size())), 0);
    }
    // A fake update drive: a folder with the identity file.
    static QString makeDrive(QTemporaryDir &root, const QString &name, const QByteArray &identity)
    {
        const QString dir = root.path() + "/" + name;
        QDir().mkpath(dir);
        QFile id(dir + "/VARDEXUP.ID");
        id.open(QIODevice::WriteOnly);
        id.write(identity);
        return dir;
    }
};

void TstFirmwareImage::versionOrder_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("order");
    QTest::newRow("minor numeric") << "V1.9" << "V1.10" << -1;
    QTest::newRow("patch numeric") << "V1.0.10" << "V1.0.9" << 1;
    QTest::newRow("missing part is zero") << "V2.0.0" << "V2.0" << 0;
    QTest::newRow("equal") << "V1.0.3" << "V1.0.3" << 0;
    QTest::newRow("letter case") << "v1.2" << "V1.2" << 0;
    QTest::newRow("leading zero") << "V1.02" << "V1.2" << 0;
    QTest::newRow("major wins") << "V2.0" << "V1.99.99" << 1;
    QTest::newRow("empty is lowest") << "" << "V0.1" << -1;
    QTest::newRow("suffix letters") << "V1.0a" << "V1.0B" << -1;
}

void TstFirmwareImage::versionOrder()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, order);
    QCOMPARE(CVardexFw_CompareVersions(a.toLatin1().constData(), b.toLatin1().constData()), order);
    QCOMPARE(CVardexFw_CompareVersions(b.toLatin1().constData(), a.toLatin1().constData()), -order);
}

void TstFirmwareImage::binIdentityReadsWithinImage_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("whole") << 0x20000 << QByteArray("NUC,01,KB,VD,Torvi,V1.0.10") << QByteArray("NUC,01,KB,VD,Torvi,V1.0.10");
    QTest::newRow("cut by the image end") << 0x10840 + 5 << QByteArray("NUC,01,KB") << QByteArray("NUC,0");
    QTest::newRow("shorter than the block") << 0x100 << QByteArray() << QByteArray();
    QTest::newRow("no NUL in 50 bytes") << 0x20000 << QByteArray(60, 'x') << QByteArray(50, 'x');
}

void TstFirmwareImage::binIdentityReadsWithinImage()
{
    QFETCH(int, size);
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, expected);
    // The image lives at the end of a larger buffer filled with markers, so
    // a read past its end would show.
    QByteArray buffer(size + 64, 'Z');
    buffer.replace(0, size, QByteArray(size, '\0'));
    for (int i = 0; i < written.size() && CVARDEX_FW_BIN_IDENTITY_OFFSET + i < size; ++i)
        buffer[CVARDEX_FW_BIN_IDENTITY_OFFSET + i] = written[i];
    char out[CVARDEX_FW_BIN_IDENTITY_SIZE + 1];
    std::memset(out, '?', sizeof out);
    CVardexFw_BinIdentity(reinterpret_cast<const unsigned char *>(buffer.constData()), size_t(size), out);
    QCOMPARE(QByteArray(out), expected);
}

void TstFirmwareImage::embeddedImages()
{
    const QByteArray bin = resource("Torvi.bin");
    QCOMPARE(bin.size(), 522240);
    char identity[CVARDEX_FW_BIN_IDENTITY_SIZE + 1];
    CVardexFw_BinIdentity(reinterpret_cast<const unsigned char *>(bin.constData()), size_t(bin.size()), identity);
    QCOMPARE(QByteArray(identity), QByteArray("NUC,01,KB,VD,Torvi,V1.0.10"));

    const QByteArray ufw = resource("Quendo.ufw");
    QCOMPARE(ufw.size(), 1051104);
    loadQuendo();
    char pid[17] = {};
    char version[4] = {};
    QCOMPARE(CVardexUpd_GetUfwPidVid(pid, 17, version, 4), 0);
    QCOMPARE(QByteArray(pid), QByteArray("Quendo"));
    QCOMPARE(QByteArray(version, 4), QByteArray("V1.1"));
    uint16_t crc16 = 0;
    uint32_t crc32 = 0;
    QCOMPARE(CVardexUpd_GetUfwCrc(&crc16, &crc32), 0);
    const auto *payload = reinterpret_cast<const unsigned char *>(ufw.constData()) + CVARDEX_UFW_HEADER_SIZE;
    QCOMPARE(crc32, CVardexFw_Crc32(0, payload, size_t(ufw.size() - CVARDEX_UFW_HEADER_SIZE)));
    QCOMPARE(crc16, CVardexFw_Crc16(payload, size_t(ufw.size() - CVARDEX_UFW_HEADER_SIZE)));
}

void TstFirmwareImage::damagedUfwRefused_data()
{
    QTest::addColumn<int>("at");
    QTest::addColumn<int>("cut");
    QTest::newRow("magic") << 0 << 0;
    QTest::newRow("identity (header CRC)") << 9 << 0;
    QTest::newRow("payload byte") << 5000 << 0;
    QTest::newRow("truncated") << -1 << 100;
    QTest::newRow("header only, cut") << -1 << 1051104 - 30;
}

void TstFirmwareImage::damagedUfwRefused()
{
    QFETCH(int, at);
    QFETCH(int, cut);
    loadQuendo();
    QByteArray ufw = resource("Quendo.ufw");
    if (at >= 0)
        ufw[at] = char(ufw[at] ^ 0x40);
    ufw.chop(cut);
    QCOMPARE(CVardexUpd_LoadUfwData(reinterpret_cast<const unsigned char *>(ufw.constData()), uint32_t(ufw.size())), -3);
    // The image loaded before stays.
    char pid[17] = {};
    char version[4] = {};
    QCOMPARE(CVardexUpd_GetUfwPidVid(pid, 17, version, 4), 0);
    QCOMPARE(QByteArray(pid), QByteArray("Quendo"));
}

// A real drive whose identity file names fault keys: the query and the
// transfer go on as if they were not there.
void TstFirmwareImage::faultKeysOfARealDriveIgnored()
{
    QVERIFY(!CVardexSim_IsEnabled());
    loadQuendo();
    QTemporaryDir root;
    const QByteArray dir = QFile::encodeName(makeDrive(root, "kb", "model=Quendo\nquery=-3\nupgrade=-9\nvanish=50\n"));
    const char *list[] = {dir.constData()};
    CVardexUpd_SetCandidateDrives(list, 1);
    QCOMPARE(CVardexUpd_QueryDevicePidVid('A'), 0);
    QCOMPARE(CVardexUpd_UpgradeDevice('A', 1, 1, nullptr), 0);
    QFile written(QString::fromLocal8Bit(dir) + "/FIRMWARE.UFW");
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), resource("Quendo.ufw"));
}

void TstFirmwareImage::driveQuery_data()
{
    QTest::addColumn<QByteArrayList>("drives"); // identity per letter, "" = no update drive
    QTest::addColumn<char>("letter");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("simulated"); // the row needs the simulated keyboard
    QTest::newRow("the keyboard's drive") << QByteArrayList{"", "model=Quendo\n"} << 'B' << 0 << false;
    QTest::newRow("a folder without identity") << QByteArrayList{"", "model=Quendo\n"} << 'A' << -5 << false;
    QTest::newRow("past the list") << QByteArrayList{"model=Quendo\n"} << 'C' << -5 << false;
    QTest::newRow("another model") << QByteArrayList{"model=Yolma\n"} << 'A' << -5 << false;
    QTest::newRow("lower-case letter") << QByteArrayList{"model=Quendo\n"} << 'a' << 0 << false;
    // Only the first few kilobytes of the identity file are read.
    QTest::newRow("a line past 4 KiB is not read")
        << QByteArrayList{QByteArray(4096, '#') + "\nmodel=Yolma\n"} << 'A' << 0 << false;
    QTest::newRow("a line within 4 KiB is read")
        << QByteArrayList{QByteArray(4000, '#') + "\nmodel=Yolma\n"} << 'A' << -5 << false;
    QTest::newRow("injected -3") << QByteArrayList{"model=Quendo\nquery=-3\n"} << 'A' << -3 << true;
}

void TstFirmwareImage::driveQuery()
{
    QFETCH(QByteArrayList, drives);
    QFETCH(char, letter);
    QFETCH(int, result);
    QFETCH(bool, simulated);
    simulate(simulated);
    loadQuendo();
    QTemporaryDir root;
    QList<QByteArray> paths;
    for (int i = 0; i < drives.size(); ++i) {
        const QString dir = drives[i].isEmpty() ? root.path() : makeDrive(root, QString::number(i), drives[i]);
        paths << QFile::encodeName(dir);
    }
    std::vector<const char *> list;
    for (const QByteArray &p : paths)
        list.push_back(p.constData());
    CVardexUpd_SetCandidateDrives(list.data(), int(list.size()));
    QCOMPARE(CVardexUpd_QueryDevicePidVid(letter), result);
}

void TstFirmwareImage::driveTransfer_data()
{
    QTest::addColumn<QByteArray>("identity");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<bool>("simulated"); // the row needs the simulated keyboard
    QTest::newRow("written and verified") << QByteArray("model=Quendo\n") << 0 << true << false;
    QTest::newRow("drive leaves halfway") << QByteArray("model=Quendo\nvanish=50\n") << -18 << false << true;
    QTest::newRow("injected -9") << QByteArray("model=Quendo\nupgrade=-9\n") << -9 << false << true;
}

namespace {
QList<int> g_percents;
void onPercent(int p) { g_percents << p; }
} // namespace

void TstFirmwareImage::driveTransfer()
{
    QFETCH(QByteArray, identity);
    QFETCH(int, result);
    QFETCH(bool, complete);
    QFETCH(bool, simulated);
    simulate(simulated);
    loadQuendo();
    QTemporaryDir root;
    const QByteArray dir = QFile::encodeName(makeDrive(root, "kb", identity));
    const char *list[] = {dir.constData()};
    CVardexUpd_SetCandidateDrives(list, 1);
    g_percents.clear();
    QCOMPARE(CVardexUpd_UpgradeDevice('A', 1, 1, &onPercent), result);
    QFile written(QString::fromLocal8Bit(dir) + "/FIRMWARE.UFW");
    if (complete) {
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), resource("Quendo.ufw"));
        QCOMPARE(g_percents.last(), 100);
        QVERIFY(std::is_sorted(g_percents.begin(), g_percents.end()));
    } else {
        QVERIFY(g_percents.isEmpty() || g_percents.last() < 100);
    }
}

QTEST_MAIN(TstFirmwareImage)
#include "tst_firmwareimage.moc"
