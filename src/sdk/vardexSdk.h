// vardexSdk.h - the public interface of our keyboard device library.
//
// The library is plain C++17 with no Qt dependency. It holds the profile and
// macro stores (XML), HID enumeration and transport (hidapi, plus a simulated
// keyboard back end), light effect generation and firmware transfer.
// Records that cross this boundary have fixed layouts, checked below with
// static_assert, because callers copy them byte for byte.
#ifndef VARDEX_SDK_H
#define VARDEX_SDK_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#if defined(__GNUC__)
#define VARDEX_SDK_API __attribute__((visibility("default")))
#else
#define VARDEX_SDK_API
#endif

// ===========================================================================
// Library start-up
// ===========================================================================

VARDEX_SDK_API void CVardexSDK_VersionStr(char *text);

// ===========================================================================
// Shared records (binding, light and macro records)
// ===========================================================================

// ---- begin: store records ----
// Records of the profile and macro stores. Text fields are NUL-terminated
// 8-bit text (decimal numbers in ASCII, names and captions in UTF-8). The
// library never writes past a field and refuses input whose field lacks its
// terminator.

// The binding of one key in one profile of a layer's store (5224 bytes).
// The store fills it only when the key has a binding and otherwise leaves the
// caller's preset ("-1") untouched.
struct KeyOperateInfo
{
    char keyCode[80];    // the key code of the binding, decimal
    char type[8];        // KeyFunctionType, decimal
    char playCount[8];   // decimal, 1 to 255 for macro bindings, "1" otherwise
    char playMode[8];    // MacroPlayMode or sub code, decimal
    char value[5120];    // the type's value: at most 5119 bytes and a NUL
};
static_assert(sizeof(KeyOperateInfo) == 5224, "KeyOperateInfo is 5224 bytes");
static_assert(offsetof(KeyOperateInfo, type) == 80, "KeyOperateInfo::type at 80");
static_assert(offsetof(KeyOperateInfo, playCount) == 88, "KeyOperateInfo::playCount at 88");
static_assert(offsetof(KeyOperateInfo, playMode) == 96, "KeyOperateInfo::playMode at 96");
static_assert(offsetof(KeyOperateInfo, value) == 104, "KeyOperateInfo::value at 104");

// One macro event (240 bytes). A press and its release share one mark.
struct MacroEventRecord
{
    char mark[64];       // decimal
    char delay[16];      // decimal milliseconds before the event, 0 to 65535
    char type[16];       // "key" or "mouse"
    char keyCode[16];    // key code, or mouse message "513".."520"
    char codeName[64];   // caption shown for the event, UTF-8
    char operate[64];    // "down" for a press, anything else is a release
};
static_assert(sizeof(MacroEventRecord) == 240, "MacroEventRecord is 240 bytes");
static_assert(offsetof(MacroEventRecord, delay) == 64, "MacroEventRecord::delay at 64");
static_assert(offsetof(MacroEventRecord, type) == 80, "MacroEventRecord::type at 80");
static_assert(offsetof(MacroEventRecord, keyCode) == 96, "MacroEventRecord::keyCode at 96");
static_assert(offsetof(MacroEventRecord, codeName) == 112, "MacroEventRecord::codeName at 112");
static_assert(offsetof(MacroEventRecord, operate) == 176, "MacroEventRecord::operate at 176");

// One macro as a macro store lists it.
struct MacroNodeEntry
{
    char index[16];      // decimal
    char name[64];       // UTF-8
};
static_assert(sizeof(MacroNodeEntry) == 80, "MacroNodeEntry is 80 bytes");
static_assert(offsetof(MacroNodeEntry, name) == 16, "MacroNodeEntry::name at 16");

// One profile as a profile store lists it.
struct ProfileNodeEntry
{
    char index[16];      // decimal
    char name[64];       // UTF-8
};
static_assert(sizeof(ProfileNodeEntry) == 80, "ProfileNodeEntry is 80 bytes");
static_assert(offsetof(ProfileNodeEntry, name) == 16, "ProfileNodeEntry::name at 16");

// One profile's record (648 bytes); the name starts at byte 8.
struct ProfileNodeInfo
{
    char index[8];       // decimal
    char name[64];       // UTF-8
    char reserved[576];  // zero
};
static_assert(sizeof(ProfileNodeInfo) == 648, "ProfileNodeInfo is 648 bytes");
static_assert(offsetof(ProfileNodeInfo, name) == 8, "ProfileNodeInfo::name at 8");

// One key of a custom light (104 bytes).
struct customLightKeyRecord
{
    char keyCode[16];    // decimal
    char keyName[64];    // caption
    int32_t indexX;      // row of the key grid, 0 to 5
    int32_t indexY;      // column of the key grid, 0 to 21
    int32_t colorR;
    int32_t colorG;
    int32_t colorB;
    int32_t transparentNum;
};
static_assert(sizeof(customLightKeyRecord) == 104, "customLightKeyRecord is 104 bytes");
static_assert(offsetof(customLightKeyRecord, keyName) == 16, "customLightKeyRecord::keyName at 16");
static_assert(offsetof(customLightKeyRecord, indexX) == 80, "customLightKeyRecord::indexX at 80");
static_assert(offsetof(customLightKeyRecord, transparentNum) == 100,
              "customLightKeyRecord::transparentNum at 100");

// One custom light of a profile as the store lists them (100 bytes).
struct CustomLightNodeEntry
{
    char index[16];      // decimal, "0" to "4" in a new profile
    char name[64];       // UTF-8
    char isUsing[16];    // "Using" or "UnUsing"
    int32_t usingFlagIndex; // keyboard slot 0 or 1 when in use, else -1
};
static_assert(sizeof(CustomLightNodeEntry) == 100, "CustomLightNodeEntry is 100 bytes");
static_assert(offsetof(CustomLightNodeEntry, name) == 16, "CustomLightNodeEntry::name at 16");
static_assert(offsetof(CustomLightNodeEntry, isUsing) == 80, "CustomLightNodeEntry::isUsing at 80");
static_assert(offsetof(CustomLightNodeEntry, usingFlagIndex) == 96,
              "CustomLightNodeEntry::usingFlagIndex at 96");

// One lighting configuration: 14 signed 32-bit integers.
struct colorInfoData
{
    int32_t hidType;           // 0 keys, 1 side light, 2 third part
    int32_t ledType;           // effect
    int32_t ledBrightness;     // from 1
    int32_t ledSpeed;          // from 1
    int32_t ledTopColor[3];    // red, green, blue
    int32_t ledBottomColor[3]; // red, green, blue
    int32_t ledDirection;
    int32_t ledFullColor;
    int32_t ledExtra;
    int32_t ledReserved;
};
static_assert(sizeof(colorInfoData) == 14 * sizeof(int32_t), "colorInfoData is 14 ints");
static_assert(offsetof(colorInfoData, ledTopColor) == 16, "colorInfoData::ledTopColor at 16");
static_assert(offsetof(colorInfoData, ledBottomColor) == 28, "colorInfoData::ledBottomColor at 28");
static_assert(offsetof(colorInfoData, ledDirection) == 40, "colorInfoData::ledDirection at 40");
static_assert(offsetof(colorInfoData, ledReserved) == 52, "colorInfoData::ledReserved at 52");

