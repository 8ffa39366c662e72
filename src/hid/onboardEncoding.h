// onboardEncoding.h - what the onboard download writes into a keyboard: the
// 4-byte key entries of the key-table pages (0x17) and the 256-byte macro
// images sent in five acknowledged pieces (0x18). Pure functions of the
// stored records, so they can be checked and measured without a keyboard.
#ifndef ONBOARDENCODING_H
#define ONBOARDENCODING_H

#include "hid/hidCmdBuff.h"
#include "vardexSdk.h"

#include <array>
#include <cstdint>
#include <list>

// The kind byte of a key entry.
enum class OnboardKeyKind : uint8_t {
    Key = 0x00,
    Fn = 0x01,
    KeyboardLight20 = 0x02,
    KeyboardLight21 = 0x03,
    KeyboardLight22 = 0x04,
    KeyboardLight23 = 0x05,
    KeyboardLight24 = 0x06,
    Multimedia = 0x07,
    KeyboardLight25 = 0x08,
    LightRecording = 0x09,
    SideLight30 = 0x0A,
    SideLight31 = 0x0B,
    SideLight32 = 0x0C,
    SideLight33 = 0x0D,
    Macro = 0x10,
    Function = 0x11,
    Mouse = 0x12,
    Combination = 0x13,
    Special = 0x14,
    HostFunction = 0x16,
};

// One key of a key-table page: the kind and three parameter bytes.
struct OnboardKeyEntry
{
    std::array<uint8_t, 4> bytes{};
    bool operator==(const OnboardKeyEntry &o) const { return bytes == o.bytes; }
};

using OnboardMacroImage = std::array<uint8_t, 256>;

namespace onboard {

constexpr int kEntriesPerPage = 14;
constexpr int kMacroSlots = 10;
constexpr int kMacroPieces = 5;
constexpr int kMacroPieceBytes = 58;
constexpr int kMacroLastPieceBytes = 24;
constexpr int kMacroHeaderBytes = 8;
constexpr int kMacroMaxEvents = (256 - kMacroHeaderBytes) / 4; // 62
constexpr int kFnKeyCode = -10;
// The code the layouts give a keyboard's own Play/Pause key.
constexpr int kPlayPauseKeyCode = 232;

// KeyFunctionType values the download looks at.
enum BindingType { TypeNone = -1, TypeRemap = 0, TypeMacro = 1, TypeCombination = 2 };

// A decimal text read the way the C library reads it: leading blanks, an
// optional sign, digits; no digits reads 0. Saturates instead of overflowing.
int cNumber(const char *text);
// A text that is exactly one decimal number (blanks around it allowed), else 0.
int wholeNumber(const char *begin, const char *end);
// The two comma-separated whole numbers of a value ("5,4"); 0 where missing.
std::pair<int, int> numberPair(const char *text);

uint8_t multimediaCode(int value);
uint8_t mouseIsScroll(int value);
uint8_t mouseCode(int value);

struct Combination
{
    uint8_t firstModifier = 0;  // 0 when no modifier
    uint8_t secondModifier = 0; // 0 unless two or more modifiers
    uint8_t usage = 0;
    int modifierCount = 0;      // bits set in the mask
};
Combination combinationKeys(const char *valueText);

struct Shortcut
{
    uint8_t modifier = 0;
    uint8_t zero = 0;
    uint8_t usage = 0;
};
Shortcut shortcutKeys(int value);

// The entry of one key. record is the key's binding with its type field
// preset to "-1" before the store was asked (so "-1" means no binding);
// macroSlot is byte 2 of a macro entry.
OnboardKeyEntry encodeKey(int keyCode, const KeyOperateInfo &record, int macroSlot);

// The image of a macro bound with that play mode and count. False (image
// untouched) when the events do not fit: more than kMacroMaxEvents.
bool buildMacroImage(int playMode, int playCount, const std::list<MacroEventRecord> &events,
                     OnboardMacroImage *image);
// The 4 bytes of one event.
std::array<uint8_t, 4> encodeMacroEvent(const MacroEventRecord &event);

// Piece 0..4 of a macro slot's image.
hidCmdBuff macroPiece(int slot, int piece, const OnboardMacroImage &image);
// A key-table page of up to 14 entries (4 bytes each).
hidCmdBuff keyPage(int layerByte, int page, const uint8_t *entryBytes, int entryCount);

} // namespace onboard

#endif // ONBOARDENCODING_H
