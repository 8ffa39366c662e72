#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "app/DAppllication.h"
#include "app/QtLinguist.h"
#include "data/DDataManager.h"
#include "platform/appPaths.h"
#include "platform/crashDump.h"
#include "platform/instanceGuard.h"
#include "platform/instanceScope.h"
#include "platform/unixSignals.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/macro/DMacroPage.h"
#include "ui/settings/DSettingsDia.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

#include <cstring>

namespace {

const char kAppId[] = "RimoKeyboard_1.2.0.1";

// Every window is drawn by the widgets' raster engine; nothing uses OpenGL.
// Left to itself, the X11 platform plugin still loads its OpenGL integration
// and with it the system's OpenGL driver (megabytes of private memory for a
// software renderer). A choice made in the environment is kept.
void keepOpenGlUnloaded()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}

// The crash message comes from a fresh copy of the program, as the crashed
// one can no longer run the interface safely.
int runCrashReport(int &argc, char **argv)
{
    keepOpenGlUnloaded();
    QApplication app(argc, argv);
    DAppllication::installFontSubstitutions();
    QFont appFont = app.font();
    appFont.setFamily(QStringLiteral("Microsoft YaHei"));
    appFont.setPixelSize(12);
    app.setFont(appFont);

    QtLinguist linguist;
    QSettings settings(DDataManager::instance()->settingsFilePath(), QSettings::IniFormat);
    const int stored = DAppllication::storedLanguage(settings);
    linguist.load(stored != -1 ? stored : QtLinguist::systemLanguage());
    return crashDump::showReport(argc > 2 ? QFile::decodeName(argv[2]) : QString());
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], crashDump::kReportArgument) == 0)
        return runCrashReport(argc, argv);

    const QString programName = QFileInfo(QFile::decodeName(argv[0])).fileName();
    const QString appDataDir = appPaths::appDataDirFor(programName);
    crashDump::install(appDataDir + QStringLiteral("/dump"), QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));

    // Lock and key belong to this user's settings folder, like the socket.
    const QString configDir = appPaths::userConfigDirFor(appDataDir);
    InstanceGuard guard(instanceScope::memoryKey(QString::fromLatin1(kAppId), appPaths::settingsFileIn(configDir)),
                        configDir + QStringLiteral("/instance.lock"));
    const bool alreadyRunning = !guard.acquire();

    // The main window creates its device page through this factory.
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
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    keepOpenGlUnloaded();
    DAppllication app(QString::fromLatin1(kAppId), argc, argv, alreadyRunning, &guard);
    if (app.mustExit())
        return 1;
    unixSignals::quitOnTermination(&app);
    return app.exec();
}
