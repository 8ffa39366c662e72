// The names that keep one running copy per user and settings folder.
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>

#include "platform/instanceScope.h"
#include "../testWait.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Sets an environment variable for one scope; `unset` removes it.
class EnvOverride
{
public:
    EnvOverride(const char *name, const QByteArray &value, bool unset = false)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        if (unset)
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~EnvOverride()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

int modeOf(const QString &path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 0777);
}

} // namespace

class tst_InstanceScope : public QObject
{
    Q_OBJECT
private slots:
    void scopeFollowsTheSettingsFolder_data();
    void scopeFollowsTheSettingsFolder();
    void runtimeFolder_data();
    void runtimeFolder();
    void serverPathFallsBackToSettingsFolder();
    void deepFoldersStillListen_data();
    void deepFoldersStillListen();
    void memoryKeyIsScoped();
};

void tst_InstanceScope::scopeFollowsTheSettingsFolder_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("same");
    QTest::newRow("other home") << "homeA/UserConfig/VardexConfig.ini" << "homeB/UserConfig/VardexConfig.ini" << false;
    QTest::newRow("other program folder") << "homeA/vk/UserConfig/VardexConfig.ini"
                                          << "homeA/vk2/UserConfig/VardexConfig.ini" << false;
    QTest::newRow("dot-dot spelling") << "homeA/UserConfig/VardexConfig.ini"
                                      << "homeA/x/../UserConfig/VardexConfig.ini" << true;
    QTest::newRow("through a link") << "homeA/UserConfig/VardexConfig.ini" << "linkA/UserConfig/VardexConfig.ini"
                                    << true;
    QTest::newRow("folder not made yet, through a link") << "homeA/new/UserConfig/VardexConfig.ini"
                                                         << "linkA/new/UserConfig/VardexConfig.ini" << true;
}

void tst_InstanceScope::scopeFollowsTheSettingsFolder()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, same);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("homeA/UserConfig"));
    QVERIFY(QDir(dir.path()).mkpath("homeA/x"));
    QVERIFY(QDir(dir.path()).mkpath("homeB/UserConfig"));
    QVERIFY(QFile::link(dir.path() + "/homeA", dir.path() + "/linkA"));
    const QString a = instanceScope::scopeId(dir.path() + '/' + first);
    const QString b = instanceScope::scopeId(dir.path() + '/' + second);
    QCOMPARE(a.size(), 16);
    QCOMPARE(a == b, same);
}

void tst_InstanceScope::runtimeFolder_data()
{
    QTest::addColumn<QString>("xdg"); // "-" unset; relative names live in the scratch folder
    QTest::addColumn<int>("xdgMode");
    QTest::addColumn<bool>("xdgUsed");
    QTest::newRow("private runtime folder") << "run" << 0700 << true;
    QTest::newRow("open runtime folder of ours is tightened") << "run" << 0755 << true;
    QTest::newRow("unset") << "-" << 0 << false;
    QTest::newRow("empty") << "" << 0 << false;
    QTest::newRow("missing") << "gone" << 0 << false;
    QTest::newRow("a link to a folder") << "runlink" << 0700 << false;
    QTest::newRow("relative") << "rel" << 0700 << false;
}

void tst_InstanceScope::runtimeFolder()
{
    QFETCH(QString, xdg);
    QFETCH(int, xdgMode);
    QFETCH(bool, xdgUsed);
    QTemporaryDir dir;
    QTemporaryDir tmp;
    const QString run = dir.path() + "/run";
    QVERIFY(QDir().mkpath(run));
    QVERIFY(::chmod(QFile::encodeName(run).constData(), mode_t(xdgMode ? xdgMode : 0700)) == 0);
    QVERIFY(QFile::link(run, dir.path() + "/runlink"));
    QString value = xdg;
    if (xdg == "rel")
        value = "run";
    else if (!xdg.isEmpty() && xdg != "-")
        value = dir.path() + '/' + xdg;

    EnvOverride tmpdir("TMPDIR", QFile::encodeName(tmp.path()));
    EnvOverride runtime("XDG_RUNTIME_DIR", QFile::encodeName(value), xdg == "-");
    const QString got = instanceScope::runtimeDir();
    if (xdgUsed) {
        QCOMPARE(got, run);
        QCOMPARE(modeOf(run), 0700);
    } else {
        // Our own folder under the temporary folder, made private.
        QCOMPARE(got, tmp.path() + "/vardex-keyboard-" + QString::number(::geteuid()));
        QCOMPARE(modeOf(got), 0700);
    }
    QVERIFY(instanceScope::isPrivateDir(got));
}

