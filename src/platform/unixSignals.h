#ifndef UNIXSIGNALS_H
#define UNIXSIGNALS_H

class QCoreApplication;

namespace unixSignals {

// SIGTERM, SIGINT and SIGHUP (log-out, Ctrl+C, a closed terminal) end the
// event loop normally, so the settings are written and the instance key is
// released instead of being left behind as after a kill.
bool quitOnTermination(QCoreApplication *app);

} // namespace unixSignals

#endif // UNIXSIGNALS_H
