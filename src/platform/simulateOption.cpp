#include "platform/simulateOption.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "vardexSdk.h"

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
    // The simulated keyboards keep their light settings between runs, as
    // real ones do in their own memory.
    if (present && qEnvironmentVariableIsEmpty("VARDEX_SIM_MEMORY")) {
        const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                            + QLatin1String("/vardex-keyboard/simulator");
        if (QDir().mkpath(dir))
            qputenv("VARDEX_SIM_MEMORY", QFile::encodeName(dir));
    }
    return present;
}

QString simulateProblem()
{
    char text[1024] = {};
    if (CVardexSim_GetScenarioError(text, int(sizeof text)) <= 0)
        return QString();
    return QString::fromLocal8Bit(text);
}
