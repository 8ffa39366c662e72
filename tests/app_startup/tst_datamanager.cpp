#include <QtTest>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <atomic>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "data/DDataManager.h"
#include "platform/appPaths.h"

namespace {

// A data manager of its own per test, built exactly as instance() builds one.
class TestDataManager : public DDataManager
{
public:
    explicit TestDataManager(const QString &defaultConfig = QString::fromLatin1(DefaultConfigResource))
        : DDataManager(defaultConfig)
    {
    }
    ~TestDataManager() override = default;
};

QString appDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString settingsPath()
{
    return appDataDir() + QStringLiteral("/UserConfig/VardexConfig.ini");
}

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QVariant storedValue(const QString &key)
{
    QSettings settings(settingsPath(), QSettings::IniFormat);
    return settings.value(key);
}

keyboardButCustom *fakeButton(quintptr n)
{
    // Never dereferenced: the registry only keeps the pointers.
    return reinterpret_cast<keyboardButCustom *>(n * 16);
}

} // namespace

class tst_DDataManager : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void firstStartWritesDefaults();
    void startupRules_data();
    void startupRules();
    void ownThemeFileBesideProgram_data();
    void ownThemeFileBesideProgram();
    void themeValues_data();
    void themeValues();
    void shippedThemesAreComplete_data();
    void shippedThemesAreComplete();
    void fonts();
    void currentKey();
    void storePaths_data();
    void storePaths();
    void keyButtonRegistryReplacesWhole();
    void macroRecordHookResult();
    void badSettingsFile_data();
    void badSettingsFile();
    void specialSettingsFileIsSetAside_data();
    void specialSettingsFileIsSetAside();
    void specialSettingsFilesSetAsideInOneSecondAreAllKept();
};

void tst_DDataManager::init()
{
    QDir(appDataDir()).removeRecursively();
}

void tst_DDataManager::firstStartWritesDefaults()
{
    QVERIFY(!QDir(appDataDir()).exists());
    TestDataManager manager;
    QVERIFY(QDir(appDataDir() + QStringLiteral("/UserConfig")).exists());
    QCOMPARE(manager.userConfigDir(), appDataDir() + QStringLiteral("/UserConfig"));
    QCOMPARE(manager.settingsFilePath(), settingsPath());
    QCOMPARE(storedValue(QStringLiteral("Theme/selectThemeIndex")).toInt(), 0);
    QCOMPARE(storedValue(QStringLiteral("ThemeBgImage/BgImageIsUsing")).toString(), QStringLiteral("false"));
    QCOMPARE(storedValue(QStringLiteral("oldVersion/VersionInfo")).toString(), QStringLiteral("V_2.01.01"));
    QCOMPARE(manager.themeColors().TextDefaultColor, QStringLiteral("205,205,205"));
    QVERIFY(!manager.isUserThemeConfig());
    QVERIFY(!manager.isLightSynchronize());
    QCOMPARE(manager.softKeyboardLayoutCode(QStringLiteral("any model")), 31);
}

void tst_DDataManager::startupRules_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("storedTheme");
    QTest::addColumn<QString>("textDefault");
    QTest::addColumn<QString>("mainBg");

    QTest::newRow("theme 4 without own theme") << QByteArray("[Theme]\nselectThemeIndex=4\n") << 0
                                               << "205,205,205" << "30,30,30";
    QTest::newRow("light") << QByteArray("[Theme]\nselectThemeIndex=1\n") << 1 << "140,140,140" << "240,240,240";
    QTest::newRow("blue has no file") << QByteArray("[Theme]\nselectThemeIndex=2\n") << 2 << "" << "";
    QTest::newRow("pink has no file") << QByteArray("[Theme]\nselectThemeIndex=3\n") << 3 << "" << "";
    QTest::newRow("index 7 is black") << QByteArray("[Theme]\nselectThemeIndex=7\n") << 7 << "205,205,205"
                                      << "30,30,30";
    QTest::newRow("index -1 is black") << QByteArray("[Theme]\nselectThemeIndex=-1\n") << -1 << "205,205,205"
                                       << "30,30,30";
    QTest::newRow("background image keeps alpha")
        << QByteArray("[Theme]\nselectThemeIndex=0\n[ThemeBgImage]\nBgImageIsUsing=true\n") << 0 << "205,205,205"
        << "30,30,30,128";
}