// The four Windows-key lock switches of a profile, each "0" or "1", in the
// order the profile keeps them.
struct ProfileFunctionInfo
{
    char altTab[8];
    char altF4[8];
    char shiftTab[8];
    char winKey[8];
};
static_assert(sizeof(ProfileFunctionInfo) == 32, "ProfileFunctionInfo is 32 bytes");

// The sleep times of a profile.
struct ProfileSleepTimeInfo
{
    int32_t lightSleepSeconds;    // 0 to 60000
    int32_t keyboardSleepMinutes; // 5 to 1000
};
static_assert(sizeof(ProfileSleepTimeInfo) == 8, "ProfileSleepTimeInfo is two int32");
// ---- end: store records ----

// ===========================================================================
// Profile and macro stores (CVardexXML_*)
// ===========================================================================

// ---- begin: store functions ----
// The profile and macro stores are XML files (schema: src/sdk/STORE_SCHEMA.md).
// Every call is synchronous and thread-safe. Arguments:
//  - paths: NUL-terminated local 8-bit text from a 256-byte buffer; a path
//    without a terminator in its first 256 bytes, or an empty one, is refused;
//  - profile, macro and custom-light indexes, key codes, types and counts:
//    decimal text;
//  - names and captions: UTF-8, at most 63 bytes; values at most 5119 bytes.
//    Longer input is refused (false), never cut.
// Writes replace the file atomically. A store that does not parse answers
// queries with "not found"/empty; the first write that replaces it first
// keeps the damaged file aside as "<file>.damaged-<YYYYMMDD-HHMMSS>".
// Lists are appended to; the caller passes them empty.

// Start-up; 0 on success.
VARDEX_SDK_API int CVardexXML_Init();
// A new, empty store at path (replaces a store that is already there).
VARDEX_SDK_API bool CVardexXML_CreateXMLFile(const char *path);

// ---- batches of writes (path) ----
// Many writes to one store for the cost of one file replacement. While a
// batch of the path is open, writes to that path (from any thread) update
// the store's document only and report success as usual, and reads see
// them; the file is replaced atomically, once, when the batch ends. Until
// then the file keeps its old content, so a crash or an unended batch leaves
// the old store, never a partial one. Other programs and the import and
// export file arguments see the file on disk.
// Batches nest: each successful begin needs one end and only the outermost
// end writes. The path must be spelt the same way in the batch's calls.
// The damaged-store rule holds: the damaged file is kept aside at the end of
// a batch that wrote, and left untouched by a batch that only read.
// CVardexXML_Init() keeps open batches and their pending writes.
// Begin: false when the path is refused (then no batch was opened).
VARDEX_SDK_API bool CVardexXML_BeginBatch(const char *path);
// End: true when the batch was ended and, for the outermost end, its writes
// are on disk (or there were none). False when no batch of the path is open,
// or when the file could not be written: then none of the batch's writes
// were stored and the old store stays.
VARDEX_SDK_API bool CVardexXML_EndBatch(const char *path);

// ---- profiles (path, profile index first) ----
// Afterwards an empty profile with that index and name exists (an existing
// profile of that index is emptied). Refused when the store already holds
// 10 other profiles. reserved: pass 0.
VARDEX_SDK_API bool CVardexXML_CreateProFileXmlParentNode(const char *path, const char *profileIndex,
                                                          const char *name, int reserved);
// Removes the profile and everything in it; true when it existed.
VARDEX_SDK_API bool CVardexXML_DeleteProFileSelectedNode(const char *path, const char *profileIndex);
// Renames the profile; true when stored.
VARDEX_SDK_API bool CVardexXML_ModifyProfileNodeInfo(const char *path, const char *profileIndex,
                                                     const char *name);
// Appends every profile, in store order (ascending index); false when the
// store cannot be read.
VARDEX_SDK_API bool CVardexXML_SelectProFileAllNodes(const char *path,
                                                     std::vector<ProfileNodeEntry> &profiles);
// True when the store holds a profile with that index.
VARDEX_SDK_API bool CVardexXML_IsExistenceSelectProfileNode(const char *path, const char *profileIndex);
// Fills *info (index, name) and returns true when the profile exists.
VARDEX_SDK_API bool CVardexXML_SelectProfileNodeInfo(const char *path, const char *profileIndex,
                                                     ProfileNodeInfo *info);
// The store's current profile index; -1 when it cannot give one.
VARDEX_SDK_API int CVardexXML_GetCreateXMLFileProfileIndex(const char *path);
// Makes an existing profile the store's current one; true when stored.
VARDEX_SDK_API bool CVardexXML_ModifyXMLFileProfileIndex(const char *path, int profileIndex);
// Writes the profile as a self-contained single-profile file at target.
// A target that exists and is not one of our stores is not overwritten
// (false). reserved: pass 0.
VARDEX_SDK_API bool CVardexXML_ProFileExport(const char *path, const char *target,
                                             const char *profileIndex, int reserved);
// Adds profile sourceIndex of the exported file to the store under the index
// after the store's last profile, keeping its name. Refused (false) when the
// file is not one of our exports, is over 16 MiB, declares a DTD or entity,
// lacks that profile, or the store already holds 10 profiles.
VARDEX_SDK_API bool CVardexXML_ProFileImport(const char *path, const char *file,
                                             const char *sourceIndex);

// ---- key bindings ----
// Fills *info when the key has a binding in the profile (true); otherwise
// leaves *info untouched (false).
VARDEX_SDK_API bool CVardexXML_SelectProFileKeyOperateInfo(const char *path, const char *profileIndex,
                                                           const char *keyCode, KeyOperateInfo *info);
// Appends the key code of every bound key of the profile.
VARDEX_SDK_API bool CVardexXML_ProFileKeyInfoSelectAll(const char *path, const char *profileIndex,
                                                       std::list<std::string> &keyCodes);
// Number of bindings of the profile with that type and value; 0 when none or
// when the store or profile cannot be read.
VARDEX_SDK_API int CVardexXML_GetProFileValueNum(const char *path, const char *profileIndex,
                                                 const char *type, const char *value);
// Removes the key's binding; true when the profile exists and holds no
// binding for the key afterwards. The caption is not part of the identity.
VARDEX_SDK_API bool CVardexXML_DeleteProFileMacroWithKeyInfoItem(const char *path, const char *profileIndex,
                                                                 const char *keyCode, const char *caption);
// Stores the key's binding, replacing any earlier one; true when stored.
VARDEX_SDK_API bool CVardexXML_AddProFileMacroWithKeyInfoItem(const char *path, const char *profileIndex,
                                                              const char *keyCode, const char *caption,
                                                              const char *type, const char *playCount,
                                                              const char *playMode, const char *value);

// ---- the profile's copies of bound macros ----
// Removes the profile's copy of the macro; true when the profile exists.
VARDEX_SDK_API bool CVardexXML_DeleteProFileBindMacroNode(const char *path, const char *profileIndex,
                                                          const char *macroIndex, const char *nodeName);
