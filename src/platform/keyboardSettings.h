#ifndef VARDEX_PLATFORM_KEYBOARDSETTINGS_H
#define VARDEX_PLATFORM_KEYBOARDSETTINGS_H

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// The desktop's own keyboard settings, opened from the performance page.
namespace keyboardSettings {

struct Program
{
    QString program;   // looked up in PATH
    QStringList arguments;
};

// The known settings programs, most common desktops first.
const QVector<Program> &knownPrograms();

// Where a program is installed; empty when it is not. Replaceable in tests.
using Finder = std::function<QString(const QString &program)>;
QString findInPath(const QString &program);

// The first known program that is installed, with its full path in
// `program`; false when none is.
bool firstInstalled(Program *found, const Finder &finder = findInPath);

enum class LaunchResult { Started, NoneInstalled, StartFailed };

// Starts the first installed program detached, so the tool never waits for
// the settings window.
LaunchResult launchFirstInstalled(const Finder &finder = findInPath);

} // namespace keyboardSettings

#endif // VARDEX_PLATFORM_KEYBOARDSETTINGS_H