void tst_DDataManager::startupRules()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, storedTheme);
    QFETCH(QString, textDefault);
    QFETCH(QString, mainBg);

    writeFile(settingsPath(), settings + "[oldVersion]\nVersionInfo=V_1.00.00\n[Keep]\nme=yes\n");
    TestDataManager manager;
    const themeColorData colors = manager.themeColors();
    QCOMPARE(colors.TextDefaultColor, textDefault);
    QCOMPARE(colors.MainWidgetBgColor, mainBg);
    QCOMPARE(colors.TextFont, textDefault.isEmpty() ? QString() : QStringLiteral("Microsoft YaHei"));
    QCOMPARE(storedValue(QStringLiteral("Theme/selectThemeIndex")).toInt(), storedTheme);
    QCOMPARE(storedValue(QStringLiteral("oldVersion/VersionInfo")).toString(), QStringLiteral("V_2.01.01"));
    QCOMPARE(storedValue(QStringLiteral("Keep/me")).toString(), QStringLiteral("yes"));
}

void tst_DDataManager::ownThemeFileBesideProgram_data()
{
    QTest::addColumn<bool>("fileBesideProgram");
    QTest::newRow("own file present") << true;
    QTest::newRow("own file missing") << false;
}

void tst_DDataManager::ownThemeFileBesideProgram()
{
    QFETCH(bool, fileBesideProgram);
    QTemporaryDir dir;
    const QString defaults = dir.filePath(QStringLiteral("defaults.ini"));
    writeFile(defaults, "[MyselfConfig]\nuserConfig=true\n[AppVersion]\nVersion=V_9.99.99\n");
    const QString ownTheme = QCoreApplication::applicationDirPath() + QStringLiteral("/configDir/OtherThemeConfig.ini");
    QFile::remove(ownTheme);
    if (fileBesideProgram)
        writeFile(ownTheme, "[ThemeColor]\nTextDefaultColor = 1.2.3\nTextFont = Own Font\n");
    writeFile(settingsPath(), "[Theme]\nselectThemeIndex=4\n");

    TestDataManager manager(defaults);
    QFile::remove(ownTheme);
    QVERIFY(manager.isUserThemeConfig());
    QCOMPARE(storedValue(QStringLiteral("Theme/selectThemeIndex")).toInt(), 4);
    QCOMPARE(storedValue(QStringLiteral("oldVersion/VersionInfo")).toString(), QStringLiteral("V_9.99.99"));
    QCOMPARE(manager.themeColors().TextDefaultColor, fileBesideProgram ? QStringLiteral("1,2,3") : QString());
    QCOMPARE(manager.themeColors().TextFont, fileBesideProgram ? QStringLiteral("Own Font") : QString());
}

void tst_DDataManager::themeValues_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("bgImage");
    QTest::addColumn<QString>("expected");

    QTest::newRow("three components") << QByteArray("205.205.205") << false << "205,205,205";
    QTest::newRow("alpha dropped") << QByteArray("30.30.30.128") << false << "30,30,30";
    QTest::newRow("alpha kept with background image") << QByteArray("30.30.30.128") << true << "30,30,30,128";
    QTest::newRow("five components kept") << QByteArray("1.2.3.4.5") << false << "1,2,3,4,5";
    QTest::newRow("spaces around") << QByteArray("  12.13.14   ") << false << "12,13,14";
    QTest::newRow("empty") << QByteArray("") << false << "";
    QTest::newRow("two components") << QByteArray("1.2") << false << "1,2";
    QTest::newRow("not a colour") << QByteArray("red") << false << "red";
    QTest::newRow("out of range kept as text") << QByteArray("300.-1.9999.7") << false << "300,-1,9999";
    QTest::newRow("comma list") << QByteArray("1,2,3") << false << "";
}