// Stores the events as the profile's copy of the macro (replacing an older copy).
VARDEX_SDK_API bool CVardexXML_AddProFileBindMacroItem(const char *path, const char *profileIndex,
                                                       std::list<MacroEventRecord> events,
                                                       const char *macroIndex, const char *nodeName);
// Appends the events of the profile's copy of the macro, in playing order.
// nodeName may be empty. True when the copy exists.
VARDEX_SDK_API bool CVardexXML_ProFileMacroWithKeyInfoSelectAll(const char *path, const char *profileIndex,
                                                                const char *macroIndex, const char *nodeName,
                                                                std::list<MacroEventRecord> &events);

// ---- lights (part: 0 keys, 1 side light, 2 third part; type: effect) ----
// True when the profile holds a light record of that part and type.
VARDEX_SDK_API bool CVardexXML_IsProFileAlreadyHaveLightInfo(const char *path, const char *profileIndex,
                                                             int part, int type);
// Replaces the record of that part and type; false when there is none.
VARDEX_SDK_API bool CVardexXML_ModifyProFileLightInfoItem(const char *path, const char *profileIndex,
                                                          int part, int type, colorInfoData record);
// Adds the record under its hidType and ledType (replacing a record of the
// same part and type).
VARDEX_SDK_API bool CVardexXML_AddProFileLightInfoItem(const char *path, const char *profileIndex,
                                                       colorInfoData record);
// Fills *record and returns true when the profile holds that part and type;
// false leaves *record unchanged.
VARDEX_SDK_API bool CVardexXML_SelectProfileColorDataInfo(const char *path, const char *profileIndex,
                                                          int part, int type, colorInfoData *record);
// Marks the type in use for the part.
VARDEX_SDK_API bool CVardexXML_ModifyProFileMouseLightUsingIndex(const char *path, const char *profileIndex,
                                                                 int part, int type);
// The type in use for the part; when none was marked, the type of the part's
// first light record, else 0; -1 when the profile cannot be read.
VARDEX_SDK_API int CVardexXML_SelectProFileMouseLightTypeUsingIndex(const char *path, const char *profileIndex,
                                                                    int part);
// 1 when a type in use is marked for the key part, 0 when not, -1 when the
// profile cannot be read.
VARDEX_SDK_API int CVardexXML_SelectProFileLightTypeRuningStatus(const char *path, const char *profileIndex);
// Light synchronisation switch of the profile: 0 or 1 (0 when never set);
// -1 when the profile cannot be read.
VARDEX_SDK_API int CVardexXML_SelectProFileLightSynchronizeStatus(const char *path, const char *profileIndex);
VARDEX_SDK_API bool CVardexXML_ModifyProFileLightSynchronizeStatus(const char *path, const char *profileIndex,
                                                                   int status);

// ---- custom lights (id: decimal text) ----
// Afterwards the profile holds an empty custom light with these values.
VARDEX_SDK_API bool CVardexXML_AddProFileCustomLightNode(const char *path, const char *profileIndex,
                                                         const char *id, const char *name,
                                                         const char *usingStatus, int usingFlagIndex);
// Adds one key to the custom light (replacing the key of the same cell).
VARDEX_SDK_API bool CVardexXML_AddProFileCustomLightDataInfo(const char *path, const char *profileIndex,
                                                             const char *id, customLightKeyRecord record);
// Removes every key of the custom light; true when the custom light exists.
VARDEX_SDK_API bool CVardexXML_ClearProFileCustomLightNode(const char *path, const char *profileIndex,
                                                           const char *id);
// Appends the keys of the custom light; true when it exists.
VARDEX_SDK_API bool CVardexXML_ProFileCustomLightInfoSelectAll(const char *path, const char *profileIndex,
                                                               const char *id,
                                                               std::list<customLightKeyRecord> &keys);
// Appends the keys of custom light id of a default file (root "customLight").
VARDEX_SDK_API bool CVardexXML_XmlCustomLightInfoSelectAll(const char *file, const char *id,
                                                           std::list<customLightKeyRecord> &keys);
// Appends every custom light of the profile, in store order.
VARDEX_SDK_API bool CVardexXML_SelectProFileCustomLightAllNodes(const char *path, const char *profileIndex,
                                                                std::list<CustomLightNodeEntry> &lights);
VARDEX_SDK_API bool CVardexXML_ModifyProFileCustomLightNodeName(const char *path, const char *profileIndex,
                                                                const char *id, const char *name);
// usingStatus "Using" or "UnUsing"; usingFlagIndex the slot or -1.
VARDEX_SDK_API bool CVardexXML_ModifyProFileCustomLightNodeUsingStatus(const char *path,
                                                                       const char *profileIndex,
                                                                       const char *id,
                                                                       const char *usingStatus,
                                                                       int usingFlagIndex);

// ---- device settings ----
// Overwrites the four switches and returns true when the profile holds
// them; otherwise leaves *info untouched.
VARDEX_SDK_API bool CVardexXML_GetProFileFunctionInfo(const char *path, const char *profileIndex,
                                                      ProfileFunctionInfo *info);
// Replaces the four switches ("0" or "1"), in the order Alt+Tab, Alt+F4,
// Shift+Tab, Windows key.
VARDEX_SDK_API bool CVardexXML_AddProFileFunctionInfo(const char *path, const char *profileIndex,
                                                      const char *altTab, const char *altF4,
                                                      const char *shiftTab, const char *winKey);
// Overwrites both values and returns true when the profile holds them;
// otherwise leaves *info untouched.
VARDEX_SDK_API bool CVardexXML_GetProFileIntoSleepTimeInfo(const char *path, const char *profileIndex,
                                                           ProfileSleepTimeInfo *info);
// Replaces light sleep (seconds) and keyboard sleep (minutes).
VARDEX_SDK_API bool CVardexXML_SetProFileIntoSleepTimeInfo(const char *path, const char *profileIndex,
                                                           int32_t lightSleepSeconds,
                                                           int32_t keyboardSleepMinutes);

// ---- macro store (path, macro index first) ----
// Appends every macro, ascending by index.
VARDEX_SDK_API bool CVardexXML_SelectMacroAllNodes(const char *path, std::vector<MacroNodeEntry> &macros);
// Afterwards a macro with that index and name exists, without events.
VARDEX_SDK_API bool CVardexXML_CreateMacroXmlParentNode(const char *path, const char *macroIndex,
                                                        const char *name);
// Renames the macro (name not empty); true when the store holds the new name.
VARDEX_SDK_API bool CVardexXML_ModifyMacroNodeName(const char *path, const char *macroIndex,
                                                   const char *name);
// Removes the macro and its events; true when the macro is gone afterwards.
VARDEX_SDK_API bool CVardexXML_DeleteMacroNode(const char *path, const char *macroIndex);
// Appends the macro's events in playing order; true when the macro was read.
VARDEX_SDK_API bool CVardexXML_SelectAllKeyOrMouseEvent(const char *path, const char *macroIndex,
                                                        std::list<MacroEventRecord> &events);
