#ifndef VARDEX_PLATFORM_SIMULATEOPTION_H
#define VARDEX_PLATFORM_SIMULATEOPTION_H

#include <QStringList>

// The tool's "--simulate[=FILE]" option: turns on the device library's
// simulated keyboard (VARDEX_SIM) before the library starts. "--simulate"
// gives the default scenario unless VARDEX_SIM already names one;
// "--simulate=FILE" selects a scenario file (made absolute). Returns true
// when the option was present.
bool applySimulateOption(const QStringList &arguments);

#endif // VARDEX_PLATFORM_SIMULATEOPTION_H
