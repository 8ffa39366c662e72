// The performance page against the simulated keyboard: sleep times with the
// keyboard's acknowledgement, the Windows-key lock switches, and the profile
// reset, through the device page that sends and stores them.
#include "../devicepage/devicePageFixture.h"

#include "data/DDataManager.h"
#include "ui/lightsConfig/lightDealMain.h"
#include "ui/mainwidget/devicePage/DPerformancePage.h"
#include "ui/mainwidget/devicePage/profileReset.h"
#include "ui/widgets/DQuestionDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

using namespace devicePageTest;

namespace {

const QByteArray kSerial = "P1e2R3f4P5a6G7e8P9a0G1e2P3a4G5e6";

template <typename T>
T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

// Answers the next modal question with the button of that text.
void answerNextQuestion(const QString &buttonText)
{
    QTimer::singleShot(50, [buttonText] {
        QWidget *box = QApplication::activeModalWidget();
        // The tool's own question, never the platform's message box.
        QVERIFY(box && !qobject_cast<QMessageBox *>(box));
        QVERIFY(qobject_cast<DQuestionDialog *>(box));
        const QString shots = qEnvironmentVariable("VARDEX_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            box->grab().save(shots + QStringLiteral("/reset-question.png"));
        for (QPushButton *button : box->findChildren<QPushButton *>())
            if (button->text() == buttonText)
                button->click();
    });
}

// A folder nothing may be written into, also for root (immutable flag).
// Returns false when the platform cannot give one.
bool makeFolderReadOnly(const QString &dir, bool readOnly)
{
    if (::geteuid() != 0)
        return ::chmod(QFile::encodeName(dir).constData(), readOnly ? 0555 : 0755) == 0;
    return QProcess::execute(QStringLiteral("chattr"), {readOnly ? QStringLiteral("+i") : QStringLiteral("-i"), dir}) == 0;
}

// Bytes 9 to 12 of the last set-sleep-times report the simulated keyboard
// received, as the simulator's log shows them (empty without a log).
QByteArray lastSleepTimeBytes()
{
    QFile log(qEnvironmentVariable("VARDEX_SIM_LOG"));
    if (!log.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray found;
    for (const QByteArray &line : log.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 4 && fields.at(2) == ">" && fields.at(3).toLower().startsWith("011301"))
            found = fields.at(3).mid(18, 8).toLower();
    }
    return found;
}

} // namespace

class tst_performancepage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sleepTimes_data();
    void sleepTimes();
    void sleepTimeWithoutAnswerKeepsProfile();
    void answerOfAnotherKeyboardDoesNotCount();
    void lockSwitches_data();
    void lockSwitches();
    void resetKeepsNameAndClearsSettings();
    void resetAnsweredNoChangesNothing();
    void failedResetKeepsProfile();
    void withoutKeyboardNothingIsSent();

private:
    bool startKeyboard(int keyboards = 1);
    DPerformancePage *showPerformancePage();
    ProfileSleepTimeInfo storedSleep() const;
    ProfileFunctionInfo storedLocks() const;
    CVardexSimState simState() const;

    std::unique_ptr<DDevicePage> m_page;
    QByteArray m_simPath;
};

void tst_performancepage::initTestCase()
{
    // The log of earlier runs goes; the simulator appends to it.
    if (!qEnvironmentVariableIsEmpty("VARDEX_SIM_LOG"))
        QFile::resize(qEnvironmentVariable("VARDEX_SIM_LOG"), 0);
    QVERIFY(startLibrary());
}

