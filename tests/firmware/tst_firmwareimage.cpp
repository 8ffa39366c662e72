// The image formats, the version order and the drive updater.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

#include <csignal>
#include <cstring>

#include "imageFixtures.h"
#include "vardexSdk.h"

using fixtures::ImageFault;
Q_DECLARE_METATYPE(fixtures::ImageFault)

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
    void binCheck_data();
    void binCheck();
    void binSealAndModelField_data();
    void binSealAndModelField();
    void readImageFile_data();
    void readImageFile();
    void ufwLoadCapped_data();
    void ufwLoadCapped();
    void ufwHeaderFields_data();
    void ufwHeaderFields();
    void libraryRefusesBadFiles_data();
    void libraryRefusesBadFiles();
    void librarySizeCap_data();
    void librarySizeCap();
    void driveFinalWriteFailure();
    void loaderTakesModelInOtherLetterCase();
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
    // A simulated Torvi (the only keyboard) switched into its bootloader,
    // which is opened.
    static void openTorviBootloader(std::string *keyboard, int *hid, int *handle)
    {
        QCOMPARE(CVardexSim_LoadScenarioText("{\"devices\": [{\"model\": \"Torvi\"}]}"), 0);
        std::list<std::string> paths;
        CVardexHid_GetHidInfoList(paths);
        QCOMPARE(int(paths.size()), 1);
        *keyboard = paths.front();
        *hid = CVardexHid_OpenPath(keyboard->c_str());
        QVERIFY(*hid > 0);
        const unsigned char intoFirmware[64] = {0x01, 0x0A};
        QVERIFY(CVardexHid_HidWriteBuff(*hid, intoFirmware, keyboard->c_str()) >= 0);
        char boot[128] = {};
        QTRY_COMPARE_WITH_TIMEOUT(CVardexSim_GetBootloaderPath(keyboard->c_str(), boot, sizeof boot), 0, 60000);
        *handle = CVardexHid_OpenBootloader(boot);
        QVERIFY(*handle > 0);
        char model[33] = {};
        QCOMPARE(CVardexHid_BootloaderModel(*handle, model, sizeof model), 0);
        QCOMPARE(QByteArray(model), QByteArray("Torvi"));
    }
    // `bytes`, written as the file `name`, handed to a Torvi's bootloader
    // with the caller's size cap: what the library answers.
    static void upgradeTorviWith(const QString &name, const QByteArray &bytes, uint32_t cap, std::string *keyboard,
                                 int *result)
    {
        int hid = 0;
        int handle = 0;
        openTorviBootloader(keyboard, &hid, &handle);
        if (QTest::currentTestFailed())
            return;
        QTemporaryDir dir;
        const QString file = dir.path() + QLatin1Char('/') + name;
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        out.close();
        *result = CVardexHid_FirmwareUpgrade(handle, QFile::encodeName(file).constData(), cap, 0, 0, nullptr);
        CVardexHid_CloseBootloader(handle);
        CVardexHid_Close(hid);
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
    QCOMPARE(bin.size(), 522240 + CVARDEX_FW_BIN_SEAL_SIZE);
    size_t imageSize = 0;
    QCOMPARE(CVardexFw_CheckBin(reinterpret_cast<const unsigned char *>(bin.constData()), size_t(bin.size()), "Torvi",
                                &imageSize),
             int(CVARDEX_FW_OK));
    QCOMPARE(imageSize, size_t(522240));
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

void TstFirmwareImage::binCheck_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("result");
    const QByteArray good = fixtures::binFile("Torvi");
    QTest::newRow("good") << good << int(CVARDEX_FW_OK);
    QTest::newRow("truncated") << fixtures::imageWith(ImageFault::Truncated, false, "Torvi") << int(CVARDEX_FW_DAMAGED);
    QTest::newRow("one image byte flipped") << fixtures::imageWith(ImageFault::FlippedByte, false, "Torvi")
                                            << int(CVARDEX_FW_DAMAGED);
    QTest::newRow("without its seal") << good.left(good.size() - CVARDEX_FW_BIN_SEAL_SIZE) << int(CVARDEX_FW_DAMAGED);
    QByteArray sealSize = good;
    sealSize[good.size() - CVARDEX_FW_BIN_SEAL_SIZE + 4] = char(sealSize[good.size() - CVARDEX_FW_BIN_SEAL_SIZE + 4] + 1);
    QTest::newRow("seal altered") << sealSize << int(CVARDEX_FW_DAMAGED);
    QTest::newRow("oversize") << fixtures::imageWith(ImageFault::Oversize, false, "Torvi") << int(CVARDEX_FW_TOO_LARGE);
    QTest::newRow("largest a keyboard takes") << fixtures::binFile("Torvi", CVARDEX_BOOT_MAX_IMAGE) << int(CVARDEX_FW_OK);
    QTest::newRow("empty") << QByteArray() << int(CVARDEX_FW_EMPTY);
    QTest::newRow("another model") << fixtures::binFile("Kalvo") << int(CVARDEX_FW_OTHER_MODEL);
    QTest::newRow("model only a prefix") << fixtures::binFile("Torvi2") << int(CVARDEX_FW_OTHER_MODEL);
    QTest::newRow("model in other letter case") << fixtures::binFile("tORVI") << int(CVARDEX_FW_OK);
}