// Appends the events after those the macro holds.
VARDEX_SDK_API bool CVardexXML_AddKeyOrMouseEventItem(const char *path, std::list<MacroEventRecord> events,
                                                      const char *macroIndex);
// Replaces the event with that mark and operate (0 press, 1 release).
VARDEX_SDK_API bool CVardexXML_UpdateEventItem(const char *path, const char *macroIndex, const char *mark,
                                               int operate, MacroEventRecord record);
// Removes both events with that mark.
VARDEX_SDK_API bool CVardexXML_DeleteEventItem(const char *path, const char *macroIndex, const char *mark);
// Swaps the event of that mark and operate (0 press, 1 release) with the one
// before it (direction 1) or after it (direction 0).
VARDEX_SDK_API bool CVardexXML_MacroEventItemUpOrDownOperate(const char *path, const char *macroIndex,
                                                             const char *mark, int direction, int operate);
// Why a macro file written elsewhere was refused.
enum MacroFileFault {
    MacroFileOk = 0,
    MacroFileUnreadable = 1,     // cannot be read, not a regular file, or over 16 MiB
    MacroFileDeclarations = 2,   // declares a document type or entity
    MacroFileNotUtf8 = 3,        // bytes that are not UTF-8
    MacroFileNotXml = 4,         // does not parse
    MacroFileForeignContent = 5, // text, elements or attributes a macro file does not have
    MacroFileNoMacro = 6,        // holds no macro
};
// Reads the events of the macro of highest index from a macro file written
// elsewhere (an import). The whole file is checked first: its root holds only
// macros and they only events, each attribute under the store's own rules.
// Returns MacroFileOk or the fault; events are appended only on success.
VARDEX_SDK_API int CVardexXML_ReadMacroFile(const char *file, std::list<MacroEventRecord> &events);
// ---- end: store functions ----

// ===========================================================================
// HID records, enumeration and transport (CVardexHid_*)
// ===========================================================================

// ---- begin: hid records ----

// One supported device (cable keyboard or receiver). Texts are NUL-terminated.
struct hidSupportInfo {
    char hidName[128];       // model code
    char vendorId[16];       // USB vendor id, 4 lower-case hex digits ("3a5e")
    char productId[16];      // USB product id, 4 lower-case hex digits
    int32_t usagePage;       // usage page of the vendor interface
    int32_t interfaceNumber; // USB interface number of the vendor interface
    int32_t hidUsbOrDongle;  // 0 cable, 1 2.4 GHz receiver
    char productName[120];
};
static_assert(sizeof(hidSupportInfo) == 292, "hidSupportInfo layout");
static_assert(offsetof(hidSupportInfo, vendorId) == 128, "hidSupportInfo layout");
static_assert(offsetof(hidSupportInfo, productId) == 144, "hidSupportInfo layout");

// One attached HID device.
struct hidStructInfo {
    uint32_t vendorId;
    uint32_t productId;
    char hidPath[256];
    char hidManufacturer[64];
    char hidProduct[64];
    char hidName[128];          // model code
    char hidFirmwareNUC[128];   // the identity text as the keyboard reported it
    int32_t interfaceNumber;
    int32_t hidUsbOrDongle;     // 0 cable, non-zero 2.4 GHz receiver
};
static_assert(sizeof(hidStructInfo) == 656, "hidStructInfo layout");
static_assert(offsetof(hidStructInfo, hidPath) == 8, "hidStructInfo layout");
static_assert(offsetof(hidStructInfo, hidName) == 392, "hidStructInfo layout");
static_assert(offsetof(hidStructInfo, hidUsbOrDongle) == 652, "hidStructInfo layout");

// The firmware of one attached device: the first five comma-separated parts
// of its identity text (chip, two identity parts, maker code, model code),
// then its version and build time. Empty when the keyboard did not answer.
struct hidFirmwareInfo {
    char identity[5][64];
    char reserved1[64];
    char firmwareVersion[64];
    char buildDateTime[64];
    char reserved2[320];
};
static_assert(sizeof(hidFirmwareInfo) == 832, "hidFirmwareInfo layout");
static_assert(offsetof(hidFirmwareInfo, identity) == 0, "hidFirmwareInfo layout");
static_assert(offsetof(hidFirmwareInfo, firmwareVersion) == 384, "hidFirmwareInfo layout");
static_assert(offsetof(hidFirmwareInfo, buildDateTime) == 448, "hidFirmwareInfo layout");

// One supported model. modelParams: side-light segments, side LEDs,
// layout family, 1 when the model has a side light.
struct hidModelInfo {
    char deviceType[128];   // "keyboard"
    int32_t modelParams[4];
    char hidName[128];      // model code
    int32_t keyCount;
    char productName[128];
    char likeName[128];     // display name
};
static_assert(sizeof(hidModelInfo) == 532, "hidModelInfo layout");
static_assert(offsetof(hidModelInfo, modelParams) == 128, "hidModelInfo layout");
static_assert(offsetof(hidModelInfo, hidName) == 144, "hidModelInfo layout");
static_assert(offsetof(hidModelInfo, keyCount) == 272, "hidModelInfo layout");
static_assert(offsetof(hidModelInfo, productName) == 276, "hidModelInfo layout");
static_assert(offsetof(hidModelInfo, likeName) == 404, "hidModelInfo layout");

// State of one pacing timer; an opaque id, copied by value.
struct hidTimerState {
    uint64_t id;
};
static_assert(sizeof(hidTimerState) == 8, "hidTimerState layout");

// CVardexHid_CheckPathAccess results.
enum hidPathAccess {
    HID_PATH_OK = 0,                // the device can be opened
    HID_PATH_NO_PERMISSION = 1,     // present, but this user may not open it
    HID_PATH_MISSING = 2,           // no such device
    HID_PATH_ERROR = 3              // present, but opening failed otherwise
};
// ---- end: hid records ----

// ---- begin: hid functions ----

// 0 on success. Picks the back end: the simulated keyboards when VARDEX_SIM
// is set (or CVardexSim_Enable was called), otherwise hidapi on hidraw.
VARDEX_SDK_API int CVardexHid_Init();
// Appends one entry per supported cable keyboard and receiver; returns the
// number appended.
VARDEX_SDK_API int CVardexHid_GetSupportInfoList(std::vector<hidSupportInfo> &list);
// Appends the path of every attached vendor interface of a supported id;
// returns the number appended. No device: nothing appended, 0.
VARDEX_SDK_API int CVardexHid_GetHidInfoList(std::list<std::string> &paths);
// Adds one entry per supported model, keyed by model code; returns the count.
VARDEX_SDK_API int CVardexHid_GetHidInfoStuMapList(std::map<std::string, hidModelInfo> &models);
// Fills both records for an attached path (Latin-1). The identity is asked
// from the device once per path and cached; a receiver whose keyboard does
// not answer is filled with the model of its product id and an empty
// identity. False for an unknown path or unsupported device.
VARDEX_SDK_API bool CVardexHid_GetHidAndFirmwareInfoStu(const char *path, hidStructInfo *info,
                                                        hidFirmwareInfo *firmware);
