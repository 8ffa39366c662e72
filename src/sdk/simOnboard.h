// simOnboard.h - the simulated keyboard's onboard memory: the key tables of
// both layers (0x17 pages) and the ten macro slots (0x18 pieces, each
// acknowledged with 0x19), the download status it reports, and the faults a
// test or scenario can inject into that exchange.
#ifndef VARDEX_SIM_ONBOARD_H
#define VARDEX_SIM_ONBOARD_H

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct cJSON;

namespace vardex {
namespace sim {

using Report = std::array<uint8_t, 64>;
struct Device;
struct World;

struct OnboardFaults
{
    int dropAckOfPiece = -1;    // the n-th macro piece from now (0-based) is not acknowledged, once
    int foreignAckOfPiece = -1; // the n-th piece's acknowledgement comes from another keyboard, once
    int status = 0;             // status to report after a download; 0: the keyboard judges, -1: none
    int quietMs = 500;          // silence after which the keyboard ends a download that has no closing piece
};

struct OnboardState
{
    // Layer byte (0 Default, 2 FN) -> page -> entries of 4 bytes.
    std::map<int, std::map<int, std::vector<std::array<uint8_t, 4>>>> keyPages;
    std::map<int, std::array<uint8_t, 256>> macros; // slot -> image
    OnboardFaults faults;

    // The download under way: it begins with page 0 of the Default layer.
    bool pending = false;
    bool fnSeen = false;
    bool malformed = false;
    std::chrono::steady_clock::time_point lastWrite;
    Report lastPiece{};
    bool decodedLogDue = false; // written once the status report has gone out
    std::chrono::steady_clock::time_point decodedLogAt;

    int piecesCounted = 0; // pieces since the piece faults were set
    int keyPagesReceived = 0;
    int macroPiecesReceived = 0;
    int macroPiecesRepeated = 0;
    int acksSent = 0;
    int acksWithheld = 0;
    int acksSentElsewhere = 0;
    int downloadsEnded = 0;
    int lastStatus = 0; // 0 also when the last download ended without a report
};

// A 0x17 or 0x18 report from the host; called with the world locked.
void onboardHostReport(World &w, Device &d, const Report &r);
// The worker's turn: reports the outcome once pages stopped coming.
void onboardTick(World &w, Device &d, bool live, std::chrono::steady_clock::time_point now,
                 std::chrono::steady_clock::time_point *wake);
// SetFault for the onboard faults; false for a fault that is not one of them.
bool onboardSetFault(Device &d, int fault, int value);
// The onboard keys of a scenario's device entry; false with *error set.
bool readOnboardScenario(const cJSON *obj, Device &d, std::string *error);

} // namespace sim
} // namespace vardex

#endif // VARDEX_SIM_ONBOARD_H
