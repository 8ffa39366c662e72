#ifndef DAPPLLICATION_H
#define DAPPLLICATION_H

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QWidget>

class DLoginWidget;
class DMainWidget;
class InstanceGuard;
class QLocalServer;
class QSettings;
class QtLinguist;

// The application object: font, settings and language, the single-instance
// handshake over a local socket named after the executable, and the start-up
// of the main window.
class DAppllication : public QApplication
{
    Q_OBJECT
public:
    static constexpr int ConnectWaitMs = 500;
    static constexpr int WriteWaitMs = 30000;
    static constexpr int ReadWaitMs = 1000;
    // How long a copy that found no server keeps trying before it gives up.
    static constexpr int OrphanRetryMs = 1000;

    // alreadyRunning: the shared memory said another copy exists. guard, when
    // given, lets such a copy take over from a first copy that has died.
    DAppllication(const QString &appId, int &argc, char **argv, bool alreadyRunning,
                  InstanceGuard *guard = nullptr);
    ~DAppllication() override;

    QString id() const { return m_appId; }
    // Another copy answered on the local socket.
    bool isRunning() const { return m_isRunning; }
    // The process must end with exit code 1: another copy answered, or none
    // answered and this copy could not become the first one.
    bool mustExit() const { return m_isRunning || m_gaveUp; }

    bool loadLanguage(int language);
    QtLinguist *linguist() const { return m_linguist; }
    DMainWidget *mainWidget() const;

    void setActivationWindow(QWidget *window, bool activateOnMessage = true);
    QWidget *activationWindow() const { return m_activationWindow; }
    void activateWindow();

    bool notify(QObject *receiver, QEvent *event) override;

    // Maps the Windows family name of the interface font to a Debian font.
    static void installFontSubstitutions();
    // True when a launch by auto-start should keep the window in the tray.
    static bool startsHidden(bool autoStart, bool trayShown, const QStringList &arguments);
    // Reads a stored language value; -1 when absent or not a number.
    static int storedLanguage(const QSettings &settings);
    // Loads the stored language (the system's when none is stored or the
    // settings folder is new) and writes it back; returns the value written.
    static int applyStoredLanguage(QSettings &settings, bool folderExists, QtLinguist &linguist);

public slots:
    void onLoginFinished(bool bok);
    void newLocalConnection();

private:
    void initSettingsAndLanguage();
    bool checkSingleInstance(bool mayListen);
    bool connectToRunningCopy();
    void startLocalServer();
    void createLoginWidget();

    QString m_appId;
    // Owned: deleted with the application unless something closed them first.
    QPointer<DLoginWidget> m_loginWidget;
    QPointer<DMainWidget> m_mainWidget;
    QtLinguist *m_linguist = nullptr;
    bool m_isRunning = false;
    bool m_gaveUp = false;
    QLocalServer *m_localServer = nullptr;
    QString m_serverName;
    QPointer<QWidget> m_activationWindow;
    bool m_activateOnMessage = false;
    QSettings *m_settings = nullptr;
};

#endif // DAPPLLICATION_H