// Device handle (> 0), or 0 when the device cannot be opened.
VARDEX_SDK_API int CVardexHid_OpenPath(const char *path);
// 1: later reads return at once. Returns 0, or -1 for an unknown handle.
VARDEX_SDK_API int CVardexHid_SetNonblocking(int handle, int nonblock);
// Fills 64 bytes with one inbound report (byte 0 the report id) and returns
// 64; 0 when none is waiting; -1 when the device is gone or the handle bad.
VARDEX_SDK_API int CVardexHid_HidReadBuff(int handle, unsigned char *buffer);
// A descriptor owned by the handle that polls readable (POLLIN) once an
// inbound report arrived, so a reader can sleep in poll() instead of
// polling reads; POLLHUP/POLLERR when the device is gone. -1 when the handle
// has none (or is unknown). It stays readable until cleared: clear it after
// poll() reported it and before reading, so a report that arrives later
// wakes the next poll(). Valid until CVardexHid_Close.
VARDEX_SDK_API int CVardexHid_GetInputEventFd(int handle);
VARDEX_SDK_API void CVardexHid_ClearInputEvent(int handle);
// Writes one 64-byte report (byte 0 the report id). Returns the byte count,
// or -1 when the report was not written. path is informational only.
VARDEX_SDK_API int CVardexHid_HidWriteBuff(int handle, const unsigned char *report, const char *path);
// Releases the device; waits for a read or write on the handle in another
// thread to finish first. Unknown handles are ignored.
VARDEX_SDK_API void CVardexHid_Close(int handle);

// Pacing timer of a transport loop: absolute deadlines on the monotonic
// clock (clock_nanosleep), so the loop keeps its rate whatever a pass costs.
// Runing's value is the interval in units of 10 microseconds; the transport
// passes 100, a pacing interval of 1 ms. A loop that fell behind by more
// than one interval starts afresh instead of running a burst of passes.
VARDEX_SDK_API void CVardexHid_highPrecisionTimerInit(hidTimerState *state);
VARDEX_SDK_API void CVardexHid_highPrecisionTimerStart(hidTimerState state);
VARDEX_SDK_API void CVardexHid_highPrecisionTimerRuning(int value, hidTimerState state);
VARDEX_SDK_API void CVardexHid_highPrecisionTimerStop(hidTimerState state);

// Permissions. CheckPathAccess tells why a path cannot be opened (hidPathAccess).
VARDEX_SDK_API int CVardexHid_CheckPathAccess(const char *path);
// Appends the paths of supported devices that are attached but cannot be
// opened for lack of permission (udev rules not installed); returns the count.
VARDEX_SDK_API int CVardexHid_GetNoPermissionList(std::list<std::string> &paths);
// ---- end: hid functions ----

// ===========================================================================
// Simulated keyboard control (tests and --simulate)
// ===========================================================================

// ---- begin: simulator ----