void tst_performancepage::init()
{
    QDir dir(DDataManager::instance()->userConfigDir());
    for (const QString &sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QDir(dir.filePath(sub)).removeRecursively();
}

void tst_performancepage::cleanup()
{
    destroyPage(m_page);
}

bool tst_performancepage::startKeyboard(int keyboards)
{
    QList<SimDevice> devices{{"Belvi", false, true, kSerial}};
    if (keyboards > 1)
        devices.append({"Caspo", false, true, "Q1w2E3r4T5y6U7i8O9p0A1s2D3f4G5h6"});
    if (CVardexSim_LoadScenarioText(scenarioJson(devices).constData()) != 0)
        return false;
    m_simPath = pathOfModel("Belvi", false).toLatin1();
    m_page = std::make_unique<DDevicePage>();
    m_page->resize(1280, 700);
    m_page->show();
    if (!QTest::qWaitFor([&] { return m_page->currentLink() && !m_page->profileXmlPath().isEmpty(); }, kHangMs))
        return false;
    if (keyboards > 1 && !QTest::qWaitFor([&] { return m_page->keyboardLinks().size() == keyboards; }, kHangMs))
        return false;
    // The current keyboard must be the first one.
    if (currentPath(m_page.get()).toLatin1() != m_simPath)
        return false;
    // The link stores the keyboard's own sleep times when it opens (a new
    // profile has none); let that land, then give the profile values of its own.
    if (!QTest::qWaitFor([&] {
            const ProfileSleepTimeInfo sleep = storedSleep();
            const CVardexSimState keyboard = simState();
            return sleep.lightSleepSeconds == keyboard.lightSleepSeconds
                && sleep.keyboardSleepMinutes == keyboard.keyboardSleepSeconds / 60;
        }, kHangMs))
        return false;
    return CVardexXML_SetProFileIntoSleepTimeInfo(m_page->profileXmlPath().constData(),
                                                  QByteArray::number(m_page->currentProfileIndex()).constData(), 111,
                                                  22);
}

DPerformancePage *tst_performancepage::showPerformancePage()
{
    m_page->onCurIndexChangedMainPage(2);
    return m_page->performancePage();
}

ProfileSleepTimeInfo tst_performancepage::storedSleep() const
{
    ProfileSleepTimeInfo sleep {-1, -1};
    CVardexXML_GetProFileIntoSleepTimeInfo(m_page->profileXmlPath().constData(),
                                           QByteArray::number(m_page->currentProfileIndex()).constData(), &sleep);
    return sleep;
}

ProfileFunctionInfo tst_performancepage::storedLocks() const
{
    // Preset as the page does: a profile without switches has them off.
    ProfileFunctionInfo locks {{'0'}, {'0'}, {'0'}, {'0'}};
    CVardexXML_GetProFileFunctionInfo(m_page->profileXmlPath().constData(),
                                      QByteArray::number(m_page->currentProfileIndex()).constData(), &locks);
    return locks;
}

CVardexSimState tst_performancepage::simState() const
{
    CVardexSimState state {};
    CVardexSim_GetState(m_simPath.constData(), &state);
    return state;
}

void tst_performancepage::sleepTimes_data()
{
    QTest::addColumn<QString>("light");
    QTest::addColumn<QString>("keyboard");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<int>("sentLight");    // -1: nothing reaches the keyboard
    QTest::addColumn<int>("sentKeyboard");

    const QString set = QStringLiteral("Sleep time has been set");
    const QString lightLonger =
        QStringLiteral("The time when the light enters sleep cannot be longer than the keyboard enters sleep");
    const QString tooShort = QStringLiteral("Keyboard enters sleep time is too short");
    const QString lightRange = QStringLiteral("The light sleep time must be from 0 to 60000 seconds");
    const QString keyboardRange = QStringLiteral("The keyboard sleep time must be from 5 to 1000 minutes");
    QTest::newRow("0 s, 5 min") << "0" << "5" << set << 0 << 300;
    QTest::newRow("equal times pass") << "300" << "5" << set << 300 << 300;
    QTest::newRow("largest values") << "1000" << "1000" << set << 1000 << 60000;
    QTest::newRow("light longer") << "400" << "5" << lightLonger << -1 << -1;
    QTest::newRow("light 301 s") << "301" << "5" << lightLonger << -1 << -1;
    QTest::newRow("keyboard 4 min") << "100" << "4" << tooShort << -1 << -1;
    QTest::newRow("keyboard 4 min, light first") << "600" << "4" << lightLonger << -1 << -1;
    QTest::newRow("empty keyboard") << "" << "" << tooShort << -1 << -1;
    // Values the report's 16-bit fields would wrap.
    QTest::newRow("light 70000 s") << "70000" << "1000" << lightRange << -1 << -1;
    QTest::newRow("keyboard 1100 min") << "100" << "1100" << keyboardRange << -1 << -1;
    QTest::newRow("keyboard 99999999 min") << "100" << "99999999" << keyboardRange << -1 << -1;
}

void tst_performancepage::sleepTimes()
{
    QFETCH(QString, light);
    QFETCH(QString, keyboard);
    QFETCH(QString, notice);
    QFETCH(int, sentLight);
    QFETCH(int, sentKeyboard);
    QVERIFY(startKeyboard());
    // The light-sync stream writes all the time; this test counts the page's writes.
    m_page->lightEngine()->setLightSynchronous(false);
    DPerformancePage *page = showPerformancePage();
    const CVardexSimState before = simState();
    const ProfileSleepTimeInfo storedBefore = storedSleep();

    // Past the validators, as a pasted or half-typed text would be.
    child<QLineEdit>(page, "lineEdit_LightSleep")->setValidator(nullptr);
    child<QLineEdit>(page, "lineEdit_KeyboardSleep")->setValidator(nullptr);
    child<QLineEdit>(page, "lineEdit_LightSleep")->setText(light);
    child<QLineEdit>(page, "lineEdit_KeyboardSleep")->setText(keyboard);
    QTest::mouseClick(child<QPushButton>(page, "pushButton_SubmitSleepTime"), Qt::LeftButton);
    QCOMPARE(m_page->lastNotice(), notice);

    const CVardexSimState after = simState();
    const ProfileSleepTimeInfo stored = storedSleep();
    if (sentLight < 0) {
        QCOMPARE(after.writesReceived - before.writesReceived <= 1, true); // a keep-alive at most
        QCOMPARE(after.lightSleepSeconds, before.lightSleepSeconds);
        QCOMPARE(after.keyboardSleepSeconds, before.keyboardSleepSeconds);
        QCOMPARE(stored.lightSleepSeconds, storedBefore.lightSleepSeconds);
        QCOMPARE(stored.keyboardSleepMinutes, storedBefore.keyboardSleepMinutes);
    } else {
        QCOMPARE(after.lightSleepSeconds, sentLight);
        QCOMPARE(after.keyboardSleepSeconds, sentKeyboard);
        // Both times high byte first, as the keyboard reads them.
        if (!qEnvironmentVariableIsEmpty("VARDEX_SIM_LOG"))
            QCOMPARE(lastSleepTimeBytes(), QByteArray::number((sentLight << 16) | sentKeyboard, 16).rightJustified(8, '0'));
        QCOMPARE(stored.lightSleepSeconds, sentLight);
        QCOMPARE(stored.keyboardSleepMinutes, sentKeyboard / 60);
        // Showing the page again brings back what the profile holds.
        showPerformancePage();
        QCOMPARE(child<QLineEdit>(page, "lineEdit_LightSleep")->text(), QString::number(sentLight));
        QCOMPARE(child<QLineEdit>(page, "lineEdit_KeyboardSleep")->text(), QString::number(sentKeyboard / 60));
    }
}

void tst_performancepage::sleepTimeWithoutAnswerKeepsProfile()
{
    QVERIFY(startKeyboard());
    CVardexSim_SetFault(m_simPath.constData(), SIM_FAULT_DROP_ACKS, 1);
    const ProfileSleepTimeInfo before = storedSleep();
    m_page->onLightAndKeyboardSleepTime(120, 600);
    QCOMPARE(m_page->lastNotice(), QStringLiteral("Sleep time set failed"));
    // The keyboard may have taken the values; the profile keeps its own.
    QCOMPARE(simState().keyboardSleepSeconds, 600);
    QCOMPARE(storedSleep().lightSleepSeconds, before.lightSleepSeconds);
    QCOMPARE(storedSleep().keyboardSleepMinutes, before.keyboardSleepMinutes);
    CVardexSim_SetFault(m_simPath.constData(), SIM_FAULT_DROP_ACKS, 0);
}

void tst_performancepage::answerOfAnotherKeyboardDoesNotCount()
{
    QVERIFY(startKeyboard(2));
    DDeviceKeyboardLink *other = nullptr;
    for (DDeviceKeyboardLink *link : m_page->keyboardLinks())
        if (link != m_page->currentLink())
            other = link;
    QVERIFY(other);
    CVardexSim_SetFault(m_simPath.constData(), SIM_FAULT_DROP_ACKS, 1);
    QTimer::singleShot(100, other, [other] { emit other->sigSleepTimeSetSuccessful(); });
    const ProfileSleepTimeInfo before = storedSleep();
    m_page->onLightAndKeyboardSleepTime(120, 600);
    QCOMPARE(m_page->lastNotice(), QStringLiteral("Sleep time set failed"));
    QCOMPARE(storedSleep().keyboardSleepMinutes, before.keyboardSleepMinutes);
    CVardexSim_SetFault(m_simPath.constData(), SIM_FAULT_DROP_ACKS, 0);
}

void tst_performancepage::lockSwitches_data()
{
    QTest::addColumn<int>("combination"); // bit 0 Windows key, 1 Shift+Tab, 2 Alt+Tab, 3 Alt+F4
    for (int c = 0; c < 16; ++c)
        QTest::newRow(qPrintable(QStringLiteral("switches %1").arg(c))) << c;
}

void tst_performancepage::lockSwitches()
{
    QFETCH(int, combination);
    QVERIFY(startKeyboard());
    DPerformancePage *page = showPerformancePage();
    const char *boxes[] = {"checkBox_disableWindowsKey", "checkBox_disableSHIFT_TAB", "checkBox_disableALT_TAB",
                           "checkBox_disableALT_F4"};
    // Start from the opposite state, so every box of the combination changes.
    for (int i = 0; i < 4; ++i)
        child<QCheckBox>(page, boxes[i])->setChecked(!(combination & (1 << i)));
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(child<QCheckBox>(page, boxes[i]), Qt::LeftButton);

    const bool win = combination & 1, shiftTab = combination & 2, altTab = combination & 4, altF4 = combination & 8;
    QVERIFY(QTest::qWaitFor([&] {
        const CVardexSimState s = simState();
        return s.lockSwitches[0] == win && s.lockSwitches[1] == shiftTab && s.lockSwitches[2] == altTab
            && s.lockSwitches[3] == altF4;
    }, kHangMs));
    const ProfileFunctionInfo stored = storedLocks();
    QCOMPARE(QByteArray(stored.altTab), QByteArray(altTab ? "1" : "0"));
    QCOMPARE(QByteArray(stored.altF4), QByteArray(altF4 ? "1" : "0"));
    QCOMPARE(QByteArray(stored.shiftTab), QByteArray(shiftTab ? "1" : "0"));
    QCOMPARE(QByteArray(stored.winKey), QByteArray(win ? "1" : "0"));
}

void tst_performancepage::resetKeepsNameAndClearsSettings()
{
    QVERIFY(startKeyboard());
    const QByteArray path = m_page->profileXmlPath();
    const QByteArray index = QByteArray::number(m_page->currentProfileIndex());
    QVERIFY(CVardexXML_ModifyProfileNodeInfo(path.constData(), index.constData(), "Gaming"));
    QVERIFY(CVardexXML_AddProFileFunctionInfo(path.constData(), index.constData(), "1", "1", "1", "1"));
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(path.constData(), index.constData(), "4", "A", "5", "1", "0",
                                                       "0"));
    const int resetsBefore = simState().resetCount;

    showPerformancePage();
    answerNextQuestion(QStringLiteral("Yes"));
    QTest::mouseClick(child<QPushButton>(m_page->performancePage(), "pushButton_Restore"), Qt::LeftButton);

    QCOMPARE(m_page->lastNotice(), QStringLiteral("Reset the current profile successful"));
    ProfileNodeInfo info {};
    QVERIFY(CVardexXML_SelectProfileNodeInfo(path.constData(), index.constData(), &info));
    QCOMPARE(QByteArray(info.name), QByteArray("Gaming"));
    QCOMPARE(QByteArray(storedLocks().winKey), QByteArray("0"));
    std::list<std::string> bound;
    CVardexXML_ProFileKeyInfoSelectAll(path.constData(), index.constData(), bound);
    QVERIFY(bound.empty());
    std::list<CustomLightNodeEntry> lights;
    CVardexXML_SelectProFileCustomLightAllNodes(path.constData(), index.constData(), lights);
    QCOMPARE(int(lights.size()), 5);
    QCOMPARE(m_page->currentMainPage(), 0); // back on the key page
    QTRY_COMPARE_WITH_TIMEOUT(simState().resetCount, resetsBefore + 1, kHangMs);
    // The keyboard's own sleep times replace the profile's.
    QTRY_COMPARE_WITH_TIMEOUT(storedSleep().keyboardSleepMinutes, simState().keyboardSleepSeconds / 60, kHangMs);
}

