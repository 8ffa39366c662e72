#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QtTest>
#include <QScreen>

#include <unistd.h>

#include <cstring>

#include "app/QtLinguist.h"
#include "data/DDataManager.h"
#include "platform/autostart.h"
#include "platform/hotplugMonitor.h"
#include "ui/mainwidget/DMainWidget.h"
#include "vardexSdk.h"
#include "../testWait.h"

// Stands in for the device page: records what the window asks of it.
class FakeDevicePage : public DDevicePageView
{
    Q_OBJECT
public:
    using DDevicePageView::DDevicePageView;
    QList<int> kinds;
    QList<qint64> at;
    QElapsedTimer clock;
    bool listVisible = true;
    int stopCalls = 0;

    void updateHidList(int kind, QString) override
    {
        kinds << kind;
        at << clock.elapsed();
    }
    void retranslate() override {}
    void setDeviceListVisible(bool v) override { listVisible = v; }
    void stopLightSyncIfRunning() override { ++stopCalls; }
};

class TstMainWidget : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstRunWritesDefaults();
    void existingAutoStartKeyWritesNothing();
    void minimumSizeRule_data();
    void minimumSizeRule();
    void edgeRegions_data();
    void edgeRegions();
    void edgeResize_data();
    void edgeResize();
    void fitsASmallScreen();
    void maximisedWindowStays();
    void lightInitFailing();
    void vendorStartUp();
    void hotplugReachesDevicePageOnce();
    void simulatedPlugReachesDevicePage();
    void unsupportedDeviceIgnored();
    void closeButton_data();
    void closeButton();
    void listToggleAndNames();
    void titleNamesKeepTheirOrderRightToLeft();
    void languageSwitchRetranslates();

private:
    void resetSdk(int lightResult);
    static void sendMouse(QWidget *w, QEvent::Type type, const QPoint &global, Qt::MouseButton button,
                          Qt::MouseButtons buttons);
    QStringList m_calls;
    FakeDevicePage *m_page = nullptr;
};

void TstMainWidget::resetSdk(int lightResult)
{
    m_calls.clear();
    VendorSdkCalls &sdk = DMainWidget::vendorSdk();
    sdk.versionStr = [](char *t) { qstrcpy(t, "test-sdk 9"); };
    sdk.xmlInit = [this] { m_calls << "xml"; return 0; };
    sdk.hidInit = [this] { m_calls << "hid"; return 0; };
    sdk.lightInit = [this, lightResult] { m_calls << "light"; return lightResult; };
    sdk.createXmlFile = [this](const char *p) { m_calls << QString("create:") + p; };
    sdk.supportList = [this] {
        m_calls << "list";
        return QVector<SupportedDeviceIds>{{"3151", "4010"}, {"0x3151", "0x4011"}};
    };
}

void TstMainWidget::init()
{
    resetSdk(0);
    m_page = nullptr;
    DMainWidget::factories().devicePage = [this](QWidget *parent) {
        m_page = new FakeDevicePage(parent);
        m_page->clock.start();
        return m_page;
    };
    DMainWidget::trayAvailable() = [] { return false; };
    autostart::removeEntry();
    // The test home outlives a run: start every case without a macro store.
    QFile::remove(DDataManager::instance()->userConfigDir() + "/appMacro.xml");
}

void TstMainWidget::cleanup()
{
    DMainWidget w0; // only to learn the settings path
    const QString path = w0.settingsPath();
    QFile::remove(path);
    autostart::removeEntry();
}

void TstMainWidget::firstRunWritesDefaults()
{
    {
        DMainWidget probe;
        QFile::remove(probe.settingsPath());
    }
    autostart::removeEntry();

    DMainWidget w;
    QSettings s(w.settingsPath(), QSettings::IniFormat);
    for (const char *key : {"AutoStart/isAutoStart", "MinimizeToTray/isMinimizeToTray", "CloseToTray/isCloseToTray"}) {
        QVERIFY2(s.contains(key), key);
        QCOMPARE(s.value(key).toBool(), true);
    }
    QFile entry(autostart::entryPath());
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    QVERIFY(text.contains("Exec=\"" + QFile::encodeName(QCoreApplication::applicationFilePath()) + "\" --AutoUp\n"));
}

