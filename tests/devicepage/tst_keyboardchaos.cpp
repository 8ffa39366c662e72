// A seeded random schedule against the real window: keyboards are plugged,
// unplugged, plugged back quickly and moved in and out of their receivers'
// reach (also some time later) while tiles, pages, light effects, Download
// and the dialogs are driven, and after every turn of the event loop the
// window must name one keyboard, or none, in all its parts; a Download may
// reach only the keyboard named when it began. A plugged keyboard's link
// must not stay on a dead handle, nor a keyboard out of reach stay current.
//
// Runs about a minute; VARDEX_CHAOS_SECONDS asks for longer (or shorter),
// VARDEX_CHAOS_SEED repeats a schedule (timing still varies). The seed is
// printed at the start and with every failure.
#include "keyboardAgreement.h"

#include "ui/macro/DMacroPage.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/keyboardView/hidDeviceJoinFrame.h"
#include "ui/settings/DSettingsDia.h"
#include "../testWait.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <cstring>
#include <random>

using namespace devicePageTest;
using namespace keyboardAgreement;

class tst_keyboardchaos : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomSchedule_data();
    void randomSchedule();

private:
    struct Keyboard
    {
        QByteArray path;
        bool receiver = false;
        bool plugged = true;
        bool reachable = true;
        qint64 deadSinceMs = -1;        // plugged, linked, and no handle open
        qint64 unreachedSinceMs = -1;   // current while out of reach
    };

    int pick(int count) { return count <= 0 ? 0 : int(m_random() % unsigned(count)); }
    bool chance(int percent) { return pick(100) < percent; }
    void hotplugAction();
    // Pulled out and plugged back within the hot-plug batch.
    void replugQuickly(int index);
    // A receiver's keyboard goes out of reach (its receiver perhaps re-plugged
    // meanwhile) and comes back into reach a while later.
    void comeIntoReachLater(int index);
    void checkLiveness();
    void windowAction();
    void download();
    void clickSomewhere(QWidget *root);
    // Runs the event loop for about `ms`, checking the window after every turn.
    void run(int ms);
    void check(const QString &when);
    void fail(const QString &why);
    // Modal dialogs and menus the schedule opened are closed by a timer; it
    // also moves keyboards while they are open.
    void onWatchdog();

    std::unique_ptr<DMainWidget> m_window;
    DDevicePage *m_page = nullptr;
    std::mt19937 m_random;
    quint32 m_seed = 0;
    int m_step = 0;
    QString m_action;
    QString m_problem;
    QList<Keyboard> m_keyboards;
    QString m_log;
    QTimer m_watchdog;
    QPointer<QWidget> m_modalSeen;
    int m_downloads = 0;
    int m_hotplugs = 0;
    int m_replugs = 0;
    int m_reachLater = 0;
    QElapsedTimer m_clock;
    qint64 m_lastLivenessMs = -1000;
};

void tst_keyboardchaos::initTestCase()
{
    QVERIFY(startLibrary());
    bool seeded = false;
    m_seed = qEnvironmentVariable("VARDEX_CHAOS_SEED").toUInt(&seeded);
    if (!seeded)
        m_seed = std::random_device {}();
    m_random.seed(m_seed);
    qInfo("chaos seed %u", m_seed);

    static QTemporaryDir dir;
    QVERIFY(dir.isValid());
    m_log = dir.filePath(QStringLiteral("sim.log"));
    QCOMPARE(CVardexSim_SetLogFile(QFile::encodeName(m_log).constData()), 0);

    QCOMPARE(CVardexSim_LoadScenarioText(scenarioJson({{"Brisko", false, true, "5a1e0c3d9b7f4e21a6c8d0f2b4e6a8c0"},
                                                       {"Yolma", true, false, "7c3b9e15d2a84f60b1e7c4a9d3f8e2b5"},
                                                       {"Caspo", true, true, "9999aaaabbbbccccddddeeeeffff0000"},
                                                       {"Pravo", false, true, "0a1b2c3d4e5f60718293a4b5c6d7e8f9"}})
                                             .constData()),
             0);
    for (const char *model : {"Brisko", "Yolma", "Caspo", "Pravo"}) {
        Keyboard k;
        k.receiver = std::strcmp(model, "Yolma") == 0 || std::strcmp(model, "Caspo") == 0;
        k.reachable = std::strcmp(model, "Yolma") != 0;
        k.path = pathOfModel(model, k.receiver).toLatin1();
        QVERIFY(!k.path.isEmpty());
        m_keyboards << k;
    }

    DMainWidget::factories().devicePage = [](QWidget *parent) { return new DDevicePage(parent); };
    DMainWidget::factories().settingsDialog = [](QWidget *parent) { return new DSettingsDia(parent); };
    DMainWidget::factories().macroDialog = [](QWidget *parent, const char *macroXmlPath) -> QDialog * {
        auto *editor = new DMacroPage(parent);
        if (!editor->setMacroXmlPath(macroXmlPath)) {
            delete editor;
            return nullptr;
        }
        return editor;
    };
    DMainWidget::trayAvailable() = [] { return false; };
    m_window = std::make_unique<DMainWidget>();
    m_window->resize(1280, 715);
    m_window->show();
    m_page = m_window->findChild<DDevicePage *>();
    QVERIFY(m_page);
    QVERIFY(QTest::qWaitFor([&] { return !m_page->deviceTiles().isEmpty(); }, testWait::kHangMs));

    m_clock.start();
    m_watchdog.setInterval(120);
    connect(&m_watchdog, &QTimer::timeout, this, &tst_keyboardchaos::onWatchdog);
    m_watchdog.start();
}

