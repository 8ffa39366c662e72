// The current keyboard of the device page against the simulated keyboards:
// its profile folder and stores, the light configuration stored on the first
// load, the FN layer, profile switches from the keyboard, and keyboards
// without a usable serial number.
#include "devicePageFixture.h"

#include "data/DDataManager.h"
#include "ui/customKeys/DCustomKeysPage.h"
#include "ui/lightsConfig/DLightsConfigPage.h"
#include "ui/lightsConfig/lightDealMain.h"
#include "ui/mainwidget/devicePage/DPerformancePage.h"
#include "ui/keyboardView/hidDeviceJoinFrame.h"
#include "ui/keyboardView/keyboardButCustom.h"

#include <QComboBox>
#include <QPushButton>
#include <QDir>
#include <QPointer>
#include <QFile>

#include <cstring>
#include <vector>

using namespace devicePageTest;

namespace {

const QByteArray kSerialA = "A1b2C3d4E5f6A7b8C9d0E1f2A3b4C5d6";
const QByteArray kSerialB = "Z9y8X7w6V5u4T3s2R1q0P9o8N7m6L5k4";

QString userConfigDir()
{
    return DDataManager::instance()->userConfigDir();
}

QStringList profileNames(const QString &file)
{
    std::vector<ProfileNodeEntry> profiles;
    CVardexXML_SelectProFileAllNodes(QFile::encodeName(file).constData(), profiles);
    QStringList names;
    for (const ProfileNodeEntry &p : profiles)
        names << QString::fromUtf8(p.name);
    return names;
}

// The keyboard at path answers the serial-number inquiry (0x15) with serial.
bool injectSerialNumber(const QString &path, const QByteArray &serial)
{
    unsigned char report[64] = {};
    report[0] = 1;
    report[1] = 0x15;
    report[5] = 32;
    std::memcpy(report + 6, serial.constData(), 32);
    return CVardexSim_Inject(path.toLatin1().constData(), report) == 0;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class tst_currentdevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void profileStoresNamedBySerialNumber();
    void reportedLightConfigStoredOnFirstLoad();
    void fnLayerMarksKeyBitmapUnavailable();
    void profileSwitchFromKeyboard_data();
    void profileSwitchFromKeyboard();
    void keyboardWithoutSerialNumberGetsNoFolder();
    void emptySerialNumberGetsGeneratedOne();
    void keyboardWithoutSerialNumberOffersNoEdits();
    void lateSerialNumberOfAnotherKeyboardChangesNothing();
    void switchingTilesLoadsThatKeyboardsProfile();
    void lightChoicesReachTheEngine();

private:
    DDevicePage *startPage(const QList<SimDevice> &devices, const QList<QPair<int, int>> &faults = {});
    bool waitForCurrentProfile();
    // The store holds the light modes in use and the sleep times the
    // current keyboard reported.
    bool storesWhatTheKeyboardReported(const QString &store);

    std::unique_ptr<DDevicePage> m_page;
};

void tst_currentdevice::initTestCase()
{
    QVERIFY(startLibrary());
    QVERIFY(userConfigDir().startsWith(qEnvironmentVariable("VARDEX_TEST_HOME", QDir::homePath())));
}

void tst_currentdevice::init()
{
    // Every test starts without profile folders.
    QDir dir(userConfigDir());
    for (const QString &sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QDir(dir.filePath(sub)).removeRecursively();
}

void tst_currentdevice::cleanup()
{
    destroyPage(m_page);
}

DDevicePage *tst_currentdevice::startPage(const QList<SimDevice> &devices, const QList<QPair<int, int>> &faults)
{
    if (CVardexSim_LoadScenarioText(scenarioJson(devices).constData()) != 0)
        return nullptr;
    const QStringList paths = attachedPaths();
    for (const auto &fault : faults) {
        const QByteArray path = paths.value(fault.first).toLatin1();
        // The library asks a keyboard for its identity once, before any link
        // opens; let that happen before the fault starts.
        hidStructInfo info {};
        hidFirmwareInfo firmware {};
        CVardexHid_GetHidAndFirmwareInfoStu(path.constData(), &info, &firmware);
        CVardexSim_SetFault(path.constData(), fault.second, 1);
    }
    m_page = std::make_unique<DDevicePage>();
    m_page->resize(1280, 700);
    m_page->show();
    return m_page.get();
}

bool tst_currentdevice::storesWhatTheKeyboardReported(const QString &store)
{
    CVardexSimState state {};
    if (!m_page || CVardexSim_GetState(qPrintable(currentPath(m_page.get())), &state) != 0)
        return false;
    const QByteArray path = QFile::encodeName(store);
    ProfileSleepTimeInfo sleep {};
    return CVardexXML_SelectProFileMouseLightTypeUsingIndex(path.constData(), "1", 0) == state.keyLight[0]
        && CVardexXML_SelectProFileMouseLightTypeUsingIndex(path.constData(), "1", 1) == state.sideLight[0]
        && CVardexXML_GetProFileIntoSleepTimeInfo(path.constData(), "1", &sleep)
        && sleep.lightSleepSeconds == state.lightSleepSeconds
        && sleep.keyboardSleepMinutes == state.keyboardSleepSeconds / 60;
}

bool tst_currentdevice::waitForCurrentProfile()
{
    return QTest::qWaitFor([&] { return m_page->currentLink() && !m_page->profileFolder().isEmpty(); }, kHangMs);
}

void tst_currentdevice::profileStoresNamedBySerialNumber()
{
    QVERIFY(startPage({{"Brisko", false, true, kSerialA}}));
    QVERIFY(waitForCurrentProfile());

    const QString folder = userConfigDir() + QStringLiteral("/Brisko/") + QString::fromLatin1(kSerialA);
    QCOMPARE(m_page->profileFolder(), folder);
    const QString defaultFile = folder + QStringLiteral("/appProfile_Default.xml");
    const QString fnFile = folder + QStringLiteral("/appProfile_FN.xml");
    QCOMPARE(profileNames(defaultFile), QStringList{QStringLiteral("Profile1")});
    QCOMPARE(profileNames(fnFile), QStringList{QStringLiteral("Profile1")});
    QCOMPARE(CVardexXML_GetCreateXMLFileProfileIndex(QFile::encodeName(fnFile).constData()), 1);
    QCOMPARE(QString::fromLocal8Bit(m_page->profileXmlPath()), defaultFile);
    QCOMPARE(m_page->currentProfileIndex(), 1);

    // The link, the data manager and the pages all got the Default store.
    char dataPath[256] = {};
    DDataManager::instance()->copyProfileXmlPath(dataPath);
    QCOMPARE(QByteArray(dataPath), m_page->profileXmlPath());
    QCOMPARE(m_page->customKeysPage()->profilePath(), m_page->profileXmlPath());
    QCOMPARE(m_page->lightsConfigPage()->profileXmlPath(), m_page->profileXmlPath());
    QCOMPARE(m_page->performancePage()->profileXmlPath(), m_page->profileXmlPath());
    QCOMPARE(m_page->lightsConfigPage()->hidInterface(), m_page->currentTransport());
    auto *combo = m_page->findChild<QComboBox *>(QStringLiteral("comboBox_profileList"));
    QVERIFY(combo);
    QCOMPARE(combo->currentText(), QStringLiteral("Profile1"));

    // A second start finds the stores and changes nothing in them. The
    // first start's replies (light modes in use, sleep times) are stored
    // before the snapshot.
    QVERIFY(QTest::qWaitFor([&] { return storesWhatTheKeyboardReported(defaultFile); }, kHangMs));
    const QByteArray defaultBefore = fileBytes(defaultFile);
    const QByteArray fnBefore = fileBytes(fnFile);
    destroyPage(m_page);
    QVERIFY(startPage({{"Brisko", false, true, kSerialA}}));
    QVERIFY(waitForCurrentProfile());
    QVERIFY(QTest::qWaitFor([&] { return m_page->currentLink()->isDeviceReady(); }, kHangMs));
    // The second start's replies come in with the first ones' timing; give
    // a wrong write the time to land (a slow machine only misses it).
    QTest::qWait(300);
    QCOMPARE(fileBytes(defaultFile), defaultBefore);
    QCOMPARE(fileBytes(fnFile), fnBefore);
    QCOMPARE(QDir(userConfigDir() + QStringLiteral("/Brisko")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{QString::fromLatin1(kSerialA)});
}

void tst_currentdevice::reportedLightConfigStoredOnFirstLoad()
{
    QVERIFY(startPage({{"Brisko", false, true, kSerialA}}));
    QVERIFY(waitForCurrentProfile());

    CVardexSimState state {};
    QCOMPARE(CVardexSim_GetState(qPrintable(currentPath(m_page.get())), &state), 0);
    const int type = state.keyLight[0];
    colorInfoData stored {};
    const QByteArray path = m_page->profileXmlPath();
    QVERIFY(CVardexXML_SelectProfileColorDataInfo(path.constData(), "1", 0, type, &stored));
    QCOMPARE(stored.hidType, 0);
    QCOMPARE(stored.ledType, type);
    QCOMPARE(stored.ledBrightness, state.keyLight[1] + 1);
    QCOMPARE(stored.ledSpeed, state.keyLight[2] + 1);
    QCOMPARE(stored.ledTopColor[0], int(state.keyLight[3]));
    QCOMPARE(stored.ledBottomColor[2], int(state.keyLight[8]));
    QCOMPARE(CVardexXML_SelectProFileMouseLightTypeUsingIndex(path.constData(), "1", 0), type);
    // The side light too, and the new profile's defaults for the third part.
    QVERIFY(CVardexXML_IsProFileAlreadyHaveLightInfo(path.constData(), "1", 1, state.sideLight[0]));
    colorInfoData third {};
    QVERIFY(CVardexXML_SelectProfileColorDataInfo(path.constData(), "1", 2, 2, &third));
    QCOMPARE(third.ledBrightness, 3);
    QCOMPARE(third.ledTopColor[0], 255);
    QCOMPARE(third.ledFullColor, 1);
}

void tst_currentdevice::fnLayerMarksKeyBitmapUnavailable()
{
    QVERIFY(startPage({{"Brisko", false, true, kSerialA}}));
    QVERIFY(waitForCurrentProfile());
    DDeviceKeyboardLink *link = m_page->currentLink();

    // Column 0 rows 0 and 2, column 5 row 1.
    unsigned char columns[22] = {};
    columns[0] = 0x05;
    columns[5] = 0x02;
    QCOMPARE(CVardexSim_SendKeyBitmap(qPrintable(currentPath(m_page.get())), columns), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!link->keyBitTableKeys().isEmpty(), kHangMs);

    const QList<QPair<int, int>> marked = {{0, 0}, {2, 0}, {1, 5}};
    QList<keyboardButCustom *> buttons;
    for (const auto &cell : marked)
        if (keyboardButCustom *b = m_page->lightEngine()->keyButton(cell.first, cell.second))
            buttons << b;
    QVERIFY(!buttons.isEmpty());
    keyboardButCustom *untouched = m_page->lightEngine()->keyButton(3, 3);
    QVERIFY(untouched);

    emit m_page->customKeysPage()->sigDefaultLayerAndFnLayerSwitch(1);
    QCOMPARE(m_page->currentLayer(), 1);
    QVERIFY(m_page->profileXmlPath().endsWith("/appProfile_FN.xml"));
    for (keyboardButCustom *b : buttons)
        QVERIFY(!b->isKeyEnabled());
    QVERIFY(untouched->isKeyEnabled());
    // An unavailable key cannot be made current.
    DDataManager::instance()->clearCurrentKey();
    QTest::mouseClick(buttons.first(), Qt::LeftButton);
    QCOMPARE(DDataManager::instance()->currentKeyCode(), -1);

    emit m_page->customKeysPage()->sigDefaultLayerAndFnLayerSwitch(0);
    QCOMPARE(m_page->currentLayer(), 0);
    QVERIFY(m_page->profileXmlPath().endsWith("/appProfile_Default.xml"));
    for (keyboardButCustom *b : buttons)
        QVERIFY(b->isKeyEnabled());
}

void tst_currentdevice::profileSwitchFromKeyboard_data()
{
    QTest::addColumn<bool>("fromCurrent");
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("expected");
    QTest::newRow("current keyboard, existing profile") << true << 2 << 2;
    QTest::newRow("current keyboard, missing profile") << true << 5 << 1;
    QTest::newRow("current keyboard, profile 0") << true << 0 << 1;
    QTest::newRow("other keyboard, existing profile") << false << 2 << 1;
}

void tst_currentdevice::profileSwitchFromKeyboard()
{
    QFETCH(bool, fromCurrent);
    QFETCH(int, requested);
    QFETCH(int, expected);
    QVERIFY(startPage({{"Brisko", false, true, kSerialA}, {"Pravo", false, true, kSerialB}}));
    QVERIFY(waitForCurrentProfile());
    QTRY_VERIFY_WITH_TIMEOUT(m_page->keyboardLinks().size() == 2, kHangMs);

    const QByteArray store = m_page->profileXmlPath();
    QVERIFY(CVardexXML_CreateProFileXmlParentNode(store.constData(), "2", "Profile2", 0));
    DDeviceKeyboardLink *current = m_page->currentLink();
    DDeviceKeyboardLink *other = nullptr;
    for (DDeviceKeyboardLink *l : m_page->keyboardLinks())
        if (l != current)
            other = l;
    QVERIFY(other);

    emit(fromCurrent ? current : other)->sigCustomEventChangProfile(requested);
    QCOMPARE(m_page->currentProfileIndex(), expected);
    QCOMPARE(CVardexXML_GetCreateXMLFileProfileIndex(store.constData()), expected);
    QCOMPARE(DDataManager::instance()->currentProfileIndex(), expected);
}

void tst_currentdevice::keyboardWithoutSerialNumberGetsNoFolder()
{
    // The keyboard takes every report and never answers.
    QVERIFY(startPage({{"Brisko", false, true, kSerialA}}, {{0, SIM_FAULT_SILENT}}));
    QTRY_VERIFY_WITH_TIMEOUT(!m_page->lastNotice().isEmpty(), kHangMs);
    QVERIFY(m_page->lastNotice().contains(QLatin1String("serial number")));
    QVERIFY(m_page->profileFolder().isEmpty());
    QVERIFY(m_page->profileXmlPath().isEmpty());
    QVERIFY(QDir(userConfigDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
    char dataPath[256] = {1};
    DDataManager::instance()->copyProfileXmlPath(dataPath);
    QCOMPARE(dataPath[0], '\0');

    // When the number comes after all, the profiles are set up under it.
    const QString path = currentPath(m_page.get());
    QVERIFY(!path.isEmpty());
    QCOMPARE(CVardexSim_SetFault(path.toLatin1().constData(), SIM_FAULT_SILENT, 0), 0);
    QVERIFY(injectSerialNumber(path, kSerialB));
    QTRY_COMPARE_WITH_TIMEOUT(m_page->profileFolder(),
                              userConfigDir() + QStringLiteral("/Brisko/") + QString::fromLatin1(kSerialB), kHangMs);
    QCOMPARE(QDir(userConfigDir() + QStringLiteral("/Brisko")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{QString::fromLatin1(kSerialB)});
}

// Until the keyboard tells its serial number it has no profile store: the
// page offers no edits and no Download, and says why when asked to download.
void tst_currentdevice::keyboardWithoutSerialNumberOffersNoEdits()
{
    QVERIFY(startPage({{"Brisko", false, true, kSerialA}}, {{0, SIM_FAULT_SILENT}}));
    QTRY_VERIFY_WITH_TIMEOUT(!m_page->lastNotice().isEmpty(), testWait::kHangMs);
    const QString pending = m_page->lastNotice();
    QVERIFY(pending.contains(QLatin1String("serial number")));
    QVERIFY(m_page->currentLink());
    auto *download = m_page->customKeysPage()->findChild<QPushButton *>(QStringLiteral("pushButton_Download"));
    auto *profileMenu = m_page->findChild<QPushButton *>(QStringLiteral("pushButton_ProfileOperate"));
    QVERIFY(download && profileMenu);
    QVERIFY(!download->isEnabled());
    QVERIFY(!profileMenu->isEnabled());
    QVERIFY(!m_page->lightsConfigPage()->isEnabled());
    QVERIFY(!m_page->performancePage()->isEnabled());

    // Asked all the same (another notice first, to see this one replace it).
    QTest::mouseClick(m_page->currentTile(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_page->lastNotice(), QStringLiteral("The device has been turned on"), testWait::kHangMs);
    emit m_page->customKeysPage()->sigTheKeyboardIntoDownloading();
    QCOMPARE(m_page->lastNotice(), pending);

    const QString path = currentPath(m_page.get());
    QCOMPARE(CVardexSim_SetFault(path.toLatin1().constData(), SIM_FAULT_SILENT, 0), 0);
    QVERIFY(injectSerialNumber(path, kSerialB));
    QTRY_VERIFY_WITH_TIMEOUT(!m_page->profileFolder().isEmpty(), testWait::kHangMs);
    QVERIFY(download->isEnabled());
    QVERIFY(profileMenu->isEnabled());
    QVERIFY(m_page->lightsConfigPage()->isEnabled());
}

// A keyboard waiting for its serial number stops being current; when the
// number comes after all, the keyboard that is current keeps its own store.
void tst_currentdevice::lateSerialNumberOfAnotherKeyboardChangesNothing()
{
    QVERIFY(startPage({{"Brisko", false, true, kSerialA}, {"Pravo", false, true, kSerialB}}, {{0, SIM_FAULT_SILENT}}));
    const QString silent = attachedPaths().value(0);
    QTRY_VERIFY_WITH_TIMEOUT(currentPath(m_page.get()) == silent && m_page->lastNotice().contains(QLatin1String("serial number")),
                             8000);
    const QString other = attachedPaths().value(1);
    QTest::mouseClick(m_page->deviceTiles().value(other), Qt::LeftButton);
    QVERIFY(waitForCurrentProfile());
    QCOMPARE(currentPath(m_page.get()), other);
    const QString folder = m_page->profileFolder();
    const QByteArray store = m_page->profileXmlPath();
    const QString otherModel = QString::fromLatin1(m_page->currentDevice().hidName);
    QCOMPARE(folder, userConfigDir() + QLatin1Char('/') + otherModel + QLatin1Char('/') + QString::fromLatin1(kSerialB));

    QVERIFY(injectSerialNumber(silent, kSerialA));
    DDeviceKeyboardLink *late = m_page->keyboardLinks().value(silent);
    QTRY_COMPARE_WITH_TIMEOUT(late->currentSN(), QString::fromLatin1(kSerialA), testWait::kHangMs);
    QCoreApplication::processEvents();
    QCOMPARE(currentPath(m_page.get()), other);
    QCOMPARE(m_page->profileFolder(), folder);
    QCOMPARE(m_page->profileXmlPath(), store);
    char dataPath[DDataManager::PathBufferSize] = {};
    DDataManager::instance()->copyProfileXmlPath(dataPath);
    QCOMPARE(QByteArray(dataPath), store);
}

void tst_currentdevice::emptySerialNumberGetsGeneratedOne()
{
    QVERIFY(startPage({{"Brisko", false, true, QByteArray("")}}));
    QVERIFY(waitForCurrentProfile());
    CVardexSimState state {};
    QCOMPARE(CVardexSim_GetState(qPrintable(currentPath(m_page.get())), &state), 0);
    const QString serial = QString::fromLatin1(state.serial);
    QCOMPARE(serial.size(), 32);
    QCOMPARE(m_page->profileFolder(), userConfigDir() + QStringLiteral("/Brisko/") + serial);
    QVERIFY(QFileInfo::exists(m_page->profileFolder() + QStringLiteral("/appProfile_Default.xml")));
}

void tst_currentdevice::switchingTilesLoadsThatKeyboardsProfile()
{
    QVERIFY(startPage({{"Brisko", false, true, kSerialA}, {"Pravo", false, true, kSerialB}}));
    QVERIFY(waitForCurrentProfile());
    QTRY_VERIFY_WITH_TIMEOUT(m_page->keyboardLinks().size() == 2, kHangMs);
    const QString first = currentPath(m_page.get());
    const QString firstFolder = m_page->profileFolder();
    const QString other = m_page->keyboardLinks().firstKey() == first ? m_page->keyboardLinks().lastKey()
                                                                        : m_page->keyboardLinks().firstKey();
    QPointer<hidDeviceJoinFrame> oldView = m_page->keyboardView();

    QTest::mouseClick(m_page->deviceTiles().value(other), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(currentPath(m_page.get()), other, kHangMs);
    QTRY_VERIFY_WITH_TIMEOUT(!m_page->profileFolder().isEmpty() && m_page->profileFolder() != firstFolder, kHangMs);
    const QString model = QString::fromLatin1(m_page->currentDevice().hidName);
    QVERIFY(m_page->profileFolder().contains(QLatin1Char('/') + model + QLatin1Char('/')));
    QVERIFY(m_page->keyboardView());
    QTRY_VERIFY_WITH_TIMEOUT(oldView.isNull(), kHangMs);
    QCOMPARE(m_page->lightEngine()->hidInfo().hidName, m_page->currentDevice().hidName);
    QCOMPARE(QString::fromLocal8Bit(m_page->currentLink() ? m_page->profileXmlPath() : QByteArray()),
             m_page->profileFolder() + QStringLiteral("/appProfile_Default.xml"));
}

void tst_currentdevice::lightChoicesReachTheEngine()
{
    QVERIFY(startPage({{"Brisko", false, true, kSerialA}}));
    QVERIFY(waitForCurrentProfile());
    lightDealMain *engine = m_page->lightEngine();
    QTRY_VERIFY_WITH_TIMEOUT(engine->isKeyboardLightRunning(), kHangMs);
    QVERIFY(engine->isLightSynchronous());
    colorInfoData record{};
    record.ledType = 2;
    record.ledBrightness = 1;
    record.ledSpeed = 1;
    emit m_page->lightsConfigPage()->sigSelectCurrentLightTypeIndex_KB(2, record);
    QCOMPARE(engine->keyboardColorInfo().ledType, 2);
    record.hidType = 1;
    record.ledType = 4;
    emit m_page->lightsConfigPage()->sigLightConfigHaveChanged(0, record);
    QCOMPARE(engine->sideColorInfo().ledType, 4);
    record.hidType = 2; // a third part: nothing of the engine's changes
    record.ledType = 1;
    emit m_page->lightsConfigPage()->sigLightConfigHaveChanged(0, record);
    QCOMPARE(engine->keyboardColorInfo().ledType, 2);
    QCOMPARE(engine->sideColorInfo().ledType, 4);
    // The running effect reaches the drawing.
    keyboardButCustom *key = engine->keyButton(3, 3);
    QVERIFY(key);
    QTRY_VERIFY_WITH_TIMEOUT(key->keyColor().isValid(), kHangMs);
}

QTEST_MAIN(tst_currentdevice)
#include "tst_currentdevice.moc"
