#include "platform/autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace autostart {

QString entryPath()
{
    // GenericConfigLocation honours XDG_CONFIG_HOME and falls back to ~/.config.
    const QString configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return configHome + QStringLiteral("/autostart/vardex-keyboard.desktop");
}

QString execLine(const QString &executablePath)
{
    // Desktop entry quoting: inside double quotes, '"', '`', '$' and '\\' are
    // escaped with a backslash; a literal '%' is written as "%%".
    QString quoted;
    quoted.reserve(executablePath.size() + 8);
    for (const QChar c : executablePath) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    return QLatin1Char('"') + quoted + QStringLiteral("\" --AutoUp");
}

bool writeEntry(const QString &executablePath)
{
    const QString path = entryPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;

    // The key file escapes backslashes once more on top of the Exec quoting.
    QString exec = execLine(executablePath);
    exec.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));

    QByteArray text;
    text += "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Name=vardex-keyboard\n";
    text += "Comment=Keyboard configuration tool, started in the tray\n";
    text += "Exec=" + exec.toUtf8() + '\n';
    text += "Icon=vardex-keyboard\n";
    text += "Terminal=false\n";
    text += "X-GNOME-Autostart-enabled=true\n";

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(text) != text.size())
        return false;
    return file.commit();
}

bool removeEntry()
{
    const QString path = entryPath();
    if (!QFile::exists(path))
        return true;
    return QFile::remove(path);
}

bool entryExists()
{
    return QFile::exists(entryPath());
}

} // namespace autostart