// The simulated keyboards: a second back end behind the CVardexHid_* calls.
// Paths look like "sim://Brisko/usb/3a5e:c106/0" (cable) or
// "sim://Yolma/dongle/3a5e:d10d/0" (receiver); they contain the USB ids so
// hot-plug matching by id works for them as for real devices.
// VARDEX_SIM=1 loads the default scenario (a cable keyboard and a reachable
// receiver keyboard of another model); VARDEX_SIM=<file> a JSON scenario.
// VARDEX_SIM_LOG=<file> appends one line per report:
//   "<ms since start> <path> <'>' host to keyboard | '<' keyboard to host> <128 hex digits>"
extern "C" {

// Turns the simulator on before CVardexHid_Init. scenario: a JSON file, or
// null / "" / "1" for the default. Returns 0, or -1 when the file cannot be
// read or parsed (the simulator then stays off).
VARDEX_SDK_API int CVardexSim_Enable(const char *scenario);
// Replaces all simulated devices by those of a JSON text; 0 or -1.
VARDEX_SDK_API int CVardexSim_LoadScenarioText(const char *json);
VARDEX_SDK_API int CVardexSim_IsEnabled();
// Why the scenario last asked for (VARDEX_SIM, CVardexSim_Enable or
// CVardexSim_LoadScenarioText) was refused, as "<scenario>: <reason>":
// copied into text (cut to capacity, always terminated) when given; returns
// its length, 0 when the last one was accepted or none was asked for.
VARDEX_SDK_API int CVardexSim_GetScenarioError(char *text, int capacity);
// Starts (or with null stops) the report log; 0 or -1.
VARDEX_SDK_API int CVardexSim_SetLogFile(const char *path);

// Adds a keyboard (model code from the device table; receiver 0 cable, 1
// behind a receiver) and returns its path in path (capacity pathSize);
// plugged in at once. Returns 0, or -1 for an unknown model.
VARDEX_SDK_API int CVardexSim_AddDevice(const char *model, int receiver, char *path, int pathSize);
// Plug or unplug a known device. Unplugging ends its open handles (reads and
// writes return -1). Returns 0, or -1 for an unknown path.
VARDEX_SDK_API int CVardexSim_Plug(const char *path);
VARDEX_SDK_API int CVardexSim_Unplug(const char *path);
// Called on the thread of Plug/Unplug with arrived 1 or 0; null removes it.
typedef void (*CVardexSimHotplugCallback)(const char *path, int arrived, void *ctx);
VARDEX_SDK_API void CVardexSim_SetHotplugCallback(CVardexSimHotplugCallback callback, void *ctx);

// Sends a report from the keyboard to every open handle of the path, as if
// unprompted (byte 0 is sent as given). 0, or -1 when unknown or unplugged.
VARDEX_SDK_API int CVardexSim_Inject(const char *path, const unsigned char *report64);
// Unprompted reports built by the keyboard itself.
VARDEX_SDK_API int CVardexSim_SendStatus(const char *path);
VARDEX_SDK_API int CVardexSim_SendKeyReport(const char *path, const unsigned char *keys8);
VARDEX_SDK_API int CVardexSim_SendCustomKeyEvent(const char *path, int keyCode, int pressed);
VARDEX_SDK_API int CVardexSim_SendKeyBitmap(const char *path, const unsigned char *columns22);
// Changes a light configuration as the keyboard's own keys would (part 0
// keys, 1 side light; payload = bytes 6..18 of the light-mode payload) and
// reports it (0x07 or 0x08).
VARDEX_SDK_API int CVardexSim_ChangeLightConfig(const char *path, int part, const unsigned char *payload13);

// State changes. Status-relevant ones send a status report when notify != 0.
VARDEX_SDK_API int CVardexSim_SetReachable(const char *path, int reachable, int notify);
VARDEX_SDK_API int CVardexSim_SetBattery(const char *path, int percent, int charging, int notify);
VARDEX_SDK_API int CVardexSim_SetSerial(const char *path, const char *serial);
// Light-type list of a part: the effect values, then markerCount markers
// (0xA5, 0x5A alternating), then the highest speed and brightness; whatever
// passes byte 63 is cut off, as the keyboard's report is.
VARDEX_SDK_API int CVardexSim_SetLightTypeList(const char *path, int part, const unsigned char *types, int count,
                                               int markerCount, int speedMax, int brightnessMax);
// Periodic status reports while a handle is open; 0 turns them off.
VARDEX_SDK_API int CVardexSim_SetStatusInterval(const char *path, int ms);

// Faults.
enum CVardexSimFault {
    SIM_FAULT_DROP_ACKS = 1,     // no 0x19 macro acks, no 0x14 sleep-time acks
    SIM_FAULT_DELAY_ACKS = 2,    // value: extra ms before each ack
    SIM_FAULT_REFUSE_WRITES = 3, // every write returns -1
    SIM_FAULT_SILENT = 4,        // takes writes, never answers or reports
    SIM_FAULT_REPLY_DELAY = 5,   // value: ms before every reply (default 1)
    // Onboard download. DROP_ACKS never acknowledges a macro piece,
    // DELAY_ACKS acknowledges late (e.g. 150 ms). Piece numbers count the
    // macro pieces the keyboard receives from the moment the fault is set,
    // from 0; -1 turns the fault off.
    SIM_FAULT_ONBOARD_DROP_ACK = 6,    // value n: piece n gets no acknowledgement, once
    SIM_FAULT_ONBOARD_FOREIGN_ACK = 7, // value n: piece n is acknowledged by another open keyboard instead, once
    SIM_FAULT_ONBOARD_STATUS = 8,      // value: status reported after a download (1 successful,
                                       // 2 failed, any other up to 255 as it is); 0: the keyboard
                                       // judges what it received; -1: no status report at all
    SIM_FAULT_ONBOARD_QUIET_MS = 9     // value: ms of silence that end a download without its
                                       // closing piece (500 by default)
};
VARDEX_SDK_API int CVardexSim_SetFault(const char *path, int fault, int value);

// What the keyboard holds. Texts NUL-terminated.
struct CVardexSimState {
    int plugged;
    int receiver;            // 0 cable, 1 behind a receiver
    int reachable;           // receiver's keyboard answers
    int battery;
    int charging;
    char model[32];
    char serial[33];
    unsigned char keyLight[13];   // light-mode payload bytes 6..18
    unsigned char sideLight[13];
    int customLightSlot;
    int lightSleepSeconds;
    int keyboardSleepSeconds;
    int lockSwitches[4];     // Windows key, Shift+Tab, Alt+Tab, Alt+F4
    int lightSync;           // 0x16 state
    int resetCount;
    int intoFirmwareCount;
    int openHandles;
    int writesReceived;
};
VARDEX_SDK_API int CVardexSim_GetState(const char *path, CVardexSimState *state);
// When the keyboard took its latest host reports, in ns on the log's clock
// (since the simulator started), which the log rounds down to ms: the newest
// ones, at most capacity of the last 1024, oldest first. Returns the count
// copied, or -1 for an unknown path.
VARDEX_SDK_API int CVardexSim_GetWriteTimes(const char *path, long long *nsSinceStart, int capacity);
// The key table written to a layer (0 Default, 2 FN): the pages' bytes
// concatenated in page order (56 bytes a page); returns the byte count.
VARDEX_SDK_API int CVardexSim_GetKeyTable(const char *path, int layer, unsigned char *buffer, int capacity);
// The 256-byte image of a macro slot; returns 256, or 0 when never written.
VARDEX_SDK_API int CVardexSim_GetMacroSlot(const char *path, int slot, unsigned char *buffer256);

// The onboard download as the keyboard saw it. A download begins with page 0
// of the Default layer (which also starts that layer's table afresh) and ends
// with piece 4 of slot 9 after an FN page, or when nothing came for 500 ms
// (SIM_FAULT_ONBOARD_QUIET_MS); the keyboard then reports its status (0x01,
// byte 13; not with SIM_FAULT_ONBOARD_STATUS -1) and, when a log is
// open, writes its tables and slots decoded, one "#" line each.
struct CVardexSimOnboardInfo {
    int keyPagesReceived;
    int macroPiecesReceived;
    int macroPiecesRepeated;  // a piece equal to the one before it: a resend
    int acksSent;
    int acksWithheld;         // by DROP_ACKS or ONBOARD_DROP_ACK
    int acksSentElsewhere;    // by ONBOARD_FOREIGN_ACK
    int downloadsEnded;       // downloads the keyboard saw to their end
    int lastStatus;           // 1 successful, 2 failed (or the faulty one), 0 none
    int keyPages[2];          // pages held: Default layer, FN layer
};
VARDEX_SDK_API int CVardexSim_GetOnboardInfo(const char *path, CVardexSimOnboardInfo *info);
// The entries of one page of a layer (0 Default, 2 FN), 4 bytes each, into
// entries56; returns the entry count, or -1 when the page is not held.
VARDEX_SDK_API int CVardexSim_GetKeyPage(const char *path, int layer, int page, unsigned char *entries56);
// The held tables and slots decoded, one line each (as in the log); returns
// the text's length, copying what fits (NUL-terminated) into text.
VARDEX_SDK_API int CVardexSim_DescribeOnboard(const char *path, char *text, int capacity);
// Forgets the tables, slots, counters and onboard faults of a keyboard.
VARDEX_SDK_API int CVardexSim_ClearOnboard(const char *path);
// The colours of a custom-light slot, 132 keys x RGB; returns 396 or 0.
VARDEX_SDK_API int CVardexSim_GetCustomLight(const char *path, int slot, unsigned char *buffer396);
// The light-sync stream a keyboard received: the last 0x16 switch, reports
// counted since it was plugged, and the last complete colour frame per part
// (0 keys: 132 x RGB; 1 side: side LEDs x RGB). The log holds one summary
// line a second of these reports ('=' for the direction) unless
// VARDEX_SIM_LOG_VERBOSE=1 logs each 0x0E and 0x28 report as well.
struct CVardexSimLightSync {
    int synchronous;  // byte 6 of the last 0x16, -1 before any
    int keyFrames;    // complete key frames of 0x0E (part 0, chunk 7 received)
    int sideFrames;   // complete side frames
    int stateReports; // 0x28 reports
    int customChunks; // 0x08 reports with slot 2
    unsigned char lastState[64]; // the last 0x28 report
};
VARDEX_SDK_API int CVardexSim_GetLightSync(const char *path, CVardexSimLightSync *out);
// Returns the number of bytes copied (at most size), 0 before a full frame.
VARDEX_SDK_API int CVardexSim_GetLightSyncFrame(const char *path, int part, unsigned char *buffer, int size);
// Firmware update of a simulated keyboard (path of the keyboard): the next
// `count` transfers into its bootloader fail at their finish.
VARDEX_SDK_API int CVardexSim_SetFirmwareFailures(const char *path, int count);
// The image the keyboard last received: size and CRC32; -1 when none.
VARDEX_SDK_API int CVardexSim_GetFirmwareImage(const char *path, unsigned int *size, unsigned int *crc32);
// How many image reports (start, data, finish) the keyboard's bootloaders
// have received; asking who it is does not count.
VARDEX_SDK_API int CVardexSim_GetBootloaderReportCount(const char *path);
// The bootloader path of a keyboard waiting in its bootloader, "" if none.
VARDEX_SDK_API int CVardexSim_GetBootloaderPath(const char *path, char *out, int outSize);
// Pulls the bootloader of a keyboard out (it comes back later as the
// keyboard with its old firmware); -1 when it is not in its bootloader.
VARDEX_SDK_API int CVardexSim_UnplugBootloader(const char *path);
// 0: the host "dies" as a killed process does: every open bootloader handle
// and running drive transfer stops where it is, and no bootloader opens; the
// keyboards stay in update mode. 1: the host runs again.
VARDEX_SDK_API int CVardexSim_SetHostAlive(int alive);
// The host dies (as with CVardexSim_SetHostAlive(0)) the moment a keyboard
// has taken `bytes` bytes of a firmware image, on either road; the report or
// drive write that reaches the count is the last one taken. Once; 0 disarms.
VARDEX_SDK_API int CVardexSim_SetHostDeathAtImageBytes(long long bytes);
// 1 while the host stands alive, 0 after it died.
VARDEX_SDK_API int CVardexSim_IsHostAlive();
// The folder standing for the update drive of a keyboard in update mode on
// the drive road, "" if none.
VARDEX_SDK_API int CVardexSim_GetUpdateDrive(const char *path, char *out, int outSize);
}
// ---- end: simulator ----

