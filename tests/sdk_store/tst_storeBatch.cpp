// Batches of store writes: one file replacement per outermost batch, pending
// writes visible to reads, the old file kept until the batch ends.
#include "storeTestUtil.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

ino_t inodeOf(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

bool bindingValue(const char *path, const char *profile, const char *key, QByteArray &value)
{
    KeyOperateInfo info;
    std::memset(&info, 0, sizeof info);
    if (!CVardexXML_SelectProFileKeyOperateInfo(path, profile, key, &info))
        return false;
    value = info.value;
    return true;
}

// A store with profile 1 and one binding.
void makeStore(const PathBuf &path)
{
    QVERIFY(CVardexXML_CreateXMLFile(path));
    QVERIFY(CVardexXML_CreateProFileXmlParentNode(path, "1", "Profile1", 0));
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(path, "1", "4", "A", "6", "1", "1", "old"));
}

} // namespace

class tst_storeBatch : public QObject
{
    Q_OBJECT

private slots:
    void init() { reopenStores(); }

    void fileReplacedOncePerOutermostBatch_data();
    void fileReplacedOncePerOutermostBatch();
    void readsInsideBatchSeePendingWrites_data();
    void readsInsideBatchSeePendingWrites();
    void damagedStoreRules_data();
    void damagedStoreRules();
    void failedEndKeepsOldStore();
    void refusedPaths_data();
    void refusedPaths();
    void threadsShareOneBatch();
};

// Steps: B begin, E end (expected true), X end (expected false), W a write.
void tst_storeBatch::fileReplacedOncePerOutermostBatch_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("replaced"); // per step: r the file was replaced, - it was not

    QTest::newRow("writes without a batch") << "WWW" << "rrr";
    QTest::newRow("one batch") << "BWWWE" << "----r";
    QTest::newRow("nested batches") << "BBWEWE" << "-----r";
    QTest::newRow("two batches") << "BWEBWWE" << "--r---r";
    QTest::newRow("batch without writes") << "BE" << "--";
    QTest::newRow("end without begin") << "XW" << "-r";
    QTest::newRow("one end too many") << "BWEXW" << "--r-r";
}

void tst_storeBatch::fileReplacedOncePerOutermostBatch()
{
    QFETCH(QString, steps);
    QFETCH(QString, replaced);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("appProfile_Default.xml"));
    const PathBuf path(file);
    makeStore(path);

    QStringList written;
    for (int i = 0; i < steps.size(); ++i) {
        const ino_t before = inodeOf(file);
        const QByteArray before_bytes = readAll(file);
        switch (steps.at(i).toLatin1()) {
        case 'B':
            QVERIFY(CVardexXML_BeginBatch(path));
            break;
        case 'E':
            QVERIFY(CVardexXML_EndBatch(path));
            break;
        case 'X':
            QVERIFY(!CVardexXML_EndBatch(path));
            break;
        case 'W': {
            const QByteArray key = QByteArray::number(10 + i);
            QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(path, "1", key.constData(), "K", "6", "1", "1",
                                                              "new"));
            written << QString::fromLatin1(key);
            break;
        }
        }
        const bool wasReplaced = inodeOf(file) != before;
        QVERIFY2(wasReplaced == (replaced.at(i) == QLatin1Char('r')), qPrintable(QStringLiteral("step %1").arg(i)));
        if (!wasReplaced)
            QCOMPARE(readAll(file), before_bytes);
    }

    // Every write reached the file.
    reopenStores();
    for (const QString &key : written) {
        QByteArray value;
        QVERIFY(bindingValue(path, "1", key.toLatin1().constData(), value));
        QCOMPARE(value, QByteArray("new"));
    }
}

void tst_storeBatch::readsInsideBatchSeePendingWrites_data()
{
    QTest::addColumn<bool>("storeExists");
    QTest::newRow("new store") << false;
    QTest::newRow("existing store") << true;
}

void tst_storeBatch::readsInsideBatchSeePendingWrites()
{
    QFETCH(bool, storeExists);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("appProfile_FN.xml"));
    const PathBuf path(file);
    if (storeExists)
        makeStore(path);
    const QByteArray onDisk = readAll(file);

    QVERIFY(CVardexXML_BeginBatch(path));
    if (!storeExists)
        QVERIFY(CVardexXML_CreateXMLFile(path));
    QVERIFY(CVardexXML_CreateProFileXmlParentNode(path, "2", "Office", 0));
    QVERIFY(CVardexXML_ModifyXMLFileProfileIndex(path, 2));
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(path, "2", "4", "A", "6", "1", "1", "pending"));
    colorInfoData light = {0, 2, 3, 3, {255, 0, 0}, {0, 0, 0}, 0, 1, 0, 0};
    QVERIFY(CVardexXML_AddProFileLightInfoItem(path, "2", light));

    auto checkPending = [&] {
        std::vector<ProfileNodeEntry> profiles;
        QVERIFY(CVardexXML_SelectProFileAllNodes(path, profiles));
        QCOMPARE(int(profiles.size()), storeExists ? 2 : 1);
        QCOMPARE(CVardexXML_GetCreateXMLFileProfileIndex(path), 2);
        QByteArray value;
        QVERIFY(bindingValue(path, "2", "4", value));
        QCOMPARE(value, QByteArray("pending"));
        QVERIFY(CVardexXML_IsProFileAlreadyHaveLightInfo(path, "2", 0, 2));
    };
    checkPending();
    QCOMPARE(readAll(file), onDisk); // the file still holds the old store
    QCOMPARE(QFile::exists(file), storeExists);
    reopenStores(); // start-up does not drop an open batch
    checkPending();

    QVERIFY(CVardexXML_EndBatch(path));
    reopenStores();
    checkPending();
    QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size() == 1); // no temporary left
}

