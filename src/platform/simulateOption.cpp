#include "platform/simulateOption.h"

#include <QFileInfo>

#include <cstdlib>

bool applySimulateOption(const QStringList &arguments)
{
    bool present = false;
    // The first argument is the program itself.
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--simulate")) {
            present = true;
            if (qEnvironmentVariableIsEmpty("VARDEX_SIM"))
                qputenv("VARDEX_SIM", "1");
        } else if (arg.startsWith(QLatin1String("--simulate="))) {
            present = true;
            const QString file = arg.mid(int(sizeof("--simulate=")) - 1);
            if (file.isEmpty())
                qputenv("VARDEX_SIM", "1");
            else
                qputenv("VARDEX_SIM", QFile::encodeName(QFileInfo(file).absoluteFilePath()));
        }
    }
    return present;
}