void tst_keyboardchaos::cleanupTestCase()
{
    m_watchdog.stop();
    m_page = nullptr;
    m_window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    CVardexSim_SetLogFile(nullptr);
}

void tst_keyboardchaos::fail(const QString &why)
{
    if (m_problem.isEmpty())
        m_problem = QStringLiteral("seed %1, step %2 (%3): %4").arg(m_seed).arg(m_step).arg(m_action, why);
}

void tst_keyboardchaos::check(const QString &when)
{
    if (!m_page)
        return;
    const QStringList problems = disagreements(m_window.get(), m_page);
    if (!problems.isEmpty())
        fail(when + QStringLiteral(": ") + problems.join(QStringLiteral("; ")));
    checkLiveness();
}

void tst_keyboardchaos::checkLiveness()
{
    // Bounds that only end a hang: the page looks again within a hot-plug
    // batch, and a receiver reports its reach every 200 ms once its link is
    // through its inquiries or their bounded wait.
    const qint64 kLingerMs = 10000;
    const qint64 now = m_clock.elapsed();
    if (now - m_lastLivenessMs < 100)
        return;
    m_lastLivenessMs = now;
    const QMap<QString, DDeviceKeyboardLink *> links = m_page->keyboardLinks();
    const QString named = namedPath(m_page);
    for (Keyboard &k : m_keyboards) {
        CVardexSimState state {};
        if (CVardexSim_GetState(k.path.constData(), &state) != 0)
            continue;
        const QString path = QString::fromLatin1(k.path);
        const bool dead = state.plugged && state.openHandles == 0 && links.contains(path);
        k.deadSinceMs = dead ? (k.deadSinceMs < 0 ? now : k.deadSinceMs) : -1;
        if (dead && now - k.deadSinceMs > kLingerMs)
            fail(QStringLiteral("the link of %1 has been on a dead handle for %2 ms").arg(path).arg(now - k.deadSinceMs));
        const bool unreached = state.plugged && k.receiver && !state.reachable && named == path;
        k.unreachedSinceMs = unreached ? (k.unreachedSinceMs < 0 ? now : k.unreachedSinceMs) : -1;
        if (unreached && now - k.unreachedSinceMs > kLingerMs)
            fail(QStringLiteral("%1 has been current out of reach for %2 ms").arg(path).arg(now - k.unreachedSinceMs));
    }
}

void tst_keyboardchaos::run(int ms)
{
    QElapsedTimer clock;
    clock.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        check(QStringLiteral("after the step"));
        if (!m_problem.isEmpty())
            return;
        QTest::qSleep(1);
    } while (clock.elapsed() < ms);
}

void tst_keyboardchaos::onWatchdog()
{
    check(QStringLiteral("while a dialog or download ran"));
    QWidget *popup = QApplication::activePopupWidget();
    if (popup) {
        popup->close();
        return;
    }
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal) {
        m_modalSeen = nullptr;
        return;
    }
    // Keyboards come and go while the dialog is open; it is closed on the
    // next tick at the earliest.
    if (chance(40))
        hotplugAction();
    if (modal == m_modalSeen && chance(50)) {
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
        m_modalSeen = nullptr;
    } else {
        m_modalSeen = modal;
    }
}

void tst_keyboardchaos::hotplugAction()
{
    ++m_hotplugs;
    const int index = pick(m_keyboards.size());
    Keyboard &k = m_keyboards[index];
    const int kind = pick(10);
    if (kind < 3 && k.plugged) {
        replugQuickly(index);
        return;
    }
    if (kind < 5 && k.receiver) {
        comeIntoReachLater(index);
        return;
    }
    if (!k.plugged) {
        CVardexSim_Plug(k.path.constData());
        k.plugged = true;
    } else if (k.receiver && chance(60)) {
        k.reachable = !k.reachable;
        CVardexSim_SetReachable(k.path.constData(), k.reachable ? 1 : 0, 1);
    } else {
        CVardexSim_Unplug(k.path.constData());
        k.plugged = false;
    }
}

