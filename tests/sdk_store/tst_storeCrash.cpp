// A writer killed at random moments never leaves a truncated or half-written
// profile store behind, nor half a batch of writes.
#include "storeTestUtil.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kKeys = 132;
constexpr int kProfiles = 3;

// Never returns: rewrites bindings (one call each, so every binding is
// always present) and creates/deletes a fourth profile.
[[noreturn]] void writerLoop(const QString &store)
{
    const PathBuf path(store);
    for (long i = 0;; ++i) {
        const std::string profile = std::to_string(i % kProfiles + 1);
        const std::string key = std::to_string(i % kKeys + 1);
        const std::string value = "generation " + std::to_string(i) + std::string(size_t(i % 200), '#');
        CVardexXML_AddProFileMacroWithKeyInfoItem(path, profile.c_str(), key.c_str(), "K", "6", "1", "1",
                                                  value.c_str());
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
[[noreturn]] void batchedWriterLoop(const QString &store)
{
    const PathBuf path(store);
    for (long i = 0;; ++i) {
        const std::string profile = std::to_string(i % kProfiles + 1);
        const std::string value = "generation " + std::to_string(i) + std::string(size_t(i % 200), '#');
        CVardexXML_BeginBatch(path);
        for (int k = 1; k <= kKeys; ++k)
            CVardexXML_AddProFileMacroWithKeyInfoItem(path, profile.c_str(), std::to_string(k).c_str(), "K", "6",
                                                      "1", "1", value.c_str());
        CVardexXML_CreateProFileXmlParentNode(path, "4", "Profile4", 0);
        if (i % 2 == 0)
            CVardexXML_DeleteProFileSelectedNode(path, "4");
        CVardexXML_EndBatch(path);
    }
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

        const int rounds = 40;
        for (int round = 0; round < rounds; ++round) {
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                if (batched)
                    batchedWriterLoop(store);
                writerLoop(store);
            }
            usleep(useconds_t(QRandomGenerator::global()->bounded(1000, 60000)));
            QCOMPARE(kill(child, SIGKILL), 0);
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
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
                if (batched) {
                    QByteArray first;
                    for (int k = 1; k <= kKeys; ++k) {
                        KeyOperateInfo info;
                        std::memset(&info, 0, sizeof info);
                        QVERIFY(CVardexXML_SelectProFileKeyOperateInfo(path, index.c_str(),
                                                                       std::to_string(k).c_str(), &info));
                        if (k == 1)
                            first = info.value;
                        QCOMPARE(QByteArray(info.value), first);
                    }
                }
                ProfileSleepTimeInfo sleep = {0, 0};
                QVERIFY(CVardexXML_GetProFileIntoSleepTimeInfo(path, index.c_str(), &sleep));
                QCOMPARE(sleep.lightSleepSeconds, 600);
            }
            QVERIFY(QDir(dir.path()).entryList({"*.damaged-*"}, QDir::Files).isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(tst_storeCrash)
#include "tst_storeCrash.moc"
