#ifndef VARDEX_PLATFORM_SIMULATEOPTION_H
#define VARDEX_PLATFORM_SIMULATEOPTION_H

#include <QString>
#include <QStringList>

// The tool's "--simulate[=FILE]" option: turns on the device library's
// simulated keyboard (VARDEX_SIM) before the library starts. "--simulate"
// gives the default scenario unless VARDEX_SIM already names one;
// "--simulate=FILE" selects a scenario file (made absolute). Returns true
// when the option was present.
bool applySimulateOption(const QStringList &arguments);

// Why the scenario asked for (by the option or VARDEX_SIM) was refused, as
// the device library words it ("<scenario>: <reason>"); empty when it was
// accepted or none was asked for. The library also says it on stderr, which
// a tool started from a menu has nowhere to show.
QString simulateProblem();

#endif // VARDEX_PLATFORM_SIMULATEOPTION_H
