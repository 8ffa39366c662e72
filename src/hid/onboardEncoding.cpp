#include "hid/onboardEncoding.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

namespace onboard {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// The same reading as cNumber on a field that may lack its terminator.
template <size_t N> int fieldNumber(const char (&field)[N])
{
    char copy[N + 1];
    std::memcpy(copy, field, N);
    copy[N] = 0;
    return cNumber(copy);
}

uint8_t low8(int v) { return static_cast<uint8_t>(v & 0xFF); }

OnboardKeyEntry entry(uint8_t b0, uint8_t b1 = 0, uint8_t b2 = 0, uint8_t b3 = 0)
{
    OnboardKeyEntry e;
    e.bytes = {b0, b1, b2, b3};
    return e;
}

OnboardKeyEntry kind(OnboardKeyKind k, uint8_t b1 = 0, uint8_t b2 = 0, uint8_t b3 = 0)
{
    return entry(static_cast<uint8_t>(k), b1, b2, b3);
}

OnboardKeyEntry defaultEntry(int keyCode) { return kind(OnboardKeyKind::Key, low8(keyCode)); }

OnboardKeyEntry unboundEntry(int keyCode)
{
    switch (keyCode) {
    case kFnKeyCode: return kind(OnboardKeyKind::Fn);
    case 215: return kind(OnboardKeyKind::Multimedia, 0x32); // calculator
    case 127: return kind(OnboardKeyKind::Multimedia, 0x12); // mute
    case 129: return kind(OnboardKeyKind::Multimedia, 0x11); // volume down
    case 128: return kind(OnboardKeyKind::Multimedia, 0x10); // volume up
    // Play has no usage on the keyboard page; left unbound it stays the
    // keyboard's own play/pause, as it was before any download.
    case kPlayPauseKeyCode: return kind(OnboardKeyKind::Multimedia, 0x13);
    default: return defaultEntry(keyCode);
    }
}

OnboardKeyEntry keyFunctionEntry(int keyCode, int subCode, const char *value)
{
    const int a = cNumber(value);
    switch (subCode) {
    case 0:
        return kind(OnboardKeyKind::Function, 0x00);
    case 1: case 2: case 4: case 5: case 6: case 7: case 8: case 9: case 10:
        return kind(OnboardKeyKind::Function, low8(subCode), low8(a));
    case 3: {
        // Two bytes, big-endian; a value that does not fit is held at the ends.
        const int v = std::min(std::max(a, 0), 0xFFFF);
        return kind(OnboardKeyKind::Function, 0x03, static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v));
    }
    case 11: {
        const std::pair<int, int> ab = numberPair(value);
        return kind(OnboardKeyKind::Function, 0x0B, low8(ab.first), low8(ab.second));
    }
    default:
        return defaultEntry(keyCode);
    }
}

} // namespace