void TstFirmwareImage::binCheck()
{
    QFETCH(QByteArray, file);
    QFETCH(int, result);
    size_t imageSize = 0;
    QCOMPARE(CVardexFw_CheckBin(reinterpret_cast<const unsigned char *>(file.constData()), size_t(file.size()), "Torvi",
                                &imageSize),
             result);
    if (result == CVARDEX_FW_OK)
        QCOMPARE(imageSize, size_t(file.size() - CVARDEX_FW_BIN_SEAL_SIZE));
}

namespace {

// A sealed file whose seal bytes [at, at + bytes.size()) are replaced and
// whose seal checksum is then made anew, so only the replaced field is wrong.
QByteArray resealed(QByteArray file, int at, const QByteArray &bytes)
{
    const int seal = file.size() - CVARDEX_FW_BIN_SEAL_SIZE;
    file.replace(seal + at, bytes.size(), bytes);
    const uint32_t crc = CVardexFw_Crc32(0, reinterpret_cast<const unsigned char *>(file.constData()) + seal, 12);
    for (int i = 0; i < 4; ++i)
        file[seal + 12 + i] = char(crc >> (8 * i));
    return file;
}

QByteArray le32Bytes(uint32_t v)
{
    QByteArray out(4, '\0');
    for (int i = 0; i < 4; ++i)
        out[i] = char(v >> (8 * i));
    return out;
}

} // namespace

