#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/autostart.h"
#include "platform/simulateOption.h"

class TstAutostart : public QObject
{
    Q_OBJECT
private slots:
    void entryPathHonoursXdgConfigHome();
    void writeThenRemove();
    void execLineQuoting_data();
    void execLineQuoting();
    void writtenExecLine_data();
    void writtenExecLine();
    void simulateOption_data();
    void simulateOption();
};

void TstAutostart::entryPathHonoursXdgConfigHome()
{
    QTemporaryDir dir;
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    QCOMPARE(autostart::entryPath(), dir.path() + "/autostart/vardex-keyboard.desktop");
    qputenv("XDG_CONFIG_HOME", old);
}

void TstAutostart::writeThenRemove()
{
    QTemporaryDir dir;
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path() + "/fresh/config"));

    QVERIFY(!autostart::entryExists());
    QVERIFY(autostart::writeEntry("/opt/vardex keyboard/vardex-keyboard"));
    QFile f(autostart::entryPath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    f.close();
    QVERIFY(text.startsWith("[Desktop Entry]\n"));
    QVERIFY(text.contains("\nType=Application\n"));
    QVERIFY(text.contains("\nExec=\"/opt/vardex keyboard/vardex-keyboard\" --AutoUp\n"));

    // Rewriting replaces rather than appends.
    QVERIFY(autostart::writeEntry("/usr/bin/vardex-keyboard"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray again = f.readAll();
    f.close();
    QCOMPARE(again.count("Exec="), 1);
    QVERIFY(again.contains("Exec=\"/usr/bin/vardex-keyboard\" --AutoUp\n"));

    QVERIFY(autostart::removeEntry());
    QVERIFY(!autostart::entryExists());
    QVERIFY(autostart::removeEntry()); // nothing left to remove is not a failure
    qputenv("XDG_CONFIG_HOME", old);
}

void TstAutostart::execLineQuoting_data()
{
    QTest::addColumn<QString>("exe");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << "/usr/bin/vardex-keyboard" << "\"/usr/bin/vardex-keyboard\" --AutoUp";
    QTest::newRow("space") << "/home/a b/vk" << "\"/home/a b/vk\" --AutoUp";
    QTest::newRow("dollar and quote") << "/x/$HOME\"y" << "\"/x/\\$HOME\\\"y\" --AutoUp";
    QTest::newRow("percent") << "/x/100%/vk" << "\"/x/100%%/vk\" --AutoUp";
}

void TstAutostart::execLineQuoting()
{
    QFETCH(QString, exe);
    QFETCH(QString, exec);
    QCOMPARE(autostart::execLine(exe), exec);
}

// The line as it stands in the file: the Exec quoting first, then the key
// file's own escaping doubles every backslash. A reader that undoes only one
// of the two would start another program than ours.
void TstAutostart::writtenExecLine_data()
{
    QTest::addColumn<QString>("exe");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("dollar") << "/x/$HOME/vk" << QByteArray(R"(Exec="/x/\\$HOME/vk" --AutoUp)");
    QTest::newRow("double quote") << "/x/a\"b/vk" << QByteArray(R"(Exec="/x/a\\"b/vk" --AutoUp)");
    QTest::newRow("backslash") << "/x/back\\slash/vk" << QByteArray(R"(Exec="/x/back\\\\slash/vk" --AutoUp)");
    QTest::newRow("backquote") << "/x/a`b/vk" << QByteArray(R"(Exec="/x/a\\`b/vk" --AutoUp)");
    QTest::newRow("percent") << "/x/100%/vk" << QByteArray(R"(Exec="/x/100%%/vk" --AutoUp)");
    QTest::newRow("all together") << "/o/$\"\\%/vk" << QByteArray(R"(Exec="/o/\\$\\"\\\\%%/vk" --AutoUp)");
}

void TstAutostart::writtenExecLine()
{
    QFETCH(QString, exe);
    QFETCH(QByteArray, line);
    QTemporaryDir dir;
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    QVERIFY(autostart::writeEntry(exe));
    QFile f(autostart::entryPath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    qputenv("XDG_CONFIG_HOME", old);
    QByteArray written;
    for (const QByteArray &l : lines)
        if (l.startsWith("Exec="))
            written = l;
    QCOMPARE(written, line);
}

void TstAutostart::simulateOption_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("none") << QStringList{"vk", "--AutoUp"} << QByteArray() << false << QByteArray();
    QTest::newRow("default") << QStringList{"vk", "--simulate"} << QByteArray() << true << QByteArray("1");
    QTest::newRow("keeps scenario from env") << QStringList{"vk", "--simulate"} << QByteArray("/s.json") << true
                                             << QByteArray("/s.json");
    QTest::newRow("file") << QStringList{"vk", "--simulate=/tmp/sc.json"} << QByteArray() << true
                          << QByteArray("/tmp/sc.json");
    QTest::newRow("program name ignored") << QStringList{"--simulate"} << QByteArray() << false << QByteArray();
}

void TstAutostart::simulateOption()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, before);
    QFETCH(bool, present);
    QFETCH(QByteArray, after);
    if (before.isEmpty())
        qunsetenv("VARDEX_SIM");
    else
        qputenv("VARDEX_SIM", before);
    QCOMPARE(applySimulateOption(args), present);
    QCOMPARE(qgetenv("VARDEX_SIM"), after);
    qunsetenv("VARDEX_SIM");
}

QTEST_GUILESS_MAIN(TstAutostart)
#include "tst_autostart.moc"