void TstMainWidget::existingAutoStartKeyWritesNothing()
{
    QString path;
    {
        DMainWidget probe;
        path = probe.settingsPath();
    }
    QFile::remove(path);
    {
        QSettings s(path, QSettings::IniFormat);
        s.setValue("AutoStart/isAutoStart", false);
        s.setValue("MinimizeToTray/isMinimizeToTray", false);
        s.setValue("CloseToTray/isCloseToTray", false);
    }
    autostart::removeEntry();
    QFile before(path);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray contentBefore = before.readAll();
    before.close();

    DMainWidget w;
    QVERIFY(!autostart::entryExists());
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), contentBefore);
}

void TstMainWidget::minimumSizeRule_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QSize>("minimum");
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QSize(1280, 715);
    QTest::newRow("1921 wide") << QSize(1921, 1080) << QSize(1450, 810);
    QTest::newRow("1081 high") << QSize(1920, 1081) << QSize(1450, 810);
    QTest::newRow("small laptop") << QSize(1366, 728) << QSize(1280, 715);
    QTest::newRow("4k") << QSize(3840, 2100) << QSize(1450, 810);
    // Smaller screens: the window fits the available area.
    QTest::newRow("1024x768 with a panel") << QSize(1024, 738) << QSize(1024, 715);
    QTest::newRow("1280x720 with a panel") << QSize(1280, 690) << QSize(1280, 690);
    QTest::newRow("800x600") << QSize(800, 600) << QSize(800, 600);
}

void TstMainWidget::minimumSizeRule()
{
    QFETCH(QSize, available);
    QFETCH(QSize, minimum);
    QCOMPARE(DMainWidget::minimumSizeFor(available), minimum);
}

void TstMainWidget::edgeRegions_data()
{
    QTest::addColumn<QPoint>("g");
    QTest::addColumn<int>("region");
    QTest::addColumn<int>("cursor");
    // Window from (100, 200) to (1379, 914) inclusive; points in the middle
    // of the other axis unless a corner is meant.
    const int L = 100, T = 200, R = 1379, B = 914, mx = 700, my = 500;
    using W = DMainWidget;
    QTest::newRow("left 4") << QPoint(L + 4, my) << int(W::LEFT) << int(Qt::SizeHorCursor);
    QTest::newRow("left 5") << QPoint(L + 5, my) << int(W::NONE) << int(Qt::ArrowCursor);
    QTest::newRow("right 4") << QPoint(R - 4, my) << int(W::RIGHT) << int(Qt::SizeHorCursor);
    QTest::newRow("right 5") << QPoint(R - 5, my) << int(W::NONE) << int(Qt::ArrowCursor);
    QTest::newRow("top 4") << QPoint(mx, T + 4) << int(W::UP) << int(Qt::SizeVerCursor);
    QTest::newRow("top 5") << QPoint(mx, T + 5) << int(W::NONE) << int(Qt::ArrowCursor);
    QTest::newRow("bottom 4") << QPoint(mx, B - 4) << int(W::DOWN) << int(Qt::SizeVerCursor);
    QTest::newRow("bottom 5") << QPoint(mx, B - 5) << int(W::NONE) << int(Qt::ArrowCursor);
    QTest::newRow("left-top 4,4") << QPoint(L + 4, T + 4) << int(W::LEFTTOP) << int(Qt::SizeFDiagCursor);
    QTest::newRow("left-top 5,5") << QPoint(L + 5, T + 5) << int(W::NONE) << int(Qt::ArrowCursor);
    QTest::newRow("left-top 4,5 is left") << QPoint(L + 4, T + 5) << int(W::LEFT) << int(Qt::SizeHorCursor);
    QTest::newRow("right-bottom 4,4") << QPoint(R - 4, B - 4) << int(W::RIGHTBOTTOM) << int(Qt::SizeFDiagCursor);
    QTest::newRow("left-bottom 0,0") << QPoint(L, B) << int(W::LEFTBOTTOM) << int(Qt::SizeBDiagCursor);
    QTest::newRow("right-top 4,4") << QPoint(R - 4, T + 4) << int(W::RIGHTTOP) << int(Qt::SizeBDiagCursor);
    QTest::newRow("right-top 5,4 is top") << QPoint(R - 5, T + 4) << int(W::UP) << int(Qt::SizeVerCursor);
    QTest::newRow("outside left") << QPoint(L - 1, my) << int(W::NONE) << int(Qt::ArrowCursor);
    // Single-edge bands do not test the other coordinate.
    QTest::newRow("left band far below") << QPoint(L + 2, B + 50) << int(W::LEFT) << int(Qt::SizeHorCursor);
}