// ===========================================================================
// Light effect generation (CVardexLight_* and light CVardexHid_*)
// ===========================================================================

// ---- begin: light ----

// 0 on success.
VARDEX_SDK_API int CVardexLight_Init();

// One LED of an effect frame: 11 ints. A keyboard frame is 132 records
// (6 rows of 22, row-major), a side frame 60.
struct ledFrameRecord
{
    int32_t red, green, blue;    // the LED's colour
    int32_t red2, green2, blue2; // a second colour (side Collision)
    int32_t intensity;           // 0 to 255
    int32_t fadeState;           // 0 none, 1 rising, 2 falling
    int32_t rippleStage;         // 1 to 9 while a ripple passes
    int32_t level;               // bar level; the key of the Speed Respond pairs
    int32_t autoRippleTrigger;   // 1 on the frame an auto ripple starts
};
static_assert(sizeof(ledFrameRecord) == 11 * sizeof(int32_t), "ledFrameRecord is 11 ints");

struct ledRgb
{
    int32_t red, green, blue;
};

enum : int {
    VARDEX_LIGHT_ROWS = 6,
    VARDEX_LIGHT_COLUMNS = 22,
    VARDEX_LIGHT_KEYS = 132,
    VARDEX_LIGHT_SIDE_LEDS = 60,
};

// Receives one frame; called before the frame call returns, in its thread.
typedef void (*ledFrameCallback)(ledFrameRecord *frame);

// Later keyboard frames follow this record (restarts the effect).
VARDEX_SDK_API void CVardexHid_SetKeyboardColorInfoDataStu(colorInfoData record, int keyCount,
                                                           const char *modelCode,
                                                           unsigned char hasSideLight);
// The record was edited: colours and direction change, the effect runs on.
VARDEX_SDK_API void CVardexHid_SetKeyboardColorInfoDataStuHaveChanged(colorInfoData record);
// Later side frames follow this record over segmentCount segments (at most 60);
// a segment whose validStatus is 0 stays dark.
VARDEX_SDK_API void CVardexHid_SetSideColorInfoDataStu(colorInfoData record, int segmentCount,
                                                       std::vector<int> validStatus);
VARDEX_SDK_API void CVardexHid_SetSideColorInfoDataStuHaveChanged(colorInfoData record);
// Advance the effect one frame and hand it to callback (132 or 60 records).
VARDEX_SDK_API void CVardexHid_keyboardLightColorRuning(ledFrameCallback callback);
VARDEX_SDK_API void CVardexHid_sideLightColorRuning(ledFrameCallback callback);
// The colour of one key (row 0-5, column 0-21) in the keyboard frame just
// produced, its intensity applied; black outside the grid.
VARDEX_SDK_API ledRgb CVardexHid_lightColorMix(int row, int column);
// The colour of the last key press reported by CVardexHid_keyClickedSendXY
// (the ripple it starts); -1s before any.
VARDEX_SDK_API ledRgb CVardexHid_GetCurrentRippleLightColor();
// The auto ripple started last: row, column, red, green, blue.
VARDEX_SDK_API std::array<int32_t, 5> CVardexHid_GetCurrentAutoRippleLightConfig();
// The running side Collision: left head, right head, flash stage, segment
// count, cycle count (low byte).
VARDEX_SDK_API std::array<uint8_t, 5> CVardexHid_GetSideCollisionLightRuningConfig();
// A key of the grid (row 0 to 5, column 0 to 21) was hit: the interactive
// effects react from the next frame on. Cells outside the grid are ignored;
// at most 64 hits wait for a frame.
VARDEX_SDK_API void CVardexHid_keyClickedSendXY(int row, int column);
// For tests: moves the hits still waiting for a frame, oldest first, into
// `hits` as (row, column) pairs; returns how many.
VARDEX_SDK_API int CVardexLight_TakeKeyHits(std::vector<std::pair<int, int>> &hits);
// For tests: forget every effect's state and frame count and reseed the
// random generator, so frames are reproducible.
VARDEX_SDK_API void CVardexLight_ResetForTest(uint32_t seed);
// ---- end: light ----

// ===========================================================================
// Firmware transfer
// ===========================================================================

// ---- begin: firmware ----

// Embedded firmware images. A ".bin" image carries its identity text
// ("chip,part2,part3,maker,model,version", ASCII, NUL-ended within 50 bytes)
// at kFwBinIdentityOffset; only the first kFwBinScanSize bytes are read and
// bytes past a shorter image count as zero.
enum {
    CVARDEX_FW_BIN_SCAN_SIZE = 0x80000,
    CVARDEX_FW_BIN_DATE_OFFSET = 0x10810,
    CVARDEX_FW_BIN_TIME_OFFSET = 0x10820,
    CVARDEX_FW_BIN_IDENTITY_OFFSET = 0x10840,
    CVARDEX_FW_BIN_IDENTITY_SIZE = 50
};
// A ".ufw" container, little-endian:
//   0  4  magic "VUFW"
//   4  4  container format (1)
//   8 16  identity (model code, NUL-padded)
//  24  4  version text (NUL-padded)
//  28  4  payload size
//  32  4  CRC32 of the payload
//  36  2  CRC16 (CCITT) of the payload
//  38  2  zero
//  40  4  CRC32 of bytes 0..39
//  44 20  zero
//  64     payload
enum { CVARDEX_UFW_HEADER_SIZE = 64, CVARDEX_UFW_FORMAT = 1 };

