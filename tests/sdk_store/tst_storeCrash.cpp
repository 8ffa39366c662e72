// A writer killed at random moments never leaves a truncated or half-written
// profile store behind, nor half a batch of writes, nor loses a write it
// reported done, nor leaves its temporary files piling up.
#include "storeTestUtil.h"
#include "../testWait.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kKeys = 132;
constexpr int kProfiles = 3;
constexpr long kSetUp = -1; // the generation of the bindings' first value, "4"

// What the writer has done, in memory shared with the test: the generation
// of the last acknowledged write of each binding and the write in flight.
struct Progress
{
    std::atomic<long> next{0};
    std::atomic<long> inFlight{-2};
    std::atomic<int> inFlightProfile{0};
    std::atomic<int> inFlightKey{0}; // 0: every key of the profile (a batch)
    std::atomic<long> acked[kProfiles][kKeys];
};

Progress *sharedProgress()
{
    void *memory = mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return nullptr;
    auto *progress = new (memory) Progress;
    for (auto &profile : progress->acked)
        for (auto &key : profile)
            key = kSetUp;
    return progress;
}

std::string valueOf(long generation)
{
    return "generation " + std::to_string(generation) + std::string(size_t(generation % 200), '#');
}

// The generation a stored value carries; -2 when it is none of ours.
long generationOf(const QByteArray &value)
{
    if (value == "4")
        return kSetUp;
    const QList<QByteArray> parts = value.split(' ');
    bool ok = false;
    const long generation = parts.size() == 2 && parts[0] == "generation" ? parts[1].split('#')[0].toLong(&ok) : 0;
    return ok && value.toStdString() == valueOf(generation) ? generation : -2;
}

// Never returns: rewrites bindings (one call each, so every binding is
// always present) and creates/deletes a fourth profile.
[[noreturn]] void writerLoop(const QString &store, Progress *progress)
{
    const PathBuf path(store);
    for (;;) {
        const long i = progress->next;
        const int p = int(i % kProfiles) + 1;
        const int k = int(i % kKeys) + 1;
        progress->inFlightProfile = p;
        progress->inFlightKey = k;
        progress->inFlight = i;
        if (CVardexXML_AddProFileMacroWithKeyInfoItem(path, std::to_string(p).c_str(), std::to_string(k).c_str(),
                                                      "K", "6", "1", "1", valueOf(i).c_str()))
            progress->acked[p - 1][k - 1] = i;
        progress->inFlight = -2;
        progress->next = i + 1;
        if (i % 4 == 0) {
            CVardexXML_CreateProFileXmlParentNode(path, "4", "Profile4", 0);
            colorInfoData d = {0, 2, 3, 3, {255, 0, 0}, {0, 0, 0}, 0, 1, 0, 0};
            CVardexXML_AddProFileLightInfoItem(path, "4", d);
            CVardexXML_DeleteProFileSelectedNode(path, "4");
        }
    }
}

// Never returns: rewrites every binding of one profile in a batch, so all
// bindings of a profile always carry the same generation.
[[noreturn]] void batchedWriterLoop(const QString &store, Progress *progress)
{
    const PathBuf path(store);
    for (;;) {
        const long i = progress->next;
        const int p = int(i % kProfiles) + 1;
        const std::string profile = std::to_string(p);
        const std::string value = valueOf(i);
        progress->inFlightProfile = p;
        progress->inFlightKey = 0;
        progress->inFlight = i;
        CVardexXML_BeginBatch(path);
        for (int k = 1; k <= kKeys; ++k)
            CVardexXML_AddProFileMacroWithKeyInfoItem(path, profile.c_str(), std::to_string(k).c_str(), "K", "6",
                                                      "1", "1", value.c_str());
        CVardexXML_CreateProFileXmlParentNode(path, "4", "Profile4", 0);
        if (i % 2 == 0)
            CVardexXML_DeleteProFileSelectedNode(path, "4");
        if (CVardexXML_EndBatch(path))
            for (auto &key : progress->acked[p - 1])
                key = i;
        progress->inFlight = -2;
        progress->next = i + 1;
    }
}

// The stored value of a binding is the last one the writer saw acknowledged,
// or the one it was writing when it was killed.
bool expectedGeneration(const Progress &progress, int profile, int key, long stored)
{
    if (stored == progress.acked[profile - 1][key - 1])
        return true;
    return stored == progress.inFlight && profile == progress.inFlightProfile &&
           (progress.inFlightKey == 0 || progress.inFlightKey == key);
}

} // namespace