void tst_DDataManager::themeValues()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, bgImage);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("theme.ini"));
    writeFile(path, "[ThemeColor]\nTextDefaultColor = " + stored + "\n\nTextHoverColor = 168.168.168\n");
    const themeColorData colors = DDataManager::readThemeFile(path, bgImage);
    QCOMPARE(colors.TextDefaultColor, expected);
    // A bad value leaves its neighbours alone; absent keys are empty.
    QCOMPARE(colors.TextHoverColor, QStringLiteral("168,168,168"));
    QCOMPARE(colors.UpgradeProgressBarBottomColor, QString());
}

void tst_DDataManager::shippedThemesAreComplete_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("last");
    QTest::newRow("black") << ":/images/StyleQss/BlackThemeConfig.ini" << "65,65,65";
    QTest::newRow("light") << ":/images/StyleQss/LightThemeConfig.ini" << "195,195,195";
}

void tst_DDataManager::shippedThemesAreComplete()
{
    QFETCH(QString, path);
    QFETCH(QString, last);
    const themeColorData colors = DDataManager::readThemeFile(path, true);
    QCOMPARE(colors.UpgradeProgressBarBottomColor, last);
    QCOMPARE(colors.TextFont, QStringLiteral("Microsoft YaHei"));
    // Every colour present and made of three or four components 0..255.
    QSettings theme(path, QSettings::IniFormat);
    theme.beginGroup(QStringLiteral("ThemeColor"));
    const QStringList keys = theme.childKeys();
    QCOMPARE(keys.size(), themeColorData::colorCount + 1);
    const QRegularExpression colour(QStringLiteral("^\\d{1,3}(,\\d{1,3}){2,3}$"));
#define CHECK_FIELD(name) QVERIFY2(colour.match(colors.name).hasMatch(), #name);
    VARDEX_THEME_COLOR_KEYS(CHECK_FIELD)
#undef CHECK_FIELD
}

void tst_DDataManager::fonts()
{
    TestDataManager manager;
    QCOMPARE(manager.font(0).family(), QStringLiteral("Microsoft YaHei"));
    QCOMPARE(manager.font(0).pointSize(), 10);
    QCOMPARE(manager.font(0).weight(), 75);
    QCOMPARE(manager.font(1).weight(), 50);
    QCOMPARE(manager.font(2).family(), QStringLiteral("Microsoft YaHei"));

    manager.setUseLocalFont(false);
    QCOMPARE(manager.font(0), manager.font(2));
    QVERIFY(manager.font(0).weight() != 75 || QGuiApplication::font().weight() == 75);

    manager.loadTheme(2);
    manager.setUseLocalFont(true);
    QCOMPARE(manager.font(0).family(), QString());
}

void tst_DDataManager::currentKey()
{
    TestDataManager manager;
    QSignalSpy clicked(&manager, &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar);
    QCOMPARE(manager.currentKeyCode(), -1);
    QCOMPARE(manager.currentKeyText(), QString());

    manager.setCurrentKey(41, QStringLiteral("Esc"));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 41);
    QCOMPARE(clicked.at(0).at(1).toString(), QStringLiteral("Esc"));
    QCOMPARE(manager.currentKeyCode(), 41);

    manager.clearCurrentKey();
    QCOMPARE(manager.currentKeyCode(), -1);
    QCOMPARE(manager.currentKeyText(), QString());
    QCOMPARE(clicked.count(), 1);
}

void tst_DDataManager::storePaths_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("short") << 20 << true;
    QTest::newRow("longest that fits") << 255 << true;
    QTest::newRow("one byte too long") << 256 << false;
    QTest::newRow("far too long") << 5000 << false;
}

