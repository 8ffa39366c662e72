#include <QtTest>

#include <QDateTime>
#include <QElapsedTimer>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <csignal>
#include <pthread.h>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/crashDump.h"
#include "../testWait.h"

class tst_CrashDump : public QObject
{
    Q_OBJECT
private slots:
    void dumpName_data();
    void dumpName();
    void dumpNameMatchesCalendar();
    void crashWritesOneDump_data();
    void crashWritesOneDump();
    void crashStartsReporterWithoutForkLocks();
};

void tst_CrashDump::dumpName_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("name");
    QTest::newRow("epoch") << qint64(0) << 0 << "1970_01_01_00_00_00.dmp";
    QTest::newRow("utc") << qint64(1684851900) << 0 << "2023_05_23_14_25_00.dmp";
    QTest::newRow("east of utc") << qint64(1684851900) << 8 * 3600 << "2023_05_23_22_25_00.dmp";
    QTest::newRow("west across midnight") << qint64(1684800000) << -3600 << "2023_05_22_23_00_00.dmp";
    QTest::newRow("leap day") << qint64(1709251199) << 0 << "2024_02_29_23_59_59.dmp";
    QTest::newRow("new year east") << qint64(1704067199) << 1 << "2024_01_01_00_00_00.dmp";
}

void tst_CrashDump::dumpName()
{
    QFETCH(qint64, seconds);
    QFETCH(int, offset);
    QFETCH(QString, name);
    char out[32];
    const int length = crashDump::formatDumpName(seconds, offset, out);
    QCOMPARE(QString::fromLatin1(out, length), name);
}

void tst_CrashDump::dumpNameMatchesCalendar()
{
    QRandomGenerator random(42);
    for (int i = 0; i < 20000; ++i) {
        const qint64 seconds = qint64(random.generate64() % quint64(4102444800)); // up to 2100
        const int offset = (random.bounded(27) - 12) * 3600;
        char out[32];
        const int length = crashDump::formatDumpName(seconds, offset, out);
        const QString expected = QDateTime::fromSecsSinceEpoch(seconds, Qt::OffsetFromUTC, offset)
                                     .toString(QStringLiteral("yyyy_MM_dd_hh_mm_ss"))
            + QStringLiteral(".dmp");
        QCOMPARE(QString::fromLatin1(out, length), expected);
    }
}

void tst_CrashDump::crashWritesOneDump_data()
{
    QTest::addColumn<int>("sig");
    QTest::addColumn<bool>("realFault");
    QTest::addColumn<QString>("name");
    QTest::newRow("null pointer write") << int(SIGSEGV) << true << "SIGSEGV";
    QTest::newRow("abort") << int(SIGABRT) << true << "SIGABRT";
    QTest::newRow("sent SIGSEGV") << int(SIGSEGV) << false << "SIGSEGV";
    QTest::newRow("sent SIGBUS") << int(SIGBUS) << false << "SIGBUS";
    QTest::newRow("sent SIGFPE") << int(SIGFPE) << false << "SIGFPE";
    QTest::newRow("sent SIGILL") << int(SIGILL) << false << "SIGILL";
}

void tst_CrashDump::crashWritesOneDump()
{
    QFETCH(int, sig);
    QFETCH(bool, realFault);
    QFETCH(QString, name);

#ifdef VARDEX_SANITIZE_UNDEFINED
    if (realFault && sig == SIGSEGV)
        QSKIP("UBSan stops the null write itself before any signal is raised");
#endif
    QTemporaryDir dir;
    const QString dumpDir = dir.filePath(QStringLiteral("app/dump"));
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        crashDump::install(dumpDir, QString());
        if (realFault && sig == SIGSEGV)
            *static_cast<volatile int *>(nullptr) = 1;
        else if (realFault)
            std::abort();
        else
            ::kill(::getpid(), sig);
        ::_exit(0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status));
    QCOMPARE(WTERMSIG(status), sig);

    const QStringList dumps = QDir(dumpDir).entryList(QDir::Files);
    QCOMPARE(dumps.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}(_\\d\\d){5}\\.dmp$")).match(dumps.first()).hasMatch(),
             qPrintable(dumps.first()));
    QFile dump(dumpDir + QLatin1Char('/') + dumps.first());
    QVERIFY(dump.open(QIODevice::ReadOnly));
    const QString text = QString::fromLocal8Bit(dump.readAll());
    QVERIFY(text.contains(QStringLiteral("signal: %1 (%2)").arg(sig).arg(name)));
    QVERIFY(text.contains(QStringLiteral("backtrace:\n")));
    QVERIFY(text.contains(QStringLiteral("tst_crashdump")));
    QVERIFY(text.contains(QStringLiteral("memory map:\n")));
    QVERIFY(text.contains(QStringLiteral("[stack]")));
}

namespace {
void hangForever()
{
    for (;;)
        ::pause();
}
} // namespace

// The signal may interrupt a thread that holds a lock fork() takes (the
// allocator's, run through the fork handlers): the handler must not wait for
// it. A fork handler that never returns stands for such a lock.
void tst_CrashDump::crashStartsReporterWithoutForkLocks()
{
    QTemporaryDir dir;
    const QString dumpDir = dir.filePath(QStringLiteral("app/dump"));
    const QString marker = dir.filePath(QStringLiteral("reporter-ran"));
    // The "program" the handler starts as the reporter: a shell script
    // leaving a marker file.
    const QString reporter = dir.filePath(QStringLiteral("reporter.sh"));
    {
        QFile script(reporter);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QByteArray("#!/bin/sh\ntouch '") + QFile::encodeName(marker) + "'\n");
    }
    QVERIFY(QFile::setPermissions(reporter, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        crashDump::install(dumpDir, reporter);
        ::pthread_atfork(hangForever, nullptr, nullptr);
        ::kill(::getpid(), SIGSEGV);
        ::_exit(0);
    }
    int status = 0;
    QElapsedTimer clock;
    clock.start();
    pid_t done = 0;
    while ((done = ::waitpid(child, &status, WNOHANG)) == 0 && clock.elapsed() < testWait::kHangMs)
        QTest::qSleep(20);
    if (done == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        QFAIL("the crash handler hung");
    }
    QVERIFY(WIFSIGNALED(status));
    QCOMPARE(WTERMSIG(status), SIGSEGV);
    QCOMPARE(QDir(dumpDir).entryList(QDir::Files).size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), testWait::kHangMs);
}

QTEST_GUILESS_MAIN(tst_CrashDump)
#include "tst_crashdump.moc"
