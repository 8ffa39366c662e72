// How a store file is replaced: the order of the system calls that makes a
// save survive a power cut, and the clean-up of temporary files that killed
// writers left behind (never a running writer's).
#include "storeTestUtil.h"

#include <QTemporaryDir>
#include <QtTest>

#include <dlfcn.h>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The library's system calls, as this executable sees them: the test
// defines fsync and rename itself, so the shared library's calls land here.
bool g_recording = false;
QStringList g_calls;

QString fdPath(int fd)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[4096];
    const ssize_t n = ::readlink(link, target, sizeof target - 1);
    return n > 0 ? QString::fromLocal8Bit(target, int(n)) : QStringLiteral("?");
}

// A child process that waits until it is killed; killed and reaped at the
// latest when the guard goes, so a failed check leaves no process behind.
struct WaitingChild
{
    pid_t pid = fork();
    WaitingChild()
    {
        if (pid == 0) {
            pause();
            _exit(0);
        }
    }
    ~WaitingChild() { end(); }
    void end()
    {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            pid = -1;
        }
    }
};

} // namespace

extern "C" int fsync(int fd)
{
    using Fn = int (*)(int);
    static const Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "fsync"));
    if (g_recording)
        g_calls << QStringLiteral("fsync ") + fdPath(fd);
    return real(fd);
}

extern "C" int rename(const char *from, const char *to) noexcept
{
    using Fn = int (*)(const char *, const char *);
    static const Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "rename"));
    if (g_recording)
        g_calls << QStringLiteral("rename %1 %2").arg(QString::fromLocal8Bit(from), QString::fromLocal8Bit(to));
    return real(from, to);
}

class tst_storeWrite : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_store;

    QStringList tempFiles() const
    {
        return QDir(m_dir.path()).entryList({".appProfile_Default.xml.tmp-*"}, QDir::Files | QDir::Hidden);
    }

    QString touchTemp(const QString &suffix) const
    {
        const QString path = m_dir.filePath(".appProfile_Default.xml.tmp-" + suffix);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("<?xml version=\"1.0\"?><vardexStore version=\"1\"/>");
        return path;
    }

    bool write(const char *name)
    {
        return CVardexXML_ModifyProfileNodeInfo(PathBuf(m_store), "1", name);
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        for (const QString &name : QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(m_dir.filePath(name));
        m_store = m_dir.filePath(QStringLiteral("appProfile_Default.xml"));
        CVardexXML_Init();
        QVERIFY(CVardexXML_CreateXMLFile(PathBuf(m_store)));
        QVERIFY(CVardexXML_CreateProFileXmlParentNode(PathBuf(m_store), "1", "Profile1", 0));
    }

    // A power cut right after a save must find the old or the new store, never
    // an empty one: the data reaches the disk before the rename, and the
    // rename before the call reports success.
    void dataIsOnDiskBeforeTheRename()
    {
        g_calls.clear();
        g_recording = true;
        const bool ok = write("Saved");
        g_recording = false;
        QVERIFY(ok);
        const QString canonicalStore = QFileInfo(m_store).canonicalFilePath();
        int renameAt = -1;
        QString temp;
        for (int i = 0; i < g_calls.size(); ++i) {
            const QStringList parts = g_calls.at(i).split(' ');
            if (parts.size() == 3 && parts.at(0) == "rename" && QFileInfo(parts.at(2)).canonicalFilePath() == canonicalStore) {
                renameAt = i;
                temp = parts.at(1);
            }
        }
        QVERIFY2(renameAt >= 0, qPrintable(g_calls.join('\n')));
        const QString tempName = QFileInfo(temp).fileName();
        const QString canonicalTemp = QFileInfo(QFileInfo(temp).absolutePath()).canonicalFilePath() + '/' + tempName;
        QVERIFY(tempName.startsWith(".appProfile_Default.xml.tmp-"));
        const int dataSynced = g_calls.indexOf("fsync " + canonicalTemp);
        QVERIFY2(dataSynced >= 0 && dataSynced < renameAt, qPrintable(g_calls.join('\n')));
        const int folderSynced = g_calls.lastIndexOf("fsync " + QFileInfo(canonicalStore).absolutePath());
        QVERIFY2(folderSynced > renameAt, qPrintable(g_calls.join('\n')));
    }

    // Temporary files of writers that are gone go on the next write; a
    // running writer's stays, even while another process writes.
    void staleTempFilesAreRemovedLiveOnesKept()
    {
        WaitingChild goneWriter;
        const pid_t gone = goneWriter.pid;
        QVERIFY(gone > 0);
        goneWriter.end();
        WaitingChild runningWriter;
        const pid_t running = runningWriter.pid;
        QVERIFY(running > 0);

        const QString stale = touchTemp(QString::number(gone) + "-a1b2c3");
        const QString live = touchTemp(QString::number(running) + "-d4e5f6");
        const QString otherStore = m_dir.filePath(".appMacro.xml.tmp-" + QString::number(gone) + "-a1b2c3");
        QFile(stale).copy(otherStore);
        QVERIFY(write("Second"));
        QVERIFY(!QFile::exists(stale));
        QVERIFY(QFile::exists(live));
        QVERIFY(QFile::exists(otherStore)); // another store's files are its own writes' business

        runningWriter.end();
        QVERIFY(write("Third"));
        QCOMPARE(tempFiles(), QStringList());
    }

    // Names written before they carried the writer: only an old one is
    // surely abandoned.
    void unmarkedTempFilesGoOnlyWhenOld()
    {
        const QString fresh = touchTemp("Ab12Cd");
        const QString old = touchTemp("Xy34Zw");
        QFile f(old);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        f.close();
        QVERIFY(write("Second"));
        QCOMPARE(tempFiles(), QStringList({QFileInfo(fresh).fileName()}));
    }
};

QTEST_GUILESS_MAIN(tst_storeWrite)
#include "tst_storeWrite.moc"
