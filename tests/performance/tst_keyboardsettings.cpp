// The desktop keyboard settings opened from the performance page.
#include "platform/keyboardSettings.h"
#include "../testWait.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class tst_KeyboardSettings : public QObject
{
    Q_OBJECT
private slots:
    void firstInstalledWins_data();
    void firstInstalledWins();
    void launchesDetached();
    void noneInstalled();
};

void tst_KeyboardSettings::firstInstalledWins_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("expected"); // empty: none found
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("GNOME") << QStringList{"gnome-control-center"} << "/usr/bin/gnome-control-center"
                           << QStringList{"keyboard"};
    QTest::newRow("KDE Plasma 5") << QStringList{"systemsettings5"} << "/usr/bin/systemsettings5"
                                  << QStringList{"kcm_keyboard"};
    QTest::newRow("Xfce") << QStringList{"xfce4-keyboard-settings"} << "/usr/bin/xfce4-keyboard-settings"
                          << QStringList{};
    QTest::newRow("GNOME before Xfce") << QStringList{"xfce4-keyboard-settings", "gnome-control-center"}
                                       << "/usr/bin/gnome-control-center" << QStringList{"keyboard"};
    QTest::newRow("LXQt") << QStringList{"lxqt-config-input"} << "/usr/bin/lxqt-config-input" << QStringList{};
    QTest::newRow("unrelated program") << QStringList{"gedit"} << "" << QStringList{};
}

void tst_KeyboardSettings::firstInstalledWins()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, expected);
    QFETCH(QStringList, arguments);
    const auto finder = [&](const QString &program) {
        return installed.contains(program) ? QStringLiteral("/usr/bin/") + program : QString();
    };
    keyboardSettings::Program found;
    QCOMPARE(keyboardSettings::firstInstalled(&found, finder), !expected.isEmpty());
    if (!expected.isEmpty()) {
        QCOMPARE(found.program, expected);
        QCOMPARE(found.arguments, arguments);
    }
}

// The program starts and keeps running on its own; the call returns at once.
void tst_KeyboardSettings::launchesDetached()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString marker = dir.filePath(QStringLiteral("started"));
    const QString script = dir.filePath(QStringLiteral("xfce4-keyboard-settings"));
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("#!/bin/sh\necho \"$@\" > '%1'\nsleep 5\n").arg(marker).toUtf8());
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));

    const auto finder = [&](const QString &program) {
        return program == QLatin1String("xfce4-keyboard-settings") ? script : QString();
    };
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(keyboardSettings::launchFirstInstalled(finder), keyboardSettings::LaunchResult::Started);
    QVERIFY(clock.elapsed() < 3000);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), testWait::kHangMs);
}

void tst_KeyboardSettings::noneInstalled()
{
    const auto none = [](const QString &) { return QString(); };
    QCOMPARE(keyboardSettings::launchFirstInstalled(none), keyboardSettings::LaunchResult::NoneInstalled);
    const auto broken = [](const QString &) { return QStringLiteral("/nonexistent/gnome-control-center"); };
    QCOMPARE(keyboardSettings::launchFirstInstalled(broken), keyboardSettings::LaunchResult::StartFailed);
}

QTEST_MAIN(tst_KeyboardSettings)
#include "tst_keyboardsettings.moc"