void tst_DDataManager::storePaths()
{
    QFETCH(int, length);
    QFETCH(bool, accepted);
    TestDataManager manager;
    char out[DDataManager::PathBufferSize];
    std::memset(out, 'x', sizeof(out));
    manager.copyProfileXmlPath(out);
    QCOMPARE(out[0], '\0');
    manager.copyMacroXmlPath(out);
    QCOMPARE(out[0], '\0');

    QVERIFY(manager.setProfileXmlPath("/old/profile.xml"));
    QVERIFY(manager.setMacroXmlPath("/old/appMacro.xml"));
    QVERIFY(!manager.setProfileXmlPath(nullptr));
    const QByteArray path(length, 'p');
    QCOMPARE(manager.setProfileXmlPath(path.constData()), accepted);
    QCOMPARE(manager.setMacroXmlPath(path.constData()), accepted);
    manager.copyProfileXmlPath(out);
    QCOMPARE(QByteArray(out), accepted ? path : QByteArray("/old/profile.xml"));
    manager.copyMacroXmlPath(out);
    QCOMPARE(QByteArray(out), accepted ? path : QByteArray("/old/appMacro.xml"));
}

void tst_DDataManager::keyButtonRegistryReplacesWhole()
{
    TestDataManager manager;
    manager.setKeyButtonList({fakeButton(1), fakeButton(2)});
    manager.setKeyButtonMap({{41, fakeButton(1)}, {40, fakeButton(2)}});
    manager.setCurrentKeySelectFrame(reinterpret_cast<keySelectFrame *>(quintptr(0x100)));

    manager.setKeyButtonList({fakeButton(3)});
    manager.setKeyButtonMap({{44, fakeButton(3)}});
    QCOMPARE(manager.keyButtonList(), QList<keyboardButCustom *>{fakeButton(3)});
    QCOMPARE(manager.keyButtonMap().keys(), QList<int>{44});

    manager.setKeyNameMap({{41, QStringLiteral("Esc")}});
    manager.setKeyNameMap({{40, QStringLiteral("Enter")}});
    QCOMPARE(manager.keyNameMap().keys(), QList<int>{40});
    manager.setVirtualKeyMap({{0x1B, 41}});
    QCOMPARE(manager.virtualKeyMap().value(0x1B), 41);

    manager.clearKeyButtons();
    QVERIFY(manager.keyButtonList().isEmpty());
    QVERIFY(manager.keyButtonMap().isEmpty());
    QVERIFY(!manager.currentKeySelectFrame());
}

void tst_DDataManager::macroRecordHookResult()
{
    TestDataManager manager;
    QCOMPARE(manager.requestMacroRecordHook(true), false); // nobody answers yet

    bool hookRunning = false;
    auto connection = connect(&manager, &DDataManager::sigHookRuningStrtusCtrl_MacroRecord, this,
                              [&](bool start) {
                                  hookRunning = start;
                                  manager.setHookRunning(true); // start or stop succeeded
                              });
    QCOMPARE(manager.requestMacroRecordHook(true), true);
    QVERIFY(hookRunning);
    QCOMPARE(manager.requestMacroRecordHook(false), true);
    QVERIFY(!hookRunning);
    disconnect(connection);

    manager.setHookRunning(false);
    QCOMPARE(manager.requestMacroRecordHook(true), false);

    QSignalSpy keyboard(&manager, &DDataManager::sigRecviveStreamEX_MacroKeyboard);
    manager.emitMacroKeyboardEvent(0x41, 30, 1, 0);
    QCOMPARE(keyboard.count(), 1);
    QCOMPARE(keyboard.at(0).at(1).toInt(), 30);
}

void tst_DDataManager::badSettingsFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("asFolder");

    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 7919) % 251);
    QTest::newRow("binary garbage") << QByteArray("[Keep]\nme=yes\n") + binary << false;
    QTest::newRow("truncated") << QByteArray("[Keep]\nme=yes\n[Theme]\nselectThemeIn") << false;
    QTest::newRow("garbage values") << QByteArray("[Keep]\nme=yes\n[Theme]\nselectThemeIndex=\"zz\n[ThemeBgImage]\nBgImageIsUsing=@Variant(\\0\\0)\n")
                                    << false;
    QTest::newRow("unreadable") << QByteArray() << true;
}

