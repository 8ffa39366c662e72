#include "platform/unixSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace unixSignals {

namespace {

int g_pipe[2] = {-1, -1};

void onSignal(int sig)
{
    const char byte = static_cast<char>(sig);
    const ssize_t ignored = ::write(g_pipe[0], &byte, 1);
    (void)ignored;
}

} // namespace

bool quitOnTermination(QCoreApplication *app)
{
    if (g_pipe[0] != -1)
        return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0)
        return false;
    auto *notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, [app]() {
        char buffer[16];
        while (::read(g_pipe[1], buffer, sizeof(buffer)) > 0) {
        }
        app->quit();
    });

    struct sigaction action;
    std::memset(&action, 0, sizeof(action));
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    bool ok = true;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ok = ::sigaction(sig, &action, nullptr) == 0 && ok;
    return ok;
}

} // namespace unixSignals
