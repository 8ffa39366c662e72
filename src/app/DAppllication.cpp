#include "app/DAppllication.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFont>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMouseEvent>
#include <QSettings>
#include <QStringList>
#include <QTextStream>
#include <QThread>

#include "app/DLoginWidget.h"
#include "app/QtLinguist.h"
#include "data/DDataManager.h"
#include "platform/appPaths.h"
#include "platform/instanceGuard.h"
#include "platform/instanceScope.h"
#include "ui/mainwidget/DMainWidget.h"

namespace {

const char kInterfaceFontFamily[] = "Microsoft YaHei";
// The forms also name the interface font by its Chinese name.
const char kInterfaceFontFamilyZh[] = "\xe5\xbe\xae\xe8\xbd\xaf\xe9\x9b\x85\xe9\xbb\x91";
const char kDebianFontFamily[] = "WenQuanYi Micro Hei";
// The CJK font has no Arabic. Left to fontconfig, Arabic falls back to
// DejaVu Sans, whose Arabic letters stand apart with wide side bearings; a
// font drawn for Arabic interfaces keeps the words joined and tight.
const char kDebianArabicFontFamily[] = "Noto Sans Arabic UI";

} // namespace

DAppllication::DAppllication(const QString &appId, int &argc, char **argv, bool alreadyRunning,
                             InstanceGuard *guard)
    : QApplication(argc, argv)
    , m_appId(appId)
{
    installFontSubstitutions();
    QFont appFont = font();
    appFont.setFamily(QString::fromLatin1(kInterfaceFontFamily));
    appFont.setPixelSize(12);
    setFont(appFont);

    bool firstCopy = !alreadyRunning;
    if (firstCopy)
        initSettingsAndLanguage();

    if (!checkSingleInstance(firstCopy) && !firstCopy) {
        // The shared memory names another copy, yet none answers: it is still
        // starting, or it died. Wait briefly for either; never linger here
        // without a window.
        QElapsedTimer elapsed;
        elapsed.start();
        while (elapsed.elapsed() < OrphanRetryMs) {
            if (guard && guard->acquire()) {
                qDebug() << "The other copy is gone; starting as the first copy";
                firstCopy = true;
                initSettingsAndLanguage();
                startLocalServer();
                break;
            }
            QThread::msleep(100);
            if (connectToRunningCopy()) {
                m_isRunning = true;
                break;
            }
        }
        if (!firstCopy && !m_isRunning) {
            qWarning() << "Another copy holds the instance but does not answer; giving up";
            m_gaveUp = true;
        }
    }

    if (firstCopy)
        createLoginWidget();
}

DAppllication::~DAppllication()
{
    // Windows go while the application still runs; the language last, as
    // the windows' texts come from it.
    delete m_mainWidget.data();
    delete m_loginWidget.data();
    delete m_linguist;
}

DMainWidget *DAppllication::mainWidget() const
{
    return m_mainWidget.data();
}

void DAppllication::installFontSubstitutions()
{
    const QStringList families {QString::fromLatin1(kDebianFontFamily), QString::fromLatin1(kDebianArabicFontFamily)};
    QFont::insertSubstitutions(QString::fromLatin1(kInterfaceFontFamily), families);
    QFont::insertSubstitutions(QString::fromUtf8(kInterfaceFontFamilyZh), families);
}

int DAppllication::storedLanguage(const QSettings &settings)
{
    const QVariant value = settings.value(QStringLiteral("Language/selectLanguageIndex"));
    if (!value.isValid())
        return -1;
    bool ok = false;
    const int language = value.toInt(&ok);
    return ok ? language : -1;
}

int DAppllication::applyStoredLanguage(QSettings &settings, bool folderExists, QtLinguist &linguist)
{
    int language = QtLinguist::systemLanguage();
    if (folderExists) {
        const int stored = storedLanguage(settings);
        if (stored != -1)
            language = stored;
    }
    linguist.load(language);
    // Written back as read, so a value this build cannot load survives for a
    // build that can; a first start records the system language.
    settings.setValue(QStringLiteral("Language/selectLanguageIndex"), language);
    settings.sync();
    return language;
}

void DAppllication::initSettingsAndLanguage()
{
    setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    setApplicationVersion(QStringLiteral("1.0.0.0"));
    setQuitOnLastWindowClosed(true);

    if (!m_linguist)
        m_linguist = new QtLinguist(this);
    const QString folder = appPaths::userConfigDirFor(appPaths::appDataDir());
    if (!m_settings) {
        appPaths::setAsideSpecialSettingsFile(appPaths::settingsFileIn(folder));
        m_settings = new QSettings(appPaths::settingsFileIn(folder), QSettings::IniFormat, this);
    }
    applyStoredLanguage(*m_settings, QDir(folder).exists(), *m_linguist);
    QSettings::setDefaultFormat(QSettings::IniFormat);
}

