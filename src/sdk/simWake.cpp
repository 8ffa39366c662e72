// simWake.cpp - the input event of a simulated endpoint: an eventfd that
// polls readable as a hidraw descriptor does when a report is waiting, so a
// transport sleeps in poll() on the simulator exactly as on hardware.
#include "simKeyboard.h"
#include "simState.h"

#include <sys/eventfd.h>
#include <cerrno>
#include <unistd.h>

#include <cstdint>

namespace vardex {
namespace sim {

World &world();

Endpoint::Endpoint()
    : eventFd(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
{
}

Endpoint::~Endpoint()
{
    if (eventFd >= 0)
        ::close(eventFd);
}

void Endpoint::signalInput() const
{
    if (eventFd < 0)
        return;
    const uint64_t one = 1;
    while (::write(eventFd, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

int inputEventFd(int endpoint)
{
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    auto it = w.endpoints.find(endpoint);
    return it == w.endpoints.end() ? -1 : it->second->eventFd;
}

void clearInputEvent(int endpoint)
{
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    auto it = w.endpoints.find(endpoint);
    if (it == w.endpoints.end() || it->second->eventFd < 0)
        return;
    uint64_t count = 0;
    while (::read(it->second->eventFd, &count, sizeof count) < 0 && errno == EINTR) {
    }
}

} // namespace sim
} // namespace vardex
