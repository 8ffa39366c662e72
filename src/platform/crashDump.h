#ifndef CRASHDUMP_H
#define CRASHDUMP_H

#include <QString>

// Crash reports for a process that received SIGSEGV, SIGBUS, SIGFPE, SIGILL or
// SIGABRT. The handler runs on its own stack, uses only async-signal-safe
// calls, writes "<dumpDir>/yyyy_MM_dd_hh_mm_ss.dmp" (signal, faulting address,
// backtrace, memory map), starts `<program> --crash-report <dump file>` as a
// separate process to tell the user, then ends the process with the signal's
// default action.
namespace crashDump {

// The argument that starts the program in crash-report mode.
extern const char kReportArgument[];

// Everything the handler needs is prepared here, outside any signal.
// `program` is the executable to start for the report (empty: none).
bool install(const QString &dumpDir, const QString &program);

// The file name for a crash at `secondsSinceEpoch` with the local time offset
// `utcOffsetSeconds`, formatted without library calls that a signal handler
// may not make; writes into `out` (at least 24 bytes), returns its length.
int formatDumpName(long long secondsSinceEpoch, long utcOffsetSeconds, char *out);

// Crash-report mode: shows the "Software exit" message; returns the exit code.
int showReport(const QString &dumpFile);

} // namespace crashDump

#endif // CRASHDUMP_H