void tst_keyboardchaos::replugQuickly(int index)
{
    // The plug comes by a timer, so that whatever the schedule does next
    // runs into it; the gaps straddle the hot-plug batch (300 ms).
    ++m_replugs;
    Keyboard &k = m_keyboards[index];
    CVardexSim_Unplug(k.path.constData());
    k.plugged = false;
    QTimer::singleShot(50 + pick(351), this, [this, index] {
        Keyboard &back = m_keyboards[index];
        CVardexSim_Plug(back.path.constData());
        back.plugged = true;
    });
}

void tst_keyboardchaos::comeIntoReachLater(int index)
{
    ++m_reachLater;
    Keyboard &k = m_keyboards[index];
    if (k.reachable) {
        CVardexSim_SetReachable(k.path.constData(), 0, 1);
        k.reachable = false;
    }
    if (!k.plugged) {
        CVardexSim_Plug(k.path.constData());
        k.plugged = true;
    } else if (chance(50)) {
        replugQuickly(index);
    }
    QTimer::singleShot(300 + pick(2200), this, [this, index] {
        Keyboard &later = m_keyboards[index];
        CVardexSim_SetReachable(later.path.constData(), 1, 1);
        later.reachable = true;
    });
}

void tst_keyboardchaos::clickSomewhere(QWidget *root)
{
    QList<QAbstractButton *> buttons;
    for (QAbstractButton *b : root->findChildren<QAbstractButton *>())
        if (b->isVisible() && b->isEnabled() && b->objectName() != QLatin1String("pushButton_Download"))
            buttons << b;
    if (buttons.isEmpty())
        return;
    QAbstractButton *b = buttons.at(pick(buttons.size()));
    m_action += QLatin1Char(' ') + b->objectName();
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
}

void tst_keyboardchaos::download()
{
    auto *button = m_page->customKeysPage()->findChild<QPushButton *>(QStringLiteral("pushButton_Download"));
    if (!button)
        return;
    ++m_downloads;
    const QString named = namedPath(m_page);
    const qint64 before = QFileInfo(m_log).size();
    button->click(); // returns when the download is over
    const QStringList targets = downloadTargets(writtenCommands(m_log, before));
    if (!targets.isEmpty() && targets != QStringList{named})
        fail(QStringLiteral("a Download begun on \"%1\" reached %2").arg(named, targets.join(QLatin1Char(' '))));
}

void tst_keyboardchaos::windowAction()
{
    const int kind = pick(10);
    switch (kind) {
    case 0: { // a tile
        const QList<DDeviceListItem *> tiles = m_page->deviceTiles().values();
        if (!tiles.isEmpty()) {
            DDeviceListItem *tile = tiles.at(pick(tiles.size()));
            m_action = QStringLiteral("click tile ") + QString::fromLatin1(tile->hidInfo().hidName);
            QTest::mouseClick(tile, Qt::LeftButton);
        }
        break;
    }
    case 1: { // a page of the tool row
        static const char *const pages[] = {"toolButton_CustomKey", "toolButton_LightConfig", "toolButton_Performance"};
        const char *name = pages[pick(3)];
        m_action = QStringLiteral("page ") + QLatin1String(name);
        if (auto *b = m_page->findChild<QToolButton *>(QLatin1String(name)))
            b->click();
        break;
    }
    case 2:
        m_action = QStringLiteral("light page");
        clickSomewhere(m_page->lightsConfigPage());
        break;
    case 3:
        m_action = QStringLiteral("key page");
        clickSomewhere(m_page->customKeysPage());
        break;
    case 4:
        m_action = QStringLiteral("performance page");
        clickSomewhere(m_page->performancePage());
        break;
    case 5:
        m_action = QStringLiteral("download");
        download();
        break;
    case 6:
        m_action = QStringLiteral("macro dialog");
        if (auto *b = m_page->findChild<QToolButton *>(QStringLiteral("toolButton_MacroDialog")))
            b->click(); // modal: the watchdog closes it
        break;
    case 7:
        m_action = QStringLiteral("settings dialog");
        if (auto *b = m_window->findChild<QPushButton *>(QStringLiteral("pushButton_Setting")))
            b->click();
        break;
    case 8: { // a profile of the list
        auto *combo = m_page->findChild<QComboBox *>(QStringLiteral("comboBox_profileList"));
        m_action = QStringLiteral("profile list");
        if (combo && combo->count() > 0)
            combo->setCurrentIndex(pick(combo->count()));
        break;
    }
    default: { // a key of the drawing
        m_action = QStringLiteral("key of the drawing");
        if (hidDeviceJoinFrame *view = m_page->keyboardView())
            clickSomewhere(view);
        break;
    }
    }
}