class tst_storeCrash : public QObject
{
    Q_OBJECT

private slots:
    void killedWriterLeavesAWholeStore_data()
    {
        QTest::addColumn<bool>("batched");
        QTest::newRow("call by call") << false;
        QTest::newRow("batched") << true;
    }

    void killedWriterLeavesAWholeStore()
    {
        QFETCH(bool, batched);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString store = dir.filePath(QStringLiteral("appProfile_Default.xml"));
        const PathBuf path(store);
        QVERIFY(CVardexXML_CreateXMLFile(path));
        for (int p = 1; p <= kProfiles; ++p) {
            const std::string index = std::to_string(p);
            QVERIFY(CVardexXML_CreateProFileXmlParentNode(path, index.c_str(), ("Profile" + index).c_str(), 0));
            QVERIFY(CVardexXML_SetProFileIntoSleepTimeInfo(path, index.c_str(), 600, 30));
            for (int k = 1; k <= kKeys; ++k)
                QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(path, index.c_str(), std::to_string(k).c_str(),
                                                                  "K", "0", "1", "1", "4"));
        }
        QVERIFY(CVardexXML_ModifyXMLFileProfileIndex(path, 1));
        Progress *progress = sharedProgress();
        QVERIFY(progress);
        const auto tempFiles = [&] {
            return QDir(dir.path()).entryList({".appProfile_Default.xml.tmp-*"}, QDir::Files | QDir::Hidden);
        };

        const int rounds = 40;
        for (int round = 0; round < rounds; ++round) {
            const long before = progress->next;
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                if (batched)
                    batchedWriterLoop(store, progress);
                writerLoop(store, progress);
            }
            // The kill falls among the writes, not before the first one: a
            // loaded machine may take longer than any fixed delay to start
            // the writer and let it finish a write.
            QElapsedTimer started;
            started.start();
            while (progress->next == before && started.elapsed() < testWait::kHangMs)
                usleep(1000);
            const bool wrote = progress->next > before;
            if (wrote)
                usleep(useconds_t(QRandomGenerator::global()->bounded(1000, 60000)));
            QCOMPARE(kill(child, SIGKILL), 0);
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY2(wrote, "the writer finished no write");
            QVERIFY(WIFSIGNALED(status));

            CVardexXML_Init(); // read the file as the next start of the tool would
            std::vector<ProfileNodeEntry> profiles;
            QVERIFY2(CVardexXML_SelectProFileAllNodes(path, profiles), qPrintable(QString::number(round)));
            QVERIFY(profiles.size() == kProfiles || profiles.size() == kProfiles + 1);
            QCOMPARE(CVardexXML_GetCreateXMLFileProfileIndex(path), 1);
            for (int p = 1; p <= kProfiles; ++p) {
                const std::string index = std::to_string(p);
                QCOMPARE(QByteArray(profiles[size_t(p - 1)].index), QByteArray(index.c_str()));
                std::list<std::string> keys;
                QVERIFY(CVardexXML_ProFileKeyInfoSelectAll(path, index.c_str(), keys));
                QCOMPARE(int(keys.size()), kKeys);
                for (int k = 1; k <= kKeys; ++k) {
                    KeyOperateInfo info;
                    std::memset(&info, 0, sizeof info);
                    QVERIFY(CVardexXML_SelectProFileKeyOperateInfo(path, index.c_str(), std::to_string(k).c_str(),
                                                                   &info));
                    const long stored = generationOf(QByteArray(info.value));
                    QVERIFY2(expectedGeneration(*progress, p, k, stored),
                             qPrintable(QStringLiteral("round %1, profile %2, key %3: stored %4, acknowledged %5, "
                                                       "in flight %6")
                                            .arg(round).arg(p).arg(k).arg(stored)
                                            .arg(progress->acked[p - 1][k - 1].load())
                                            .arg(progress->inFlight.load())));
                }
                ProfileSleepTimeInfo sleep = {0, 0};
                QVERIFY(CVardexXML_GetProFileIntoSleepTimeInfo(path, index.c_str(), &sleep));
                QCOMPARE(sleep.lightSleepSeconds, 600);
            }
            QVERIFY(QDir(dir.path()).entryList({"*.damaged-*"}, QDir::Files).isEmpty());
            // At most the temporary file of the writer just killed: the next
            // writer removes it.
            QVERIFY2(tempFiles().size() <= 1, qPrintable(tempFiles().join(' ')));
        }
        QVERIFY(CVardexXML_SetProFileIntoSleepTimeInfo(path, "1", 600, 30));
        QCOMPARE(tempFiles(), QStringList());
        munmap(progress, sizeof(Progress));
    }
};

QTEST_GUILESS_MAIN(tst_storeCrash)
#include "tst_storeCrash.moc"