// A ".bin" file ends in a seal of CVARDEX_FW_BIN_SEAL_SIZE bytes that the
// image generator appends, after the image (the identity block's offsets are
// those of the image itself), little-endian:
//   0  4  magic "VSEL"
//   4  4  image size (the file's size less the seal)
//   8  4  CRC32 of the image
//  12  4  CRC32 of seal bytes 0..11
// Only the image, never the seal, is sent to a keyboard.
enum { CVARDEX_FW_BIN_SEAL_SIZE = 16 };
// Results of the image checks (CVardexFw_CheckBin, CVardexFw_ReadImageFile).
enum {
    CVARDEX_FW_OK = 0,
    CVARDEX_FW_UNREADABLE = -2, // missing, not a regular file, or unreadable
    CVARDEX_FW_DAMAGED = -4,    // no seal, or its size or CRC does not match
    CVARDEX_FW_OTHER_MODEL = -5,
    CVARDEX_FW_EMPTY = -7,
    CVARDEX_FW_TOO_LARGE = -8
};
// Largest ".ufw" file the drive updater loads.
enum { CVARDEX_UFW_MAX_SIZE = 8 * 1024 * 1024 };

// CRC-32 (IEEE 802.3), continued from crc (0 to start).
VARDEX_SDK_API uint32_t CVardexFw_Crc32(uint32_t crc, const unsigned char *data, size_t size);
// CRC-16/CCITT-FALSE.
VARDEX_SDK_API uint16_t CVardexFw_Crc16(const unsigned char *data, size_t size);
// Compares two version texts ("V1.0.10") by their numeric components, so
// V1.9 < V1.10 and V2.0 == V2.0.0; a leading letter and letter case do not
// count. Non-numeric remainders compare case-insensitively. -1, 0 or 1.
VARDEX_SDK_API int CVardexFw_CompareVersions(const char *a, const char *b);
// Copies the identity text of a ".bin" image (NUL-ended) into out, which
// must hold CVARDEX_FW_BIN_IDENTITY_SIZE + 1 bytes. Never reads past size.
VARDEX_SDK_API void CVardexFw_BinIdentity(const unsigned char *image, size_t size, char *out);
// Writes a ".ufw" header for payload into header (CVARDEX_UFW_HEADER_SIZE
// bytes). 0, or -1 when an argument does not fit.
VARDEX_SDK_API int CVardexFw_MakeUfwHeader(const char *identity, const char *version,
                                           const unsigned char *payload, uint32_t payloadSize,
                                           unsigned char *header);
// Writes the seal of a ".bin" image into seal (CVARDEX_FW_BIN_SEAL_SIZE
// bytes). 0, or -1 when an argument is missing.
VARDEX_SDK_API int CVardexFw_MakeBinSeal(const unsigned char *image, uint32_t size, unsigned char *seal);
// Checks a whole ".bin" file in memory: its seal, and, when model is given,
// that its identity names that model (exactly). CVARDEX_FW_* result; on
// success *imageSize (when given) is the size of the image without its seal.
VARDEX_SDK_API int CVardexFw_CheckBin(const unsigned char *file, size_t size, const char *model,
                                      size_t *imageSize);
// Reads a whole file of at most maxSize bytes into out. Refuses at once what
// is not a regular file (a FIFO would block the reader). CVARDEX_FW_* result.
VARDEX_SDK_API int CVardexFw_ReadImageFile(const char *path, size_t maxSize, std::vector<unsigned char> &out);

// The updater of drive-road keyboards. It keeps the image last loaded (one
// per process); the results are those of the drive updater: 0 success,
// -3 file error, -5 no update drive behind the letter, -6 drive not
// writable, -9 verification failed, -10 no image loaded, -18 drive left
// during the transfer.
typedef void (*CVardexUpdProgress)(int percent);
VARDEX_SDK_API int CVardexUpd_LoadUfwData(const unsigned char *data, uint32_t size);
VARDEX_SDK_API int CVardexUpd_GetUfwCrc(uint16_t *crc16, uint32_t *crc32);
// identity: cap bytes (17), version: cap bytes (4, not NUL-ended when full).
VARDEX_SDK_API int CVardexUpd_GetUfwPidVid(char *identity, int identityCap, char *version, int versionCap);
VARDEX_SDK_API int CVardexUpd_QueryDevicePidVid(char letter);
VARDEX_SDK_API int CVardexUpd_UpgradeDevice(char letter, int verify, int reboot, CVardexUpdProgress progress);
// Replaces the search for update drives by a fixed list of folders (letter
// A is dirs[0]); a negative count returns to the search of mounted drives.
VARDEX_SDK_API void CVardexUpd_SetCandidateDrives(const char *const *dirs, int count);
// The model code named by the update drive behind a letter (NUL-ended in
// cap bytes); -5 when there is no update drive there.
VARDEX_SDK_API int CVardexUpd_DriveModel(char letter, char *model, int cap);

// The bootloader road: a keyboard switched into its bootloader (0x0A)
// returns as a bootloader device (0416:3F00 or 1FC9:F7DF) that takes the
// image in 64-byte reports, each answered:
//   host:  [0] 0x02 [1] 0x01 start  [2..5] size  [6..9] CRC32 of the image
//          [0] 0x02 [1] 0x02 data   [2..5] offset [6] count (1..56) [8..63] bytes
//          [0] 0x02 [1] 0x03 finish
//          [0] 0x02 [1] 0x04 identify
//   reply: [0] 0x02 [1] command | 0x80 [2] status [3..6] offset echoed
//          identify: [8..39] the keyboard's model code, NUL-padded
// Status 0 ok, 1 out of order, 2 CRC or size mismatch, 3 image too large.
enum {
    CVARDEX_BOOT_REPORT = 0x02,
    CVARDEX_BOOT_START = 0x01,
    CVARDEX_BOOT_DATA = 0x02,
    CVARDEX_BOOT_FINISH = 0x03,
    CVARDEX_BOOT_IDENTIFY = 0x04,
    CVARDEX_BOOT_CHUNK = 56,
    CVARDEX_BOOT_MAX_IMAGE = 0x80000
};
// Paths of the attached bootloader devices; returns how many were added.
VARDEX_SDK_API int CVardexHid_GetBootloaderList(std::list<std::string> &paths);
// Whether a device path names a bootloader (its ids, any letter case).
VARDEX_SDK_API bool CVardexHid_IsBootloaderPath(const char *path);
// A handle (> 0) for a bootloader path, 0 when it cannot be opened.
VARDEX_SDK_API int CVardexHid_OpenBootloader(const char *path);
VARDEX_SDK_API void CVardexHid_CloseBootloader(int handle);
// The model code of the keyboard behind an open bootloader (NUL-ended in cap
// bytes); -1 when it is gone or does not say.
VARDEX_SDK_API int CVardexHid_BootloaderModel(int handle, char *model, int cap);
typedef void (*CVardexBootProgress)(int total, int done);
// Sends a sealed ".bin" file (see CVardexFw_CheckBin) to an open bootloader,
// the image without its seal; size, when not 0, is the largest image the
// caller accepts (a larger one is refused, never cut). The
// file is checked whole before anything is sent: it must be a regular file
// whose seal matches and whose identity names the bootloader's model.
// 0 on success; -1 bootloader gone or silent, -3 refused, or a
// CVARDEX_FW_* result for the file.
VARDEX_SDK_API int CVardexHid_FirmwareUpgrade(int handle, const char *imagePath, uint32_t size, int flags,
                                              int usbOrDongle, CVardexBootProgress progress);
// ---- end: firmware ----

#endif // VARDEX_SDK_H