bool DAppllication::loadLanguage(int language)
{
    if (!m_linguist)
        m_linguist = new QtLinguist(this);
    return m_linguist->load(language);
}

bool DAppllication::connectToRunningCopy()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName, QIODevice::ReadWrite);
    if (!socket.waitForConnected(ConnectWaitMs))
        return false;
    const QStringList args = arguments();
    QTextStream stream(&socket);
    stream << (args.size() > 1 ? args.last() : QString());
    stream.flush();
    socket.waitForBytesWritten(WriteWaitMs);
    return true;
}

bool DAppllication::checkSingleInstance(bool mayListen)
{
    // Scoped to this user and settings folder: a copy with another HOME is
    // another instance, and nobody else can take or answer on the name.
    const QString folder = appPaths::userConfigDirFor(appPaths::appDataDir());
    m_serverName = instanceScope::serverPath(appPaths::settingsFileIn(folder), folder);
    qDebug() << "local server name:" << m_serverName;
    if (connectToRunningCopy()) {
        m_isRunning = true;
        return true;
    }
    if (mayListen)
        startLocalServer();
    return false;
}

void DAppllication::startLocalServer()
{
    if (m_localServer)
        return;
    m_localServer = new QLocalServer(this);
    connect(m_localServer, &QLocalServer::newConnection, this, &DAppllication::newLocalConnection);
    if (!m_localServer->listen(m_serverName)) {
        if (m_localServer->serverError() == QAbstractSocket::AddressInUseError) {
            QLocalServer::removeServer(m_serverName);
            if (!m_localServer->listen(m_serverName))
                qWarning() << "Cannot listen as" << m_serverName << m_localServer->errorString();
        } else {
            qWarning() << "Cannot listen as" << m_serverName << m_localServer->errorString();
        }
    }
}

void DAppllication::createLoginWidget()
{
    m_loginWidget = new DLoginWidget();
    setActivationWindow(m_loginWidget, true);
    connect(m_loginWidget, &DLoginWidget::sigLoginFinished, this, &DAppllication::onLoginFinished,
            Qt::DirectConnection);
    m_loginWidget->on_pushButton_Login_clicked();
}

bool DAppllication::startsHidden(bool autoStart, bool trayShown, const QStringList &arguments)
{
    // Hiding at log-on is only safe when the tray icon is there to bring the
    // window back; on a desktop without a tray the window stays up.
    return autoStart && trayShown && arguments.join(QLatin1Char(' ')).contains(QStringLiteral("AutoUp"));
}

void DAppllication::onLoginFinished(bool bok)
{
    if (!bok)
        return;
    if (m_loginWidget)
        m_loginWidget->fadeOut();

    m_mainWidget = new DMainWidget();
    m_mainWidget->show();
    m_mainWidget->activateWindow();
    setActivationWindow(m_mainWidget, true);

    QSettings settings(DDataManager::instance()->settingsFilePath(), QSettings::IniFormat);
    const bool autoStart = settings.value(QStringLiteral("AutoStart/isAutoStart"), false).toBool();
    const bool trayShown = m_mainWidget->trayIconInTray();
    if (startsHidden(autoStart, trayShown, arguments()))
        m_mainWidget->hide();
}

void DAppllication::newLocalConnection()
{
    if (!m_localServer)
        return;
    QLocalSocket *socket = m_localServer->nextPendingConnection();
    if (!socket)
        return;
    // What the other copy wrote is not needed; the connection itself is the
    // request to come forward.
    socket->waitForReadyRead(ReadWaitMs);
    delete socket;
    if (m_activateOnMessage)
        activateWindow();
}

void DAppllication::setActivationWindow(QWidget *window, bool activateOnMessage)
{
    m_activationWindow = window;
    m_activateOnMessage = activateOnMessage;
}

void DAppllication::activateWindow()
{
    QWidget *window = m_activationWindow;
    if (!window)
        return;
    window->raise();
    window->activateWindow();
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
}

bool DAppllication::notify(QObject *receiver, QEvent *event)
{
    if (event->type() == QEvent::MouseMove && m_mainWidget) {
        const QPoint pos = static_cast<QMouseEvent *>(event)->globalPos();
        m_mainWidget->updateEdgeCursor(pos.x(), pos.y());
    }
    return QApplication::notify(receiver, event);
}