// The seal and the model field, checked with the keyboard's model and
// without one ("" below: no model to check against).
void TstFirmwareImage::binSealAndModelField_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<int>("result");
    const QByteArray good = fixtures::binFile("Torvi");
    const int seal = good.size() - CVARDEX_FW_BIN_SEAL_SIZE;

    QTest::newRow("model field empty") << fixtures::binFile("") << QByteArray("Torvi") << int(CVARDEX_FW_OTHER_MODEL);
    QTest::newRow("model field a prefix of the keyboard's")
        << fixtures::binFile("Quen") << QByteArray("Quendo") << int(CVARDEX_FW_OTHER_MODEL);
    QTest::newRow("another model's, no model to check") << fixtures::binFile("Kalvo") << QByteArray() << int(CVARDEX_FW_OK);

    // A seal with nothing before it: a seal of an empty image is sound in
    // itself, so only the file's size tells it apart.
    unsigned char only[CVARDEX_FW_BIN_SEAL_SIZE];
    QCOMPARE(CVardexFw_MakeBinSeal(nullptr, 0, only), 0);
    const QByteArray onlySeal(reinterpret_cast<const char *>(only), sizeof only);
    QTest::newRow("only a seal") << onlySeal << QByteArray("Torvi") << int(CVARDEX_FW_DAMAGED);
    QTest::newRow("only a seal, no model to check") << onlySeal << QByteArray() << int(CVARDEX_FW_DAMAGED);
    QTest::newRow("shorter than a seal") << good.right(8) << QByteArray() << int(CVARDEX_FW_DAMAGED);

    QByteArray sealSum = good;
    sealSum[seal + 13] = char(sealSum[seal + 13] ^ 0x10);
    QTest::newRow("seal checksum damaged, image intact") << sealSum << QByteArray("Torvi") << int(CVARDEX_FW_DAMAGED);
    QTest::newRow("seal checksum damaged, no model to check") << sealSum << QByteArray() << int(CVARDEX_FW_DAMAGED);
    QTest::newRow("seal magic altered") << resealed(good, 0, "VSEX") << QByteArray("Torvi") << int(CVARDEX_FW_DAMAGED);
    QTest::newRow("seal names a shorter image")
        << resealed(good, 4, le32Bytes(uint32_t(seal - 1))) << QByteArray("Torvi") << int(CVARDEX_FW_DAMAGED);
    QTest::newRow("seal names another image checksum")
        << resealed(good, 8, le32Bytes(0x12345678u)) << QByteArray("Torvi") << int(CVARDEX_FW_DAMAGED);
}

void TstFirmwareImage::binSealAndModelField()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, model);
    QFETCH(int, result);
    size_t imageSize = 0;
    QCOMPARE(CVardexFw_CheckBin(reinterpret_cast<const unsigned char *>(file.constData()), size_t(file.size()),
                                model.isEmpty() ? nullptr : model.constData(), &imageSize),
             result);
    if (result == CVARDEX_FW_OK)
        QCOMPARE(imageSize, size_t(file.size() - CVARDEX_FW_BIN_SEAL_SIZE));
}

void TstFirmwareImage::readImageFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("result");
    QTest::newRow("regular") << "file" << 100 << int(CVARDEX_FW_OK);
    QTest::newRow("exactly the cap") << "file" << 4096 << int(CVARDEX_FW_OK);
    QTest::newRow("one byte over the cap") << "file" << 4097 << int(CVARDEX_FW_TOO_LARGE);
    QTest::newRow("empty") << "file" << 0 << int(CVARDEX_FW_EMPTY);
    QTest::newRow("FIFO") << "fifo" << 0 << int(CVARDEX_FW_UNREADABLE);
    QTest::newRow("folder") << "dir" << 0 << int(CVARDEX_FW_UNREADABLE);
    QTest::newRow("missing") << "none" << 0 << int(CVARDEX_FW_UNREADABLE);
}

void TstFirmwareImage::readImageFile()
{
    QFETCH(QString, kind);
    QFETCH(int, size);
    QFETCH(int, result);
    QTemporaryDir dir;
    const QString path = dir.path() + "/image.bin";
    const QByteArray bytes = fixtures::filler(size, 3);
    if (kind == "file") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    } else if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "dir") {
        QVERIFY(QDir().mkdir(path));
    }
    // A FIFO nobody writes to would block a plain reader for ever.
    std::vector<unsigned char> out(3, 1);
    QCOMPARE(CVardexFw_ReadImageFile(QFile::encodeName(path).constData(), 4096, out), result);
    if (result == CVARDEX_FW_OK)
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(out.data()), int(out.size())), bytes);
    else
        QVERIFY(out.empty());
}

void TstFirmwareImage::ufwLoadCapped_data()
{
    QTest::addColumn<int>("payload");
    QTest::addColumn<int>("result");
    QTest::newRow("at the cap") << CVARDEX_UFW_MAX_SIZE - CVARDEX_UFW_HEADER_SIZE << 0;
    QTest::newRow("one byte over") << CVARDEX_UFW_MAX_SIZE - CVARDEX_UFW_HEADER_SIZE + 1 << -3;
}