void tst_InstanceScope::serverPathFallsBackToSettingsFolder()
{
    QTemporaryDir dir;
    QTemporaryDir tmp;
    const QString settings = dir.path() + "/UserConfig/VardexConfig.ini";
    const QString own = tmp.path() + "/vardex-keyboard-" + QString::number(::geteuid());
    EnvOverride tmpdir("TMPDIR", QFile::encodeName(tmp.path()));
    EnvOverride runtime("XDG_RUNTIME_DIR", QByteArray(), true);
    const QString name = "/vardex-keyboard-" + instanceScope::scopeId(settings) + ".sock";

    QCOMPARE(instanceScope::serverPath(settings, dir.path() + "/UserConfig"), own + name);

    // Someone opened our folder to others (or planted a link in its place):
    // it is not used, and the settings folder takes the socket.
    QVERIFY(::chmod(QFile::encodeName(own).constData(), 0777) == 0);
    QVERIFY(instanceScope::runtimeDir().isEmpty());
    QCOMPARE(instanceScope::serverPath(settings, dir.path() + "/UserConfig"), dir.path() + "/UserConfig" + name);
    QVERIFY(QDir(own).removeRecursively());
    QVERIFY(QFile::link(dir.path(), own));
    QVERIFY(instanceScope::runtimeDir().isEmpty());
}

void tst_InstanceScope::deepFoldersStillListen_data()
{
    QTest::addColumn<int>("runtimeDepth");  // characters added to XDG_RUNTIME_DIR; -1 unset
    QTest::addColumn<int>("settingsDepth"); // characters added to the settings folder
    QTest::addColumn<bool>("inRuntime");    // the socket stays in XDG_RUNTIME_DIR
    QTest::newRow("short runtime folder") << 0 << 0 << true;
    QTest::newRow("runtime folder one byte too deep") << 1 << 0 << false;
    QTest::newRow("deep runtime folder") << 120 << 0 << false;
    QTest::newRow("no runtime folder, deep temporary and settings folders") << -1 << 120 << false;
}

// A socket path longer than the address holds cannot be listened on; the
// name must fit wherever the folders are, and stay private and scoped.
void tst_InstanceScope::deepFoldersStillListen()
{
    QFETCH(int, runtimeDepth);
    QFETCH(int, settingsDepth);
    QFETCH(bool, inRuntime);
    QTemporaryDir dir(QStringLiteral("/tmp/vxs-XXXXXX"));
    QVERIFY(dir.isValid());
    const QString settingsDir = dir.path() + "/s" + QString(settingsDepth, QChar('s'));
    const QString settings = settingsDir + "/UserConfig/VardexConfig.ini";
    const QString name = "/vardex-keyboard-" + instanceScope::scopeId(settings) + ".sock";
    // A runtime folder whose socket path is exactly the longest that fits,
    // plus `runtimeDepth` characters.
    const int room = 107 - int(QFile::encodeName(dir.path() + "/").size() + QFile::encodeName(name).size());
    const QString run = dir.path() + '/' + QString(room + qMax(runtimeDepth, 0), QChar('r'));
    QVERIFY(QDir().mkpath(run));
    QVERIFY(::chmod(QFile::encodeName(run).constData(), 0700) == 0);
    // Unset runtime folder: the temporary folder is too deep as well.
    const QString deepTmp = dir.path() + '/' + QString(120, QChar('t'));
    QVERIFY(QDir().mkpath(deepTmp));
    EnvOverride tmpdir("TMPDIR", QFile::encodeName(runtimeDepth < 0 ? deepTmp : dir.path()));
    EnvOverride runtime("XDG_RUNTIME_DIR", QFile::encodeName(run), runtimeDepth < 0);

    const QString path = instanceScope::serverPath(settings, settingsDir + "/UserConfig");
    QVERIFY2(QFile::encodeName(path).size() <= 107, qPrintable(path));
    QVERIFY(path.endsWith(name));
    QCOMPARE(QFileInfo(path).absolutePath() == run, inRuntime);
    QVERIFY(instanceScope::isPrivateDir(QFileInfo(path).absolutePath()));
    QLocalServer server;
    QVERIFY2(server.listen(path), qPrintable(server.errorString()));
    QLocalSocket client;
    client.connectToServer(path);
    QVERIFY(client.waitForConnected(testWait::kHangMs));
}

void tst_InstanceScope::memoryKeyIsScoped()
{
    const QString a = instanceScope::memoryKey("RimoKeyboard_1.2.0.1", "/home/a/UserConfig/VardexConfig.ini");
    const QString b = instanceScope::memoryKey("RimoKeyboard_1.2.0.1", "/home/b/UserConfig/VardexConfig.ini");
    QVERIFY(a.startsWith("RimoKeyboard_1.2.0.1-"));
    QVERIFY(a != b);
}

QTEST_GUILESS_MAIN(tst_InstanceScope)
#include "tst_instancescope.moc"