void tst_keyboardchaos::randomSchedule_data()
{
    // One row a minute: each reports its progress, and a failure names the
    // minute it came in. The rows go on with one schedule and window.
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("VARDEX_CHAOS_SECONDS", &ok);
    const int total = ok && seconds > 0 ? seconds : 60;
    QTest::addColumn<int>("seconds");
    QTest::addColumn<bool>("last");
    for (int done = 0, minute = 1; done < total; done += 60, ++minute)
        QTest::newRow(qPrintable(QStringLiteral("minute %1").arg(minute))) << qMin(60, total - done) << (done + 60 >= total);
}

void tst_keyboardchaos::randomSchedule()
{
    QFETCH(int, seconds);
    QFETCH(bool, last);
    QVERIFY2(m_problem.isEmpty(), "an earlier minute failed");
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000LL && m_problem.isEmpty()) {
        ++m_step;
        if (chance(35)) {
            m_action = QStringLiteral("hot-plug");
            hotplugAction();
        } else {
            windowAction();
        }
        // Short pauses land in the middle of the page's roads, long ones let
        // them finish.
        run(chance(70) ? pick(120) : 300 + pick(900));
    }
    if (last && m_problem.isEmpty()) {
        // The end: every keyboard back and in reach, and the window settles
        // on one of them.
        m_action = QStringLiteral("final plug");
        for (Keyboard &k : m_keyboards) {
            if (!k.plugged)
                CVardexSim_Plug(k.path.constData());
            if (k.receiver)
                CVardexSim_SetReachable(k.path.constData(), 1, 1);
            k.plugged = k.reachable = true;
        }
        QElapsedTimer settle;
        settle.start();
        while (m_problem.isEmpty() && (namedPath(m_page).isEmpty() || m_page->profileFolder().isEmpty()) &&
               settle.elapsed() < testWait::kHangMs)
            run(50);
        if (namedPath(m_page).isEmpty())
            fail(QStringLiteral("no keyboard current after all came back"));
        // Every keyboard open on a live handle, and a Download that reaches
        // the one named.
        settle.restart();
        auto allOpen = [this] {
            for (const Keyboard &k : qAsConst(m_keyboards)) {
                CVardexSimState state {};
                if (CVardexSim_GetState(k.path.constData(), &state) != 0 || state.openHandles < 1)
                    return false;
            }
            return true;
        };
        // A re-plug still on its way sets the named keyboard up again.
        auto settled = [&] { return allOpen() && !namedPath(m_page).isEmpty() && !m_page->profileFolder().isEmpty(); };
        while (m_problem.isEmpty() && !settled() && settle.elapsed() < testWait::kHangMs)
            run(50);
        if (m_problem.isEmpty() && !settled()) {
            QStringList closed;
            for (const Keyboard &k : qAsConst(m_keyboards)) {
                CVardexSimState state {};
                CVardexSim_GetState(k.path.constData(), &state);
                if (state.openHandles < 1)
                    closed << QString::fromLatin1(k.path) + (m_page->keyboardLinks().contains(QString::fromLatin1(k.path))
                                                                 ? QStringLiteral(" (linked)")
                                                                 : QStringLiteral(" (no link)"));
            }
            fail(QStringLiteral("after all came back: not open %1; named \"%2\", profile folder \"%3\"")
                     .arg(closed.join(QLatin1Char(' ')), namedPath(m_page), m_page->profileFolder()));
        }
        if (m_problem.isEmpty()) {
            m_action = QStringLiteral("final download");
            const QString named = namedPath(m_page);
            const qint64 before = QFileInfo(m_log).size();
            download();
            const QStringList targets = downloadTargets(writtenCommands(m_log, before));
            if (m_problem.isEmpty() && (targets != QStringList{named} ||
                                        m_page->lastNotice() != QLatin1String("Download config successful")))
                fail(QStringLiteral("the final Download on %1 reached \"%2\" with \"%3\"")
                         .arg(named, targets.join(QLatin1Char(' ')), m_page->lastNotice()));
        }
    }
    // Past the test library's message limit (the window logs a lot) only
    // standard error still carries the progress.
    std::fprintf(stderr,
                 "chaos seed %u: %d steps, %d hot-plug actions (%d quick re-plugs, %d reach-later), %d downloads so far\n",
                 m_seed, m_step, m_hotplugs, m_replugs, m_reachLater, m_downloads);
    QVERIFY2(m_problem.isEmpty(), qPrintable(m_problem));
}

int main(int argc, char *argv[])
{
    // The test library ends a test function after five minutes; a longer
    // schedule asks for longer.
    const int seconds = qEnvironmentVariableIntValue("VARDEX_CHAOS_SECONDS");
    if (seconds > 0 && !qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number((qint64(seconds) + 300) * 1000));
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    tst_keyboardchaos test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_keyboardchaos.moc"
