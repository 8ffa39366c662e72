#include "keyboardSettings.h"

#include <QDebug>
#include <QProcess>
#include <QStandardPaths>

namespace keyboardSettings {

const QVector<Program> &knownPrograms()
{
    static const QVector<Program> programs = {
        {QStringLiteral("gnome-control-center"), {QStringLiteral("keyboard")}},
        {QStringLiteral("systemsettings"), {QStringLiteral("kcm_keyboard")}},
        {QStringLiteral("systemsettings5"), {QStringLiteral("kcm_keyboard")}},
        {QStringLiteral("xfce4-keyboard-settings"), {}},
        {QStringLiteral("cinnamon-settings"), {QStringLiteral("keyboard")}},
        {QStringLiteral("mate-keyboard-properties"), {}},
        {QStringLiteral("lxqt-config-input"), {}},
    };
    return programs;
}

QString findInPath(const QString &program)
{
    return QStandardPaths::findExecutable(program);
}

bool firstInstalled(Program *found, const Finder &finder)
{
    for (const Program &candidate : knownPrograms()) {
        const QString path = finder(candidate.program);
        if (path.isEmpty())
            continue;
        if (found)
            *found = Program{path, candidate.arguments};
        return true;
    }
    return false;
}

LaunchResult launchFirstInstalled(const Finder &finder)
{
    Program program;
    if (!firstInstalled(&program, finder)) {
        qDebug() << "---------- *** [Keyboard properties] no settings program installed *** ----------";
        return LaunchResult::NoneInstalled;
    }
    if (!QProcess::startDetached(program.program, program.arguments)) {
        qDebug() << "---------- *** [Keyboard properties] Failed to start" << program.program << "*** ----------";
        return LaunchResult::StartFailed;
    }
    return LaunchResult::Started;
}

} // namespace keyboardSettings