void TstMainWidget::edgeRegions()
{
    QFETCH(QPoint, g);
    QFETCH(int, region);
    QFETCH(int, cursor);
    const auto r = DMainWidget::regionAt(QPoint(100, 200), QPoint(1379, 914), g);
    QCOMPARE(int(r), region);
    QCOMPARE(int(DMainWidget::cursorFor(r)), cursor);
}

void TstMainWidget::sendMouse(QWidget *w, QEvent::Type type, const QPoint &global, Qt::MouseButton button,
                              Qt::MouseButtons buttons)
{
    QMouseEvent event(type, w->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// A drag from an edge band: hover to find the band, press, move, release.
void TstMainWidget::edgeResize_data()
{
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QRect>("expected");
    // Window (100, 100) 1400 x 800, so the right edge is x 1499 and the
    // bottom y 899; the minimum size is 1280 x 715.
    QTest::newRow("left shrinks") << QPoint(102, 500) << QPoint(200, 500) << QRect(200, 100, 1300, 800);
    QTest::newRow("left one above the minimum") << QPoint(102, 500) << QPoint(218, 500) << QRect(218, 100, 1282, 800);
    // 1499 - 219 is the minimum width, not more: the left edge stays.
    QTest::newRow("left stops at the minimum") << QPoint(102, 500) << QPoint(219, 500) << QRect(100, 100, 1400, 800);
    QTest::newRow("left far past the minimum") << QPoint(102, 500) << QPoint(900, 500) << QRect(100, 100, 1400, 800);
    QTest::newRow("left grows") << QPoint(102, 500) << QPoint(40, 500) << QRect(40, 100, 1460, 800);
    QTest::newRow("top stops at the minimum") << QPoint(800, 101) << QPoint(800, 184) << QRect(100, 100, 1400, 800);
    QTest::newRow("top shrinks") << QPoint(800, 101) << QPoint(800, 150) << QRect(100, 150, 1400, 750);
    // The right and bottom edges are held back only by the minimum size.
    QTest::newRow("right past the minimum") << QPoint(1497, 500) << QPoint(1000, 500) << QRect(100, 100, 1280, 800);
    QTest::newRow("bottom grows") << QPoint(800, 898) << QPoint(800, 950) << QRect(100, 100, 1400, 850);
    QTest::newRow("left-top corner") << QPoint(101, 101) << QPoint(150, 130) << QRect(150, 130, 1350, 770);
    QTest::newRow("inside moves nothing") << QPoint(800, 500) << QPoint(700, 400) << QRect(100, 100, 1400, 800);
}

void TstMainWidget::fitsASmallScreen()
{
    // The offscreen screen is 800 x 600, well below the usual minimum.
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(available.width() < 1280 || available.height() < 715);
    DMainWidget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(20);
    QVERIFY2(available.contains(w.frameGeometry()),
             qPrintable(QStringLiteral("window %1x%2 at %3,%4 on a %5x%6 screen")
                            .arg(w.width()).arg(w.height()).arg(w.x()).arg(w.y())
                            .arg(available.width()).arg(available.height())));
    // Its own controls stay on the screen too.
    for (const char *name : {"pushButton_Close", "pushButton_Max", "pushButton_Min"}) {
        auto *button = w.findChild<QWidget *>(QLatin1String(name));
        QVERIFY(button);
        const QRect at(button->mapToGlobal(QPoint(0, 0)), button->size());
        QVERIFY2(available.contains(at), name);
    }
}

void TstMainWidget::edgeResize()
{
    QFETCH(QPoint, start);
    QFETCH(QPoint, to);
    QFETCH(QRect, expected);
    DMainWidget w;
    // The minimum of a 1920 x 1080 screen: the offscreen test screen is
    // smaller, and the window would fit that instead.
    w.setMinimumSize(1280, 715);
    w.setGeometry(100, 100, 1400, 800);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.minimumSize(), QSize(1280, 715));
    QCOMPARE(w.geometry(), QRect(100, 100, 1400, 800));

    sendMouse(&w, QEvent::MouseMove, start, Qt::NoButton, Qt::NoButton);
    sendMouse(&w, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    sendMouse(&w, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(w.geometry(), expected);
    sendMouse(&w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
}

void TstMainWidget::maximisedWindowStays()
{
    DMainWidget w;
    w.setGeometry(100, 100, 1400, 800);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *title = w.findChild<QWidget *>("frame_4");
    QVERIFY(title);
    const QPoint onTitle = w.mapToGlobal(title->geometry().center());

    // Not maximised, a drag on the title moves the window.
    sendMouse(&w, QEvent::MouseButtonPress, onTitle, Qt::LeftButton, Qt::LeftButton);
    sendMouse(&w, QEvent::MouseMove, onTitle + QPoint(30, 20), Qt::NoButton, Qt::LeftButton);
    sendMouse(&w, QEvent::MouseButtonRelease, onTitle + QPoint(30, 20), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(w.geometry().topLeft(), QPoint(130, 120));

    // A double click on the title does not maximise.
    const QPoint title2 = w.mapToGlobal(title->geometry().center());
    sendMouse(&w, QEvent::MouseButtonDblClick, title2, Qt::LeftButton, Qt::LeftButton);
    sendMouse(&w, QEvent::MouseButtonRelease, title2, Qt::LeftButton, Qt::NoButton);
    QVERIFY(!w.isMaximized());

    w.showMaximized();
    QTRY_VERIFY_WITH_TIMEOUT(w.isMaximized(), testWait::kHangMs);
    QApplication::processEvents();
    const QRect maximised = w.geometry();
    const QPoint t = w.mapToGlobal(title->geometry().center());
    sendMouse(&w, QEvent::MouseButtonPress, t, Qt::LeftButton, Qt::LeftButton);
    sendMouse(&w, QEvent::MouseMove, t + QPoint(40, 40), Qt::NoButton, Qt::LeftButton);
    sendMouse(&w, QEvent::MouseButtonRelease, t + QPoint(40, 40), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(w.geometry(), maximised);

    // Nor does an edge band resize it.
    const QPoint left = w.mapToGlobal(QPoint(1, w.height() / 2));
    sendMouse(&w, QEvent::MouseMove, left, Qt::NoButton, Qt::NoButton);
    sendMouse(&w, QEvent::MouseButtonPress, left, Qt::LeftButton, Qt::LeftButton);
    sendMouse(&w, QEvent::MouseMove, left + QPoint(60, 0), Qt::NoButton, Qt::LeftButton);
    sendMouse(&w, QEvent::MouseButtonRelease, left + QPoint(60, 0), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(w.geometry(), maximised);
    QVERIFY(w.isMaximized());
}

void TstMainWidget::lightInitFailing()
{
    resetSdk(1);
    DMainWidget w;
    QCOMPARE(m_calls, QStringList({"xml", "hid", "light"}));
    QCOMPARE(QByteArray(w.macroXmlPath()), QByteArray());
    char shared[DDataManager::PathBufferSize];
    std::memset(shared, 'x', sizeof shared);
    DDataManager::instance()->copyMacroXmlPath(shared);
    QCOMPARE(QByteArray(shared), QByteArray());
    QVERIFY(!w.vendorSdkReady());
    QVERIFY(w.supportedDevices().isEmpty());

    // With no supported list, a hot-plug message is simply dropped.
    w.onDeviceInterfaceChanged(true, "/dev/hidraw9", 0x3151, 0x4010);
    QVERIFY(m_page->kinds.isEmpty());
}

void TstMainWidget::vendorStartUp()
{
    DMainWidget w;
    const QString store = QFileInfo(w.settingsPath()).absolutePath() + "/appMacro.xml";
    QCOMPARE(QString::fromLocal8Bit(w.macroXmlPath()), store);
    QCOMPARE(m_calls, QStringList({"xml", "hid", "light", "create:" + store, "list"}));
    QVERIFY(w.vendorSdkReady());
    QCOMPARE(w.supportedDevices().size(), 2);
    char shared[DDataManager::PathBufferSize] = {};
    DDataManager::instance()->copyMacroXmlPath(shared);
    QCOMPARE(QString::fromLocal8Bit(shared), store);

    // A store that exists is kept, never replaced by an empty one.
    QFile file(store);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    resetSdk(0);
    DMainWidget again;
    QCOMPARE(m_calls, QStringList({"xml", "hid", "light", "list"}));
}

void TstMainWidget::hotplugReachesDevicePageOnce()
{
    DMainWidget w;
    QVERIFY(m_page);
    HotplugEvent e;
    e.physicalKey = "sim:usb-1";
    e.vid = 0x3151;
    e.pid = 0x4011;

    m_page->clock.restart();
    for (const char *node : {"sim:kb/if0", "sim:kb/if1", "sim:kb/if2"}) {
        e.path = node;
        w.hotplugMonitor()->feed(e);
    }
    // The settling time passes in the event loop, not in a sleep of the
    // window's thread: nothing has reached the page when feed() returns.
    QVERIFY(m_page->kinds.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(m_page->kinds, QList<int>{11}, testWait::kHangMs);
    QVERIFY2(m_page->at.at(0) >= 300, qPrintable(QString::number(m_page->at.at(0))));
    QVERIFY(!w.keyboardRemoved());

    e.arrival = false;
    for (const char *node : {"sim:kb/if0", "sim:kb/if1", "sim:kb/if2"}) {
        e.path = node;
        w.hotplugMonitor()->feed(e);
    }
    QCOMPARE(m_page->kinds, QList<int>{11});
    QTRY_COMPARE_WITH_TIMEOUT(m_page->kinds, (QList<int>{11, 12}), testWait::kHangMs);
    QVERIFY(w.keyboardRemoved());
}

// The simulated keyboard's plug and unplug, through the real device library.
void TstMainWidget::simulatedPlugReachesDevicePage()
{
    QCOMPARE(CVardexSim_Enable("1"), 0);
    const VendorSdkCalls fakes = DMainWidget::vendorSdk();
    DMainWidget::vendorSdk() = VendorSdkCalls::library();
    DMainWidget w;
    DMainWidget::vendorSdk() = fakes;
    QVERIFY(w.vendorSdkReady());
    // The library itself created the empty macro store.
    QVERIFY(QFile::exists(QString::fromLocal8Bit(w.macroXmlPath())));
    QVERIFY(!w.supportedDevices().isEmpty());

    char path[256] = {};
    m_page->clock.restart();
    QCOMPARE(CVardexSim_AddDevice("Brisko", 0, path, sizeof path), 0);
    QTRY_COMPARE_WITH_TIMEOUT(m_page->kinds, QList<int>{11}, testWait::kHangMs);
    QVERIFY2(m_page->at.at(0) >= 300, qPrintable(QString::number(m_page->at.at(0))));
    // Nothing else follows from the one arrival.
    QTest::qWait(100);
    QCOMPARE(m_page->kinds, QList<int>{11});

    QCOMPARE(CVardexSim_Unplug(path), 0);
    QTRY_COMPARE_WITH_TIMEOUT(m_page->kinds, (QList<int>{11, 12}), testWait::kHangMs);
    QVERIFY(w.keyboardRemoved());
}

void TstMainWidget::unsupportedDeviceIgnored()
{
    DMainWidget w;
    // A bootloader arrival is not a keyboard for the device page.
    w.onDeviceInterfaceChanged(true, "/dev/hidraw3", 0x0416, 0x3F00);
    w.onDeviceInterfaceChanged(true, "/dev/hidraw4", 0x3151, 0x4012);
    w.onDeviceInterfaceChanged(false, "/dev/hidraw4", 0x3151, 0x4012);
    QVERIFY(m_page->kinds.isEmpty());
}

void TstMainWidget::closeButton_data()
{
    QTest::addColumn<QString>("closeToTray");
    QTest::addColumn<bool>("tray");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("absent") << "absent" << true << "ended";
    QTest::newRow("false") << "false" << true << "ended";
    QTest::newRow("true with tray") << "true" << true << "hidden";
    // No tray icon: hiding would leave the window unreachable.
    QTest::newRow("true without tray") << "true" << false << "ended";
}

// The close button may end the process, so it runs in a child copy of this
// test program (see main below).
void TstMainWidget::closeButton()
{
    QFETCH(QString, closeToTray);
    QFETCH(bool, tray);
    QFETCH(QString, outcome);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TST_CLOSE_CHILD", closeToTray);
    env.insert("TST_CLOSE_TRAY", tray ? "1" : "0");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForFinished(testWait::kHangMs));
    const QString out = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    if (outcome == "ended") {
        QCOMPARE(out, QString("ended"));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    } else {
        QCOMPARE(out, QString("hidden"));
    }
}

void TstMainWidget::listToggleAndNames()
{
    DMainWidget w;
    w.setMinimumSize(1280, 715); // a 1920 x 1080 screen's; the offscreen one is smaller
    w.resize(1280, 715);
    QResizeEvent resized(w.size(), QSize(800, 600));
    QApplication::sendEvent(&w, &resized);
    auto *toggle = w.findChild<QPushButton *>("pushButton_ListCtrl");
    QVERIFY(toggle);
    QCOMPARE(toggle->geometry(), QRect(233, (715 - 300) / 2, 10, 100));
    toggle->click();
    QVERIFY(!w.deviceListShown());
    QVERIFY(!m_page->listVisible);
    QCOMPARE(toggle->geometry().x(), 5);

    emit m_page->sigReturnHidLikeName("K87", "Vardex K87");
    w.omUpdataAllUI();
    auto *product = w.findChild<QLabel *>("label_ProductName");
    auto *device = w.findChild<QLabel *>("label_DeviceName");
    QCOMPARE(product->text(), QString("K87"));
    QCOMPARE(device->text(), QString("Vardex K87"));
}

// Maker and model read "Vardex Yolma 82" in a right-to-left interface too.
void TstMainWidget::titleNamesKeepTheirOrderRightToLeft()
{
    QApplication::setLayoutDirection(Qt::RightToLeft);
    DMainWidget w;
    w.resize(1280, 715);
    emit m_page->sigReturnHidLikeName("Vardex", "Yolma 82");
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *product = w.findChild<QLabel *>("label_ProductName");
    auto *device = w.findChild<QLabel *>("label_DeviceName");
    const int productX = product->mapTo(&w, QPoint(0, 0)).x();
    const int deviceX = device->mapTo(&w, QPoint(0, 0)).x();
    const bool logoOnTheRight = w.findChild<QWidget *>("frame_HidLikeName")->mapTo(&w, QPoint(0, 0)).x() > 0;
    QApplication::setLayoutDirection(Qt::LeftToRight);
    QVERIFY(logoOnTheRight);
    QVERIFY2(productX < deviceX, qPrintable(QStringLiteral("%1 / %2").arg(productX).arg(deviceX)));
}

// A language change reaches the tray menu, and the title bar keeps the names
// it was given rather than the form's placeholders.
void TstMainWidget::languageSwitchRetranslates()
{
    DMainWidget w;
    emit m_page->sigReturnHidLikeName("K87", "Vardex K87");
    const QString company = w.windowTitle();
    QVERIFY(!company.isEmpty());
    QVERIFY(company != "DMainWidget");

    auto trayTexts = [&w] {
        QStringList texts;
        for (QAction *a : w.findChildren<QAction *>())
            if (!a->text().isEmpty())
                texts << a->text();
        texts.sort();
        return texts;
    };
    QCOMPARE(trayTexts(), QStringList({"Maximize(&X)", "Minimize(&N)", "Quit(&Q)", "Revert(&R)"}));

    QtLinguist linguist;
    QVERIFY(linguist.load(1));
    w.omUpdataAllUI();
    QStringList chinese({"最小化(&N)", "最大化(&X)", "还原(&R)", "退出(&Q)"});
    chinese.sort();
    QCOMPARE(trayTexts(), chinese);
    QCOMPARE(w.windowTitle(), company);
    QCOMPARE(w.findChild<QLabel *>("label_AppName")->text(), company);
    QCOMPARE(w.findChild<QLabel *>("label_ProductName")->text(), QString("K87"));
    QCOMPARE(w.findChild<QLabel *>("label_DeviceName")->text(), QString("Vardex K87"));

    QVERIFY(linguist.load(3));
    w.omUpdataAllUI();
    QCOMPARE(trayTexts(), QStringList({"Maximize(&X)", "Minimize(&N)", "Quit(&Q)", "Revert(&R)"}));
}

static int runCloseChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString mode = qEnvironmentVariable("TST_CLOSE_CHILD");
    const bool tray = qEnvironmentVariable("TST_CLOSE_TRAY") == "1";
    DMainWidget::vendorSdk() = VendorSdkCalls{};
    DMainWidget::trayAvailable() = [tray] { return tray; };
    QString path;
    {
        DMainWidget probe;
        path = probe.settingsPath();
    }
    {
        QSettings s(path, QSettings::IniFormat);
        s.clear();
        s.setValue("AutoStart/isAutoStart", false);
        if (mode != "absent")
            s.setValue("CloseToTray/isCloseToTray", mode == "true");
    }
    DMainWidget w;
    if (mode == "absent") {
        // The window writes its first-run defaults; take the key away again.
        QSettings s(path, QSettings::IniFormat);
        s.remove("CloseToTray/isCloseToTray");
    }
    w.show();
    QTimer::singleShot(0, &w, [&w] { w.findChild<QPushButton *>("pushButton_Close")->click(); });
    QTimer::singleShot(1500, &w, [&w] {
        printf("%s\n", w.isVisible() ? "visible" : "hidden");
        fflush(stdout);
        ::_exit(7);
    });
    const int rc = app.exec();
    printf("ended\n");
    fflush(stdout);
    return rc;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet("TST_CLOSE_CHILD"))
        return runCloseChild(argc, argv);
    QApplication app(argc, argv);
    TstMainWidget tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_mainwidget.moc"