void tst_storeBatch::damagedStoreRules_data()
{
    QTest::addColumn<bool>("write");
    QTest::newRow("batch that writes") << true;
    QTest::newRow("batch that only reads") << false;
}

void tst_storeBatch::damagedStoreRules()
{
    QFETCH(bool, write);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("appProfile_Default.xml"));
    const PathBuf path(file);
    const QByteArray damaged("<vardexStore><profile index=\"1\" name=\"cut off");
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(damaged);
    }

    QVERIFY(CVardexXML_BeginBatch(path));
    std::vector<ProfileNodeEntry> profiles;
    QVERIFY(!CVardexXML_SelectProFileAllNodes(path, profiles));
    QCOMPARE(CVardexXML_GetCreateXMLFileProfileIndex(path), -1);
    if (write) {
        QVERIFY(CVardexXML_CreateProFileXmlParentNode(path, "1", "Profile1", 0));
        QVERIFY(CVardexXML_SelectProFileAllNodes(path, profiles));
        QCOMPARE(int(profiles.size()), 1);
    }
    // Nothing is kept aside or replaced before the batch ends.
    QCOMPARE(readAll(file), damaged);
    QVERIFY(QDir(dir.path()).entryList({"*.damaged-*"}, QDir::Files).isEmpty());
    QVERIFY(CVardexXML_EndBatch(path));

    const QStringList aside = QDir(dir.path()).entryList({"*.damaged-*"}, QDir::Files);
    if (write) {
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readAll(dir.filePath(aside.first())), damaged);
        reopenStores();
        profiles.clear();
        QVERIFY(CVardexXML_SelectProFileAllNodes(path, profiles));
        QCOMPARE(QByteArray(profiles.at(0).name), QByteArray("Profile1"));
    } else {
        QVERIFY(aside.isEmpty());
        QCOMPARE(readAll(file), damaged);
    }
}

void tst_storeBatch::failedEndKeepsOldStore()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("kb")));
    const QString file = dir.filePath(QStringLiteral("kb/appProfile_Default.xml"));
    const PathBuf path(file);
    makeStore(path);
    const QByteArray old = readAll(file);

    QVERIFY(CVardexXML_BeginBatch(path));
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(path, "1", "4", "A", "6", "1", "1", "lost"));
    // The folder vanishes while the batch is open: the file cannot be written.
    QVERIFY(QDir(dir.path()).rename(QStringLiteral("kb"), QStringLiteral("kb-away")));
    QVERIFY(!CVardexXML_EndBatch(path));
    QVERIFY(QDir(dir.path()).rename(QStringLiteral("kb-away"), QStringLiteral("kb")));

    // Reads go back to the file, which never changed.
    QCOMPARE(readAll(file), old);
    QByteArray value;
    QVERIFY(bindingValue(path, "1", "4", value));
    QCOMPARE(value, QByteArray("old"));
    QVERIFY(!CVardexXML_EndBatch(path)); // the batch is gone
}

void tst_storeBatch::refusedPaths_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<bool>("isNull");
    QTest::newRow("null") << QByteArray() << true;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("no terminator in 256 bytes") << QByteArray(256, 'a') << false;
}

void tst_storeBatch::refusedPaths()
{
    QFETCH(QByteArray, path);
    QFETCH(bool, isNull);
    std::vector<char> buf(path.begin(), path.end());
    if (buf.size() < 256)
        buf.push_back('\0');
    const char *arg = isNull ? nullptr : buf.data();
    QVERIFY(!CVardexXML_BeginBatch(arg));
    QVERIFY(!CVardexXML_EndBatch(arg));
}

void tst_storeBatch::threadsShareOneBatch()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("appProfile_Default.xml"));
    const PathBuf path(file);
    makeStore(path);

    constexpr int kThreads = 4;
    constexpr int kKeysEach = 40;
    std::vector<std::thread> threads;
    std::vector<int> failures(kThreads, 0);
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 2; ++round) {
                if (!CVardexXML_BeginBatch(path))
                    ++failures[size_t(t)];
                for (int k = 0; k < kKeysEach; ++k) {
                    const std::string key = std::to_string(100 + t * kKeysEach + k);
                    if (!CVardexXML_AddProFileMacroWithKeyInfoItem(path, "1", key.c_str(), "K", "6", "1", "1",
                                                                   std::to_string(round).c_str()))
                        ++failures[size_t(t)];
                }
                if (!CVardexXML_EndBatch(path))
                    ++failures[size_t(t)];
            }
        });
    }
    for (auto &th : threads)
        th.join();
    for (int f : failures)
        QCOMPARE(f, 0);

    reopenStores();
    std::list<std::string> keys;
    QVERIFY(CVardexXML_ProFileKeyInfoSelectAll(path, "1", keys));
    QCOMPARE(int(keys.size()), 1 + kThreads * kKeysEach);
    QByteArray value;
    QVERIFY(bindingValue(path, "1", "100", value));
    QCOMPARE(value, QByteArray("1"));
}

QTEST_GUILESS_MAIN(tst_storeBatch)
#include "tst_storeBatch.moc"
