// onboardPlan.h - the whole onboard download of a profile, read from its two
// layer stores before anything is sent: the key-table pages of both layers
// and, just before the page that refers to it, the image of every macro
// bound to a key. A profile the keyboard cannot hold is refused here, so a
// refused download sends nothing at all.
#ifndef ONBOARDPLAN_H
#define ONBOARDPLAN_H

#include "hid/onboardEncoding.h"

#include <string>
#include <vector>

struct OnboardPlanStep
{
    enum Kind { KeyPage, MacroImage };
    Kind kind = KeyPage;
    int layerIndex = 0;              // 0 Default, 1 FN
    int page = 0;                    // KeyPage: page number within the layer
    int entryCount = 0;              // KeyPage: 1 to 14
    std::array<uint8_t, 56> entries{};
    int slot = -1;                   // MacroImage: 0 to 9
    OnboardMacroImage image{};       // MacroImage
};

struct OnboardPlanProblem
{
    enum Reason {
        None,
        StoreUnreadable,  // a layer store gave no current profile (the attempt fails)
        TooManyMacroKeys, // more keys bound to macros than the keyboard has slots
        MacroTooLong,     // a bound macro has more events than a slot holds
        TooManyModifiers, // a combination holds more than two modifier keys
    };
    Reason reason = None;
    int layerIndex = 0;
    int keyCode = 0;
    std::string macroIndex; // MacroTooLong: the binding's macro number
    int count = 0;          // macro keys, events or modifiers
};

struct OnboardPlan
{
    std::vector<OnboardPlanStep> steps;
    int macroSlotsUsed = 0;
    int profileIndex = -1;       // of the last layer read
    std::string storePath;       // of the last layer read
    OnboardPlanProblem problem;
    bool ok() const { return problem.reason == OnboardPlanProblem::None; }
};

namespace onboard {

// The layer byte of a 0x17 page for a layer index.
inline int layerByte(int layerIndex) { return layerIndex == 0 ? 0 : 2; }
// The store file of a layer index in the profile folder.
const char *layerStoreFile(int layerIndex);

// Reads both layer stores of the profile folder (paths in the local 8-bit
// code page) for the keys in registry order and builds the download.
OnboardPlan buildPlan(const std::string &profileDir, const std::vector<int> &keyCodes);

} // namespace onboard

#endif // ONBOARDPLAN_H