void TstFirmwareImage::ufwLoadCapped()
{
    QFETCH(int, payload);
    QFETCH(int, result);
    const QByteArray ufw = fixtures::ufwFile("Quendo", payload);
    QCOMPARE(CVardexUpd_LoadUfwData(reinterpret_cast<const unsigned char *>(ufw.constData()), uint32_t(ufw.size())),
             result);
}

// One field of a ".ufw" header wrong, its header checksum made anew, so
// only that field's own check can refuse it.
void TstFirmwareImage::ufwHeaderFields_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("result");
    const QByteArray good = fixtures::ufwFile("Quendo", 4000);
    const auto reheadered = [&](int at, const QByteArray &bytes) {
        QByteArray file = good;
        file.replace(at, bytes.size(), bytes);
        const uint32_t crc = CVardexFw_Crc32(0, reinterpret_cast<const unsigned char *>(file.constData()), 40);
        file.replace(40, 4, le32Bytes(crc));
        return file;
    };
    QTest::newRow("good") << good << 0;
    QTest::newRow("stray bytes after the payload") << good + QByteArray(8, '\0') << -3;
    QTest::newRow("another container format") << reheadered(4, le32Bytes(CVARDEX_UFW_FORMAT + 1)) << -3;
    QTest::newRow("payload CRC32 altered") << reheadered(32, le32Bytes(0x12345678u)) << -3;
    QTest::newRow("payload CRC16 altered") << reheadered(36, QByteArray(1, char(good[36] ^ 0x5A))) << -3;
}

void TstFirmwareImage::ufwHeaderFields()
{
    QFETCH(QByteArray, file);
    QFETCH(int, result);
    QCOMPARE(CVardexUpd_LoadUfwData(reinterpret_cast<const unsigned char *>(file.constData()), uint32_t(file.size())),
             result);
}

void TstFirmwareImage::libraryRefusesBadFiles_data()
{
    QTest::addColumn<ImageFault>("fault");
    QTest::addColumn<int>("result");
    QTest::newRow("good") << ImageFault::None << 0;
    QTest::newRow("truncated") << ImageFault::Truncated << int(CVARDEX_FW_DAMAGED);
    QTest::newRow("one byte flipped") << ImageFault::FlippedByte << int(CVARDEX_FW_DAMAGED);
    QTest::newRow("oversize") << ImageFault::Oversize << int(CVARDEX_FW_TOO_LARGE);
    QTest::newRow("empty") << ImageFault::Empty << int(CVARDEX_FW_EMPTY);
    QTest::newRow("another model") << ImageFault::OtherModel << int(CVARDEX_FW_OTHER_MODEL);
    QTest::newRow("FIFO") << ImageFault::Fifo << int(CVARDEX_FW_UNREADABLE);
}

// What an outside program calling the library with any file gets.
void TstFirmwareImage::libraryRefusesBadFiles()
{
    QFETCH(ImageFault, fault);
    QFETCH(int, result);
    std::string keyboard;
    int hid = 0;
    int handle = 0;
    openTorviBootloader(&keyboard, &hid, &handle);
    if (QTest::currentTestFailed())
        return;

    QTemporaryDir dir;
    const QString file = dir.path() + "/Torvi.bin";
    QVERIFY(fixtures::writeImage(file, fault, false, "Torvi"));
    QCOMPARE(CVardexHid_FirmwareUpgrade(handle, QFile::encodeName(file).constData(), CVARDEX_BOOT_MAX_IMAGE, 0, 0, nullptr),
             result);
    CVardexHid_CloseBootloader(handle);
    CVardexHid_Close(hid);
    unsigned size = 0, crc = 0;
    if (result == 0) {
        QCOMPARE(CVardexSim_GetFirmwareImage(keyboard.c_str(), &size, &crc), 0);
        QCOMPARE(size, 522240u); // the image, never its seal
    } else {
        // Refused before a single image report reached the keyboard.
        QCOMPARE(CVardexSim_GetFirmwareImage(keyboard.c_str(), &size, &crc), -1);
        QCOMPARE(CVardexSim_GetBootloaderReportCount(keyboard.c_str()), 0);
        CVardexSim_UnplugBootloader(keyboard.c_str());
    }
    CVardexSim_Enable("1");
}