void tst_DDataManager::badSettingsFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, asFolder);

    if (asFolder) {
        // Not a readable file for anyone, root included.
        QVERIFY(QDir().mkpath(settingsPath()));
    } else {
        writeFile(settingsPath(), content);
    }
    TestDataManager manager;
    QCOMPARE(manager.themeColors().TextDefaultColor, QStringLiteral("205,205,205"));
    QCOMPARE(manager.font(0).family(), QStringLiteral("Microsoft YaHei"));
    if (asFolder) {
        QVERIFY(QFileInfo(settingsPath()).isDir());
    } else {
        QCOMPARE(storedValue(QStringLiteral("Keep/me")).toString(), QStringLiteral("yes"));
        QCOMPARE(storedValue(QStringLiteral("oldVersion/VersionInfo")).toString(), QStringLiteral("V_2.01.01"));
    }
}

void tst_DDataManager::specialSettingsFileIsSetAside_data()
{
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("FIFO") << false;
    QTest::newRow("link to a FIFO") << true;
}

// A FIFO at the settings file's path blocks its first reader until someone
// writes: the start must not wait for that.
void tst_DDataManager::specialSettingsFileIsSetAside()
{
    QFETCH(bool, throughLink);
    QTemporaryDir elsewhere;
    QVERIFY(QDir().mkpath(QFileInfo(settingsPath()).absolutePath()));
    const QString fifo = throughLink ? elsewhere.filePath(QStringLiteral("fifo")) : settingsPath();
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    if (throughLink)
        QVERIFY(QFile::link(fifo, settingsPath()));

    // A reader blocked on the FIFO is let go (and counted) by opening it for
    // writing, so a fault fails the test instead of hanging it.
    std::atomic<bool> stop{false};
    std::atomic<bool> blocked{false};
    std::thread watchdog([&] {
        const QByteArray path = QFile::encodeName(fifo);
        while (!stop) {
            // Once the FIFO is set aside, the new settings file takes its
            // path: opening that regular file succeeds and proves nothing.
            const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                struct stat opened {};
                if (::fstat(fd, &opened) == 0 && S_ISFIFO(opened.st_mode))
                    blocked = true;
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    {
        TestDataManager manager;
        QCOMPARE(manager.themeColors().TextDefaultColor, QStringLiteral("205,205,205"));
    }
    stop = true;
    watchdog.join();
    QVERIFY(!blocked);
    // The start ran on defaults in a new file; the node is kept beside it.
    QVERIFY(QFileInfo(settingsPath()).isFile() && !QFileInfo(settingsPath()).isSymLink());
    QCOMPARE(storedValue(QStringLiteral("Theme/selectThemeIndex")).toInt(), 0);
    const QStringList aside = QDir(QFileInfo(settingsPath()).absolutePath())
                                  .entryList({QStringLiteral("VardexConfig.ini.not-a-file-*")}, QDir::System | QDir::Files);
    QCOMPARE(aside.size(), 1);
    struct stat st {};
    const QString kept = QFileInfo(settingsPath()).absolutePath() + '/' + aside.first();
    QVERIFY(::stat(QFile::encodeName(kept).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
}

// Nodes set aside within one second each keep a name of their own.
void tst_DDataManager::specialSettingsFilesSetAsideInOneSecondAreAllKept()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VardexConfig.ini"));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        QVERIFY(appPaths::setAsideSpecialSettingsFile(path));
        QVERIFY(!QFileInfo::exists(path));
    }
    const QStringList aside =
        QDir(dir.path()).entryList({QStringLiteral("VardexConfig.ini.not-a-file-*")}, QDir::System | QDir::Files);
    QCOMPARE(aside.size(), 3);
}

QTEST_MAIN(tst_DDataManager)
#include "tst_datamanager.moc"