void tst_performancepage::resetAnsweredNoChangesNothing()
{
    QVERIFY(startKeyboard());
    const QByteArray path = m_page->profileXmlPath();
    const QByteArray index = QByteArray::number(m_page->currentProfileIndex());
    QVERIFY(CVardexXML_AddProFileFunctionInfo(path.constData(), index.constData(), "1", "0", "0", "1"));
    const int resetsBefore = simState().resetCount;
    answerNextQuestion(QStringLiteral("No"));
    m_page->onResetoreCurrentProfile();
    QTest::qWait(200);
    QCOMPARE(QByteArray(storedLocks().altTab), QByteArray("1"));
    QCOMPARE(simState().resetCount, resetsBefore);
}

void tst_performancepage::failedResetKeepsProfile()
{
    QVERIFY(startKeyboard());
    const QByteArray path = m_page->profileXmlPath();
    const QByteArray index = QByteArray::number(m_page->currentProfileIndex());
    QVERIFY(CVardexXML_ModifyProfileNodeInfo(path.constData(), index.constData(), "Office"));
    QVERIFY(CVardexXML_AddProFileFunctionInfo(path.constData(), index.constData(), "1", "1", "0", "0"));
    const QString folder = QFileInfo(QFile::decodeName(path)).absolutePath();
    const QByteArray before = [&] {
        QFile f(QFile::decodeName(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    if (!makeFolderReadOnly(folder, true))
        QSKIP("no read-only folder on this system");
    const int resetsBefore = simState().resetCount;
    answerNextQuestion(QStringLiteral("Yes"));
    m_page->onResetoreCurrentProfile();
    makeFolderReadOnly(folder, false);

    QCOMPARE(m_page->lastNotice(), QStringLiteral("The current profile could not be reset"));
    QFile file(QFile::decodeName(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    // The store reads what the file holds: the profile as it was.
    QCOMPARE(QByteArray(storedLocks().altTab), QByteArray("1"));
    ProfileNodeInfo info {};
    QVERIFY(CVardexXML_SelectProfileNodeInfo(path.constData(), index.constData(), &info));
    QCOMPARE(QByteArray(info.name), QByteArray("Office"));
    QCOMPARE(simState().resetCount, resetsBefore);
}

// No keyboard is current: the page's controls are off and a request that
// still arrives is refused with a message instead of going nowhere.
void tst_performancepage::withoutKeyboardNothingIsSent()
{
    QCOMPARE(CVardexSim_LoadScenarioText("{\"devices\":[]}"), 0);
    m_page = std::make_unique<DDevicePage>();
    m_page->show();
    QTest::qWait(400);
    QVERIFY(!m_page->currentLink());
    DPerformancePage *page = showPerformancePage();
    QVERIFY(!child<QWidget>(page, "frame_Center")->isEnabled());
    QVERIFY(!child<QPushButton>(page, "pushButton_Restore")->isEnabled());
    QVERIFY(child<QPushButton>(page, "pushButton_keyboardProperties")->isEnabled());

    const QString offline = QStringLiteral("The device is offline");
    m_page->onLightAndKeyboardSleepTime(0, 300);
    QCOMPARE(m_page->lastNotice(), offline);
    m_page->onLockWinKeyAbout(1, 1, 1, 1);
    QCOMPARE(m_page->lastNotice(), offline);
    m_page->onResetoreCurrentProfile();
    QCOMPARE(m_page->lastNotice(), offline);
}

QTEST_MAIN(tst_performancepage)
#include "tst_performancepage.moc"
