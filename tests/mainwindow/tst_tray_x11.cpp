// A tray that starts after the tool still gets the tool's icon. The test runs
// its own X server and, once the window is up, a small tray manager of the
// X11 system-tray protocol (the road Qt takes when no StatusNotifier host ran
// at start), which must then receive the icon's dock request.
#include <QPushButton>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "ui/mainwidget/DDevicePageView.h"
#include "ui/mainwidget/DMainWidget.h"
#include "../testWait.h"

// Last: Xlib's macros (None, Bool, Status...) would break the headers above.
#include <X11/Xlib.h>

namespace {

QByteArray g_display; // ":<n>" of the private X server, empty without one

class QuietDevicePage : public DDevicePageView
{
    Q_OBJECT
public:
    using DDevicePageView::DDevicePageView;
    void updateHidList(int, QString) override {}
    void retranslate() override {}
    void setDeviceListVisible(bool) override {}
    void stopLightSyncIfRunning() override {}
};

// Owns the tray selection of screen 0, announces itself to the clients and
// counts the dock requests it receives.
class TrayManager
{
public:
    explicit TrayManager(const QByteArray &display) : m_display(display) {}
    ~TrayManager() { stop(); }

    bool start()
    {
        m_dpy = XOpenDisplay(m_display.constData());
        if (!m_dpy)
            return false;
        const Window root = DefaultRootWindow(m_dpy);
        m_window = XCreateSimpleWindow(m_dpy, root, 0, 0, 1, 1, 0, 0, 0);
        const Atom selection = XInternAtom(m_dpy, "_NET_SYSTEM_TRAY_S0", False);
        m_opcode = XInternAtom(m_dpy, "_NET_SYSTEM_TRAY_OPCODE", False);
        XSetSelectionOwner(m_dpy, selection, m_window, CurrentTime);
        if (XGetSelectionOwner(m_dpy, selection) != m_window)
            return false;
        XEvent ev {};
        ev.xclient.type = ClientMessage;
        ev.xclient.window = root;
        ev.xclient.message_type = XInternAtom(m_dpy, "MANAGER", False);
        ev.xclient.format = 32;
        ev.xclient.data.l[0] = CurrentTime;
        ev.xclient.data.l[1] = long(selection);
        ev.xclient.data.l[2] = long(m_window);
        XSendEvent(m_dpy, root, False, StructureNotifyMask, &ev);
        XFlush(m_dpy);
        m_thread = std::thread([this] { run(); });
        return true;
    }

    int dockRequests() const { return m_docks; }

private:
    void run()
    {
        pollfd p {ConnectionNumber(m_dpy), POLLIN, 0};
        while (!m_stop) {
            while (XPending(m_dpy)) {
                XEvent ev;
                XNextEvent(m_dpy, &ev);
                // Opcode 0: SYSTEM_TRAY_REQUEST_DOCK, with the icon's window.
                if (ev.type == ClientMessage && ev.xclient.message_type == m_opcode && ev.xclient.data.l[1] == 0
                    && ev.xclient.data.l[2] != 0)
                    ++m_docks;
            }
            poll(&p, 1, 50);
        }
    }

    void stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_dpy)
            XCloseDisplay(m_dpy);
        m_dpy = nullptr;
    }

    QByteArray m_display;
    Display *m_dpy = nullptr;
    Window m_window = 0;
    Atom m_opcode = 0;
    std::thread m_thread;
    std::atomic<bool> m_stop {false};
    std::atomic<int> m_docks {0};
};

} // namespace

class tst_tray_x11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (g_display.isEmpty())
            QSKIP("No X server could be started (Xvfb missing): the late-tray case needs one");
        DMainWidget::vendorSdk() = VendorSdkCalls {};
        DMainWidget::factories().devicePage = [](QWidget *parent) { return new QuietDevicePage(parent); };
    }

    void trayStartingLaterGetsTheIcon()
    {
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        DMainWidget w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.trayIcon());
        // No tray yet: the window may not hide behind an icon nobody shows.
        QVERIFY(!w.trayIconInTray());

        TrayManager tray(g_display);
        QVERIFY(tray.start());
        QTRY_VERIFY_WITH_TIMEOUT(tray.dockRequests() > 0, testWait::kHangMs);
        QVERIFY(w.trayIconInTray());
        QCOMPARE(tray.dockRequests(), 1);
    }
};

// Starts Xvfb on a display it picks itself; the display's name, or empty.
static QByteArray startXServer(pid_t *pid)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    *pid = fork();
    if (*pid == 0) {
        ::close(fds[0]);
        prctl(PR_SET_PDEATHSIG, SIGTERM); // no server left behind by a crash
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x800x24", "-nolisten", "tcp",
               static_cast<char *>(nullptr));
        _exit(127);
    }
    ::close(fds[1]);
    QByteArray number;
    char c;
    while (*pid > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(fds[0]);
    return number.isEmpty() ? QByteArray() : ":" + number;
}

int main(int argc, char **argv)
{
    pid_t server = -1;
    g_display = startXServer(&server);
    if (!g_display.isEmpty()) {
        qputenv("DISPLAY", g_display);
        qputenv("QT_QPA_PLATFORM", "xcb");
        // Without a session bus Qt takes the X11 tray road, which the test's
        // tray manager speaks.
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    }
    int rc = 0;
    {
        QApplication app(argc, argv);
        tst_tray_x11 tc;
        rc = QTest::qExec(&tc, argc, argv);
    }
    if (server > 0) {
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
    }
    return rc;
}

#include "tst_tray_x11.moc"
