#include <QtTest>

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSettings>

#include "app/DAppllication.h"
#include "app/QtLinguist.h"
#include "data/DDataManager.h"
#include "ui/mainwidget/DMainWidget.h"
#include "../testWait.h"

// The application object of a first copy, built the way the program builds
// it (see main below): language calls from the settings dialog, and later
// copies knocking on the local server.
class tst_Application : public QObject
{
    Q_OBJECT
private slots:
    void firstCopyIsUp();
    void serverListensInPrivateRuntimeFolder();
    void loadLanguage_data();
    void loadLanguage();
    void laterCopyBringsWindowForward_data();
    void laterCopyBringsWindowForward();
    void autoStartLaunchHidesOnlyWithTray_data();
    void autoStartLaunchHidesOnlyWithTray();
};

static DAppllication *app()
{
    return static_cast<DAppllication *>(QCoreApplication::instance());
}

void tst_Application::firstCopyIsUp()
{
    QVERIFY(!app()->isRunning());
    QVERIFY(!app()->mustExit());
    QVERIFY(app()->mainWidget());
    QVERIFY(app()->mainWidget()->isVisible());
    QCOMPARE(app()->activationWindow(), static_cast<QWidget *>(app()->mainWidget()));
    // LANG=en_US.UTF-8 and an empty home: the system language is stored.
    QSettings settings(DDataManager::instance()->userConfigDir() + "/VardexConfig.ini", QSettings::IniFormat);
    QCOMPARE(settings.value("Language/selectLanguageIndex").toInt(), 3);
}

void tst_Application::serverListensInPrivateRuntimeFolder()
{
    // The test's XDG_RUNTIME_DIR: the socket sits there, under a name of this
    // settings folder, never under the bare program name in the shared /tmp.
    const QString runtime = QDir::cleanPath(QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR")));
    const QFileInfo socket(app()->serverName());
    QCOMPARE(socket.absolutePath(), runtime);
    QVERIFY(socket.fileName().startsWith("vardex-keyboard-"));
    QVERIFY(socket.exists());
    QCOMPARE(QFileInfo(runtime).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
                                                 | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
             QFile::Permissions());
    QLocalSocket bare;
    bare.connectToServer(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    QVERIFY(!bare.waitForConnected(200));
}

void tst_Application::loadLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("text");
    // Rows run in order from English: a refused value leaves the last one.
    QTest::newRow("Simplified Chinese") << 1 << true << "软件退出";
    QTest::newRow("0 keeps Chinese") << 0 << false << "软件退出";
    QTest::newRow("16 keeps Chinese") << 16 << false << "软件退出";
    QTest::newRow("English") << 3 << true << "Software exit";
    // Every language ships (a missing file: tst_linguist).
    QTest::newRow("Japanese") << 4 << true << "ソフトウェア終了";
    QTest::newRow("Chinese again") << 1 << true << "软件退出";
    QTest::newRow("back to English") << 3 << true << "Software exit";
}

void tst_Application::loadLanguage()
{
    QFETCH(int, language);
    QFETCH(bool, loaded);
    QFETCH(QString, text);
    // A language whose file is missing: read from an empty folder.
    QTemporaryDir empty;
    const bool missing = QByteArray(QTest::currentDataTag()) == "missing file";
    if (missing)
        app()->linguist()->setTranslationDir(empty.path());
    QCOMPARE(app()->loadLanguage(language), loaded);
    if (missing)
        app()->linguist()->setTranslationDir(QString());
    QCOMPARE(QObject::tr("Software exit"), text);
}

void tst_Application::laterCopyBringsWindowForward_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("hidden in the tray, no argument") << "hidden" << QByteArray();
    QTest::newRow("hidden in the tray, --AutoUp") << "hidden" << QByteArray("--AutoUp");
    QTest::newRow("minimised") << "minimised" << QByteArray("x");
}

void tst_Application::laterCopyBringsWindowForward()
{
    QFETCH(QString, state);
    QFETCH(QByteArray, written);
    QWidget *window = app()->mainWidget();
    window->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (state == "hidden")
        window->hide();
    else
        window->showMinimized();
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible() || window->isMinimized(), testWait::kHangMs);

    QLocalSocket socket;
    socket.connectToServer(app()->serverName());
    QVERIFY(socket.waitForConnected(DAppllication::ConnectWaitMs));
    socket.write(written);
    socket.flush();
    QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), testWait::kHangMs);
    QTRY_VERIFY_WITH_TIMEOUT(!window->isMinimized(), testWait::kHangMs);
    socket.disconnectFromServer();
}

void tst_Application::autoStartLaunchHidesOnlyWithTray_data()
{
    QTest::addColumn<bool>("autoStart");
    QTest::addColumn<bool>("trayShown");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("hidden");
    const QStringList autoUp{"vardex-keyboard", "--AutoUp"};
    QTest::newRow("log-on launch with tray") << true << true << autoUp << true;
    // Without a tray nothing could bring a hidden window back.
    QTest::newRow("log-on launch without tray") << true << false << autoUp << false;
    QTest::newRow("auto-start switched off since") << false << true << autoUp << false;
    QTest::newRow("started by the user") << true << true << QStringList{"vardex-keyboard"} << false;
}

void tst_Application::autoStartLaunchHidesOnlyWithTray()
{
    QFETCH(bool, autoStart);
    QFETCH(bool, trayShown);
    QFETCH(QStringList, arguments);
    QFETCH(bool, hidden);
    QCOMPARE(DAppllication::startsHidden(autoStart, trayShown, arguments), hidden);
}

int main(int argc, char **argv)
{
    DAppllication application(QStringLiteral("RimoKeyboard_1.2.0.1"), argc, argv, false);
    if (application.mustExit())
        return 2;
    tst_Application tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_application.moc"