int cNumber(const char *text)
{
    if (!text)
        return 0;
    const char *p = text;
    while (isBlank(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    long long v = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        v = v * 10 + (*p - '0');
        if (v > static_cast<long long>(INT_MAX) + 1)
            v = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        return static_cast<int>(std::max(-v, static_cast<long long>(INT_MIN)));
    return static_cast<int>(std::min(v, static_cast<long long>(INT_MAX)));
}

int wholeNumber(const char *begin, const char *end)
{
    while (begin < end && isBlank(*begin))
        ++begin;
    while (end > begin && isBlank(end[-1]))
        --end;
    const char *digits = begin;
    if (digits < end && (*digits == '+' || *digits == '-'))
        ++digits;
    if (digits == end)
        return 0;
    for (const char *p = digits; p < end; ++p)
        if (*p < '0' || *p > '9')
            return 0;
    if (end - digits > 9)
        return 0; // not a number a key page stores
    const std::string text(begin, end);
    return cNumber(text.c_str());
}

std::pair<int, int> numberPair(const char *text)
{
    if (!text)
        return {0, 0};
    const char *end = text + std::strlen(text);
    const char *comma = std::find(text, end, ',');
    if (comma == end)
        return {wholeNumber(text, end), 0};
    return {wholeNumber(text, comma), wholeNumber(comma + 1, end)};
}

uint8_t multimediaCode(int value)
{
    static const uint8_t codes[] = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17,
                                    0x30, 0x32, 0x34, 0x23, 0x20, 0x38, 0x39, 0x21};
    return value >= 0 && value < int(sizeof codes) ? codes[value] : 0x00;
}

uint8_t mouseIsScroll(int value) { return value == 3 || value == 4 ? 1 : 0; }

uint8_t mouseCode(int value)
{
    static const uint8_t codes[] = {0x01, 0x04, 0x02, 0x01, 0xFF, 0x08, 0x10};
    return value >= 0 && value < int(sizeof codes) ? codes[value] : 0x00;
}

Combination combinationKeys(const char *valueText)
{
    const std::pair<int, int> parts = numberPair(valueText);
    const unsigned mask = static_cast<unsigned>(parts.first) & 0xFFu;
    Combination c;
    c.usage = low8(parts.second);
    int lowest = -1, highest = -1;
    for (int bit = 0; bit < 8; ++bit) {
        if (!(mask & (1u << bit)))
            continue;
        ++c.modifierCount;
        if (lowest < 0)
            lowest = bit;
        highest = bit;
    }
    if (lowest >= 0)
        c.firstModifier = static_cast<uint8_t>(0xE0 + lowest);
    if (c.modifierCount >= 2)
        c.secondModifier = static_cast<uint8_t>(0xE0 + highest);
    return c;
}

Shortcut shortcutKeys(int value)
{
    static const uint8_t table[][2] = {
        {0xE2, 0x3D}, {0xE2, 0x2B}, {0xE3, 0x07}, {0xE3, 0x08}, {0xE3, 0x0F}, {0xE0, 0x06},
        {0xE0, 0x1B}, {0xE0, 0x19}, {0xE0, 0x09}, {0xE0, 0x11}, {0xE0, 0x13}, {0xE0, 0x16},
    };
    Shortcut s;
    if (value >= 0 && value < int(sizeof table / sizeof table[0])) {
        s.modifier = table[value][0];
        s.usage = table[value][1];
    }
    return s;
}

OnboardKeyEntry encodeKey(int keyCode, const KeyOperateInfo &record, int macroSlot)
{
    if (keyCode == 0)
        return entry(0);
    const int type = fieldNumber(record.type);
    const int subCode = fieldNumber(record.playMode);
    char value[sizeof record.value + 1];
    std::memcpy(value, record.value, sizeof record.value);
    value[sizeof record.value] = 0;
    const uint8_t v = low8(cNumber(value));
    const uint8_t key = low8(keyCode);

    switch (type) {
    case TypeNone:
        return unboundEntry(keyCode);
    case TypeRemap: {
        const int target = cNumber(value);
        if (target == -20)
            return kind(OnboardKeyKind::Special);
        if (target == kFnKeyCode)
            return kind(OnboardKeyKind::Fn);
        return kind(OnboardKeyKind::Key, v);
    }
    case TypeMacro:
        return kind(OnboardKeyKind::Macro, key, low8(macroSlot));
    case TypeCombination: {
        const Combination c = combinationKeys(value);
        if (c.modifierCount < 2)
            return kind(OnboardKeyKind::Combination, c.firstModifier, c.usage);
        return kind(OnboardKeyKind::Combination, c.firstModifier, c.secondModifier, c.usage);
    }
    case 3:
        return kind(OnboardKeyKind::Multimedia, multimediaCode(cNumber(value)));
    case 4:
        return kind(OnboardKeyKind::Mouse, mouseIsScroll(cNumber(value)), mouseCode(cNumber(value)));
    case 5:
        return entry(0);
    case 6: case 7: case 8:
        return kind(OnboardKeyKind::HostFunction, 0, 0, key);
    case 9: {
        const Shortcut s = shortcutKeys(cNumber(value));
        return kind(OnboardKeyKind::Combination, s.modifier, s.usage);
    }
    case 19:
        return keyFunctionEntry(keyCode, subCode, value);
    case 20: return kind(OnboardKeyKind::KeyboardLight20, v);
    case 21: return kind(OnboardKeyKind::KeyboardLight21, v);
    case 22: return kind(OnboardKeyKind::KeyboardLight22, v);
    case 23: return kind(OnboardKeyKind::KeyboardLight23, v);
    case 24: return kind(OnboardKeyKind::KeyboardLight24, v);
    case 25: return kind(OnboardKeyKind::KeyboardLight25, v);
    case 26:
        if (subCode == 0 || subCode == 1)
            return kind(OnboardKeyKind::Function, subCode == 0 ? 0x04 : 0x05, v);
        return defaultEntry(keyCode);
    case 27: return kind(OnboardKeyKind::LightRecording);
    case 30: return kind(OnboardKeyKind::SideLight30, v);
    case 31: return kind(OnboardKeyKind::SideLight31, v);
    case 32: return kind(OnboardKeyKind::SideLight32, v);
    case 33: return kind(OnboardKeyKind::SideLight33, v);
    case 34:
        if (subCode == 0 || subCode == 1)
            return kind(OnboardKeyKind::Function, subCode == 0 ? 0x04 : 0x06, v);
        return defaultEntry(keyCode);
    default:
        return defaultEntry(keyCode);
    }
}

std::array<uint8_t, 4> encodeMacroEvent(const MacroEventRecord &event)
{
    auto text = [](const char *field, size_t size) { return std::string(field, strnlen(field, size)); };
    const std::string type = text(event.type, sizeof event.type);
    const bool press = text(event.operate, sizeof event.operate) == "down";
    const int code = cNumber(text(event.keyCode, sizeof event.keyCode).c_str());
    // A delay that does not fit its two bytes is held at the longest one.
    const int delay = std::min(std::max(cNumber(text(event.delay, sizeof event.delay).c_str()), 0), 0xFFFF);

    uint8_t codeByte = 0;
    uint8_t source = 0;
    if (type.find("key") != std::string::npos) {
        codeByte = low8(code);
    } else if (type.find("mouse") != std::string::npos) {
        source = 1;
        if (code == 513 || code == 514)
            codeByte = 1;
        else if (code == 516 || code == 517)
            codeByte = 2;
        else if (code == 519 || code == 520)
            codeByte = 4;
    }
    // Anything else keeps its place and its delay with code 0, which presses
    // nothing, so the timing of the events after it stays as recorded.
    return {codeByte, static_cast<uint8_t>((press ? 0x10 : 0x00) | source), static_cast<uint8_t>(delay >> 8),
            static_cast<uint8_t>(delay & 0xFF)};
}

bool buildMacroImage(int playMode, int playCount, const std::list<MacroEventRecord> &events,
                     OnboardMacroImage *image)
{
    if (events.size() > size_t(kMacroMaxEvents))
        return false;
    OnboardMacroImage out{};
    // The store holds play modes 1 to 4; anything else plays once.
    out[1] = static_cast<uint8_t>(playMode >= 1 && playMode <= 4 ? playMode - 1 : 0);
    out[3] = static_cast<uint8_t>(4 * events.size());
    out[5] = low8(playCount);
    size_t pos = kMacroHeaderBytes;
    for (const MacroEventRecord &event : events) {
        const std::array<uint8_t, 4> bytes = encodeMacroEvent(event);
        std::copy(bytes.begin(), bytes.end(), out.begin() + pos);
        pos += 4;
    }
    *image = out;
    return true;
}

hidCmdBuff macroPiece(int slot, int piece, const OnboardMacroImage &image)
{
    hidCmdBuff r;
    r[0] = 0x01;
    r[1] = static_cast<unsigned char>(HidSendCmd::OnboardMacroData);
    r[2] = low8(slot);
    r[4] = low8(piece);
    const int length = piece < kMacroPieces - 1 ? kMacroPieceBytes : kMacroLastPieceBytes;
    r[5] = static_cast<unsigned char>(length);
    if (piece >= 0 && piece < kMacroPieces)
        std::memcpy(r.bytes + hidCmdBuff::PayloadOffset, image.data() + piece * kMacroPieceBytes, size_t(length));
    return r;
}

hidCmdBuff keyPage(int layerByte, int page, const uint8_t *entryBytes, int entryCount)
{
    hidCmdBuff r;
    const int count = std::min(std::max(entryCount, 0), kEntriesPerPage);
    r[0] = 0x01;
    r[1] = static_cast<unsigned char>(HidSendCmd::OnboardKeyData);
    r[2] = low8(layerByte);
    r[4] = low8(page);
    r[5] = static_cast<unsigned char>(4 * count);
    if (count > 0)
        std::memcpy(r.bytes + hidCmdBuff::PayloadOffset, entryBytes, size_t(4 * count));
    return r;
}

} // namespace onboard