void TstFirmwareImage::librarySizeCap_data()
{
    QTest::addColumn<int>("imageSize");
    QTest::addColumn<uint32_t>("cap"); // the largest image the caller takes, 0 the keyboard's
    QTest::addColumn<int>("result");
    QTest::newRow("largest a keyboard takes") << int(CVARDEX_BOOT_MAX_IMAGE) << uint32_t(0) << 0;
    QTest::newRow("the caller's cap exactly") << 522240 << uint32_t(522240) << 0;
    QTest::newRow("one byte over the caller's cap") << 522240 << uint32_t(522239) << int(CVARDEX_FW_TOO_LARGE);
}

// A larger image is refused whole, never cut to the size the caller takes.
void TstFirmwareImage::librarySizeCap()
{
    QFETCH(int, imageSize);
    QFETCH(uint32_t, cap);
    QFETCH(int, result);
    std::string keyboard;
    const QByteArray bytes = fixtures::binFile("Torvi", imageSize);
    int answer = -1;
    upgradeTorviWith(QStringLiteral("Torvi.bin"), bytes, cap, &keyboard, &answer);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(answer, result);
    unsigned size = 0, crc = 0;
    if (result == 0) {
        QCOMPARE(CVardexSim_GetFirmwareImage(keyboard.c_str(), &size, &crc), 0);
        QCOMPARE(size, unsigned(imageSize));
        QCOMPARE(crc, CVardexFw_Crc32(0, reinterpret_cast<const unsigned char *>(bytes.constData()), size_t(imageSize)));
    } else {
        QCOMPARE(CVardexSim_GetBootloaderReportCount(keyboard.c_str()), 0);
        CVardexSim_UnplugBootloader(keyboard.c_str());
    }
    CVardexSim_Enable("1");
}

// The keyboard's own loader, like the update check, names a model in either
// letter case: such an image is written and its version taken.
void TstFirmwareImage::loaderTakesModelInOtherLetterCase()
{
    std::string keyboard;
    const QByteArray bytes = fixtures::binFile("TORVI");
    int answer = -1;
    upgradeTorviWith(QStringLiteral("TORVI.bin"), bytes, 0, &keyboard, &answer);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(answer, 0);
    unsigned size = 0, crc = 0;
    QCOMPARE(CVardexSim_GetFirmwareImage(keyboard.c_str(), &size, &crc), 0);
    QCOMPARE(int(size), bytes.size() - CVARDEX_FW_BIN_SEAL_SIZE);
    CVardexSim_Enable("1");
}

// A drive that takes all but the last bytes of the image (it is full): with
// verification off nothing reads the file back, so the failing last write
// itself must end the transfer.
void TstFirmwareImage::driveFinalWriteFailure()
{
    loadQuendo();
    QTemporaryDir root;
    const QByteArray dir = QFile::encodeName(makeDrive(root, "kb", "model=Quendo\n"));
    const char *list[] = {dir.constData()};
    CVardexUpd_SetCandidateDrives(list, 1);
    const int size = resource("Quendo.ufw").size();
    // Whole 64 KiB writes go through; the short tail is written at close.
    const rlim_t room = rlim_t(size - size % (64 * 1024));
    QVERIFY(room < rlim_t(size));
    struct rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = saved;
    limit.rlim_cur = room;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const int rc = CVardexUpd_UpgradeDevice('A', 0, 0, nullptr);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    QCOMPARE(rc, -6);
    QCOMPARE(QFileInfo(QString::fromLocal8Bit(dir) + "/FIRMWARE.UFW").size(), qint64(room));
}

QTEST_MAIN(TstFirmwareImage)
#include "tst_firmwareimage.moc"
