// storeProfile.cpp - profiles, key bindings, the profiles' macro copies,
// device settings, export and import of the profile store.
#include "storeImpl.h"
#include "vardexSdk.h"

#include <cstring>

using namespace vardexstore;

namespace vardexstore {

bool indexMatches(const pugi::xml_node &node, const char *attr, const std::string &normalised)
{
    const char *text = node.attribute(attr).value();
    if (std::strcmp(text, normalised.c_str()) == 0)
        return true;
    // Our own files hold normalised numbers, so a differing normalised text
    // is a different number; only hand-edited forms like "01" or "-0" need
    // parsing.
    const char *digits = text[0] == '-' ? text + 1 : text;
    if (digits[0] != '0' || digits[1] == '\0') {
        if (!(text[0] == '-' && digits[0] == '0'))
            return false;
    }
    long a = 0, b = 0;
    return text[0] != '\0' && parseDecimal(text, a) && parseDecimal(normalised.c_str(), b) && a == b;
}

pugi::xml_node findIndexed(const pugi::xml_node &parent, const char *name, const std::string &index)
{
    for (auto n = parent.child(name); n; n = n.next_sibling(name))
        if (indexMatches(n, "index", index))
            return n;
    return pugi::xml_node();
}

pugi::xml_node insertIndexed(pugi::xml_node parent, const char *name, const std::string &index)
{
    long wanted = 0;
    parseDecimal(index.c_str(), wanted);
    pugi::xml_node node;
    for (auto n = parent.child(name); n; n = n.next_sibling(name)) {
        long have = 0;
        if (parseDecimal(n.attribute("index").value(), have) && have > wanted) {
            node = parent.insert_child_before(name, n);
            break;
        }
    }
    if (!node) {
        // After the last element of that name, so other children keep their place.
        pugi::xml_node last;
        for (auto n = parent.child(name); n; n = n.next_sibling(name))
            last = n;
        node = last ? parent.insert_child_after(name, last) : parent.append_child(name);
    }
    node.append_attribute("index") = index.c_str();
    return node;
}

pugi::xml_node replaceIndexed(pugi::xml_node parent, const char *name, const std::string &index)
{
    if (auto old = findIndexed(parent, name, index))
        parent.remove_child(old);
    return insertIndexed(parent, name, index);
}

pugi::xml_node childOrCreate(pugi::xml_node parent, const char *name)
{
    auto child = parent.child(name);
    return child ? child : parent.append_child(name);
}

pugi::xml_node findProfile(const pugi::xml_node &root, const std::string &index)
{
    return findIndexed(root, xml::kProfile, index);
}

void setAttr(pugi::xml_node node, const char *name, const char *value)
{
    auto a = node.attribute(name);
    if (!a)
        a = node.append_attribute(name);
    a = value;
}

bool eventRecordValid(const MacroEventRecord &r)
{
    std::string t;
    return readField(r.mark, sizeof r.mark, t) && readField(r.delay, sizeof r.delay, t) &&
           readField(r.type, sizeof r.type, t) && readField(r.keyCode, sizeof r.keyCode, t) &&
           readField(r.codeName, sizeof r.codeName, t) && readField(r.operate, sizeof r.operate, t);
}

void writeEvent(pugi::xml_node e, const MacroEventRecord &r)
{
    setAttr(e, "mark", r.mark);
    setAttr(e, "delay", r.delay);
    setAttr(e, "type", r.type);
    setAttr(e, "keyCode", r.keyCode);
    setAttr(e, "codeName", r.codeName);
    setAttr(e, "operate", r.operate);
}

void readEvent(const pugi::xml_node &e, MacroEventRecord &r)
{
    std::memset(&r, 0, sizeof r);
    copyField(r.mark, sizeof r.mark, e.attribute("mark").value());
    copyField(r.delay, sizeof r.delay, e.attribute("delay").value());
    copyField(r.type, sizeof r.type, e.attribute("type").value());
    copyField(r.keyCode, sizeof r.keyCode, e.attribute("keyCode").value());
    copyField(r.codeName, sizeof r.codeName, e.attribute("codeName").value());
    copyField(r.operate, sizeof r.operate, e.attribute("operate").value());
}

bool eventIsPress(const pugi::xml_node &e)
{
    return std::strcmp(e.attribute("operate").value(), "down") == 0;
}

bool eventListValid(const std::list<MacroEventRecord> &events)
{
    for (const auto &e : events)
        if (!eventRecordValid(e))
            return false;
    return true;
}

void appendEvents(const pugi::xml_node &macro, std::list<MacroEventRecord> &events)
{
    for (auto e = macro.child(xml::kEvent); e; e = e.next_sibling(xml::kEvent)) {
        MacroEventRecord r;
        readEvent(e, r);
        events.push_back(r);
    }
}

} // namespace vardexstore

namespace {

int profileCount(const pugi::xml_node &root)
{
    int n = 0;
    for (auto p = root.child(xml::kProfile); p; p = p.next_sibling(xml::kProfile))
        ++n;
    return n;
}

pugi::xml_node findKey(const pugi::xml_node &profile, const std::string &code)
{
    for (auto k = profile.child(xml::kKeys).child(xml::kKey); k; k = k.next_sibling(xml::kKey))
        if (indexMatches(k, "code", code))
            return k;
    return pugi::xml_node();
}

// A call on one key's binding: `args` when the profile exists and the key
// code is decimal, `key` the binding when there is one.
struct KeyCall : ProfileCall
{
    std::string code;
    bool args = false;
    pugi::xml_node key;

    KeyCall(const char *path, const char *profileIndex, const char *keyCode)
        : ProfileCall(path, profileIndex)
    {
        args = profile && decimalArg(keyCode, code);
        if (args)
            key = findKey(profile, code);
    }
};

// A call on the profile's copy of one bound macro: `macros` is the
// profile's list of copies (possibly empty), `macro` the copy when it exists.
struct BoundMacroCall : ProfileCall
{
    std::string macroIndex;
    bool args = false;
    pugi::xml_node macros;
    pugi::xml_node macro;

    BoundMacroCall(const char *path, const char *profileIndex, const char *macroIndexArg)
        : ProfileCall(path, profileIndex)
    {
        args = profile && decimalArg(macroIndexArg, macroIndex);
        if (args) {
            macros = profile.child(xml::kBoundMacros);
            macro = findIndexed(macros, xml::kMacro, macroIndex);
        }
    }
};

} // namespace

int CVardexXML_Init()
{
    clearCache();
    return 0;
}

bool CVardexXML_BeginBatch(const char *path)
{
    return StoreSession::beginBatch(path);
}

bool CVardexXML_EndBatch(const char *path)
{
    return StoreSession::endBatch(path);
}

bool CVardexXML_CreateXMLFile(const char *path)
{
    StoreSession s(path);
    if (!s.valid())
        return false;
    s.resetToEmpty();
    return s.commit();
}

// ---------------------------------------------------------------- profiles

bool CVardexXML_CreateProFileXmlParentNode(const char *path, const char *profileIndex, const char *name,
                                           int /*reserved*/)
{
    StoreSession s(path);
    std::string index, profileName;
    long number = 0;
    if (!s.valid() || !decimalArg(profileIndex, index) || !textArg(name, kMaxNameBytes, profileName))
        return false;
    parseDecimal(index.c_str(), number);
    if (number < 1)
        return false;
    auto root = s.root();
    if (!findProfile(root, index) && profileCount(root) >= kMaxProfiles)
        return false;
    auto profile = replaceIndexed(root, xml::kProfile, index);
    profile.append_attribute("name") = profileName.c_str();
    return s.commit();
}

bool CVardexXML_DeleteProFileSelectedNode(const char *path, const char *profileIndex)
{
    ProfileCall c(path, profileIndex);
    if (!c)
        return false;
    c.store.root().remove_child(c.profile);
    return c.store.commit();
}

bool CVardexXML_ModifyProfileNodeInfo(const char *path, const char *profileIndex, const char *name)
{
    ProfileCall c(path, profileIndex);
    std::string profileName;
    if (!c || !textArg(name, kMaxNameBytes, profileName))
        return false;
    setAttr(c.profile, "name", profileName.c_str());
    return c.store.commit();
}

bool CVardexXML_SelectProFileAllNodes(const char *path, std::vector<ProfileNodeEntry> &profiles)
{
    StoreSession s(path);
    if (!s.valid() || s.state() != StoreState::Ok)
        return false;
    for (auto p = s.root().child(xml::kProfile); p; p = p.next_sibling(xml::kProfile)) {
        long number = 0;
        if (!parseDecimal(p.attribute("index").value(), number))
            continue;
        ProfileNodeEntry e;
        copyField(e.index, sizeof e.index, std::to_string(number).c_str());
        copyField(e.name, sizeof e.name, p.attribute("name").value());
        profiles.push_back(e);
    }
    return true;
}

bool CVardexXML_IsExistenceSelectProfileNode(const char *path, const char *profileIndex)
{
    return bool(ProfileCall(path, profileIndex));
}

bool CVardexXML_SelectProfileNodeInfo(const char *path, const char *profileIndex, ProfileNodeInfo *info)
{
    ProfileCall c(path, profileIndex);
    if (!c || !info)
        return false;
    std::memset(info, 0, sizeof *info);
    copyField(info->index, sizeof info->index, c.index.c_str());
    copyField(info->name, sizeof info->name, c.profile.attribute("name").value());
    return true;
}

int CVardexXML_GetCreateXMLFileProfileIndex(const char *path)
{
    StoreSession s(path);
    if (!s.valid() || s.state() != StoreState::Ok)
        return -1;
    auto root = s.root();
    long current = 0;
    if (parseDecimal(root.attribute(xml::kCurrentProfile).value(), current) &&
        findProfile(root, std::to_string(current)))
        return int(current);
    // No (valid) current profile recorded: the first profile stands in.
    long first = 0;
    if (parseDecimal(root.child(xml::kProfile).attribute("index").value(), first))
        return int(first);
    return -1;
}

bool CVardexXML_ModifyXMLFileProfileIndex(const char *path, int profileIndex)
{
    StoreSession s(path);
    if (!s.valid())
        return false;
    const std::string index = std::to_string(profileIndex);
    auto root = s.root();
    if (!findProfile(root, index))
        return false;
    if (std::strcmp(root.attribute(xml::kCurrentProfile).value(), index.c_str()) == 0)
        return true;
    setAttr(root, xml::kCurrentProfile, index.c_str());
    return s.commit();
}

namespace {

long lastProfileIndex(const pugi::xml_node &root)
{
    long last = 0;
    for (auto p = root.child(xml::kProfile); p; p = p.next_sibling(xml::kProfile)) {
        long n = 0;
        if (parseDecimal(p.attribute("index").value(), n) && n > last)
            last = n;
    }
    return last;
}

// An export target is an exported-profile file, or a store that holds
// nothing yet (the export dialog creates an empty one first). Any other
// store, a keyboard's own included, is not ours to add a profile to.
bool isExportTarget(const pugi::xml_node &root)
{
    if (std::strcmp(root.attribute(xml::kKind).value(), xml::kKindExport) == 0)
        return true;
    return !root.attribute(xml::kCurrentProfile) && !root.first_child();
}

} // namespace

bool CVardexXML_ProFileExport(const char *path, const char *target, const char *profileIndex,
                              int /*reserved*/)
{
    ProfileCall c(path, profileIndex);
    if (!c)
        return false;
    StoreSession out(target);
    if (!out.valid() || out.sameFileAs(c.store))
        return false;
    auto root = out.root();
    // A file that is not one of our stores is the user's: never replace it.
    if (out.state() == StoreState::Damaged || !isExportTarget(root)) {
        logLine("export refused: " + out.path() + " is not an exported-profile file; it is left unchanged");
        return false;
    }
    if (profileCount(root) >= kMaxProfiles) {
        logLine("export refused: " + out.path() + " already holds " + std::to_string(kMaxProfiles) + " profiles");
        return false;
    }
    pugi::xml_document scratch;
    auto profile = scratch.append_child(xml::kProfile);
    std::string why;
    if (!copyProfile(c.profile, profile, why)) {
        logLine("export refused: the profile " + why);
        return false;
    }
    // The profile keeps its own index unless the file holds it or a later
    // one: it then follows the file's last profile, so the newest export is
    // the one listed last (which import takes) and no earlier one is lost.
    long own = 0;
    parseDecimal(c.index.c_str(), own);
    const long last = lastProfileIndex(root);
    const std::string index = std::to_string(own > last ? own : last + 1);
    setAttr(profile, "index", index.c_str());
    setAttr(root, xml::kKind, xml::kKindExport);
    setAttr(root, xml::kCurrentProfile, index.c_str());
    root.append_copy(profile);
    return out.commit();
}

bool CVardexXML_ProFileImport(const char *path, const char *file, const char *sourceIndex)
{
    std::string filePath, source, why;
    if (!readPath(file, filePath) || !decimalArg(sourceIndex, source))
        return false;
    pugi::xml_document doc;
    if (!loadForeignXml(filePath, doc, &why)) {
        logLine("import refused: " + filePath + " " + why);
        return false;
    }
    auto fileRoot = doc.document_element();
    if (std::strcmp(fileRoot.name(), xml::kRoot) != 0 ||
        std::strcmp(fileRoot.attribute(xml::kKind).value(), xml::kKindExport) != 0) {
        logLine("import refused: " + filePath + " is not an exported profile");
        return false;
    }
    auto imported = findProfile(fileRoot, source);
    if (!imported) {
        logLine("import refused: " + filePath + " holds no profile " + source);
        return false;
    }
    // Checked whole before the store is touched: nothing partial is written.
    pugi::xml_document scratch;
    auto profile = scratch.append_child(xml::kProfile);
    if (!copyProfile(imported, profile, why)) {
        logLine("import refused: " + filePath + ": the profile " + why);
        return false;
    }

    StoreSession s(path);
    if (!s.valid())
        return false;
    auto root = s.root();
    if (profileCount(root) >= kMaxProfiles)
        return false;
    // The imported profile goes after the last listed one, as a created one would.
    setAttr(profile, "index", std::to_string(lastProfileIndex(root) + 1).c_str());
    root.append_copy(profile);
    return s.commit();
}

// ------------------------------------------------------------ key bindings

bool CVardexXML_SelectProFileKeyOperateInfo(const char *path, const char *profileIndex, const char *keyCode,
                                            KeyOperateInfo *info)
{
    if (!info)
        return false;
    KeyCall c(path, profileIndex, keyCode);
    auto key = c.key;
    if (!key)
        return false;
    copyField(info->keyCode, sizeof info->keyCode, c.code.c_str());
    copyField(info->type, sizeof info->type, key.attribute("type").value());
    copyField(info->playCount, sizeof info->playCount, key.attribute("playCount").value());
    copyField(info->playMode, sizeof info->playMode, key.attribute("playMode").value());
    copyField(info->value, sizeof info->value, key.attribute("value").value());
    return true;
}

bool CVardexXML_ProFileKeyInfoSelectAll(const char *path, const char *profileIndex,
                                        std::list<std::string> &keyCodes)
{
    ProfileCall c(path, profileIndex);
    if (!c)
        return false;
    for (auto k = c.profile.child(xml::kKeys).child(xml::kKey); k; k = k.next_sibling(xml::kKey))
        keyCodes.emplace_back(k.attribute("code").value());
    return true;
}

int CVardexXML_GetProFileValueNum(const char *path, const char *profileIndex, const char *type,
                                  const char *value)
{
    std::string wantedType, wantedValue;
    if (!decimalArg(type, wantedType) || !textArg(value, kMaxValueBytes, wantedValue))
        return 0;
    ProfileCall c(path, profileIndex);
    if (!c)
        return 0;
    int count = 0;
    for (auto k = c.profile.child(xml::kKeys).child(xml::kKey); k; k = k.next_sibling(xml::kKey))
        if (indexMatches(k, "type", wantedType) &&
            sameNumberOrText(k.attribute("value").value(), wantedValue.c_str()))
            ++count;
    return count;
}

bool CVardexXML_DeleteProFileMacroWithKeyInfoItem(const char *path, const char *profileIndex,
                                                  const char *keyCode, const char * /*caption*/)
{
    KeyCall c(path, profileIndex, keyCode);
    if (!c.args)
        return false;
    if (!c.key)
        return true;
    c.key.parent().remove_child(c.key);
    return c.store.commit();
}

bool CVardexXML_AddProFileMacroWithKeyInfoItem(const char *path, const char *profileIndex, const char *keyCode,
                                               const char *caption, const char *type, const char *playCount,
                                               const char *playMode, const char *value)
{
    std::string code, captionText, typeText, countText, modeText, valueText;
    if (!decimalArg(keyCode, code) || !textArg(caption, kMaxNameBytes, captionText) ||
        !decimalArg(type, typeText) || !decimalArg(playCount, countText) || !decimalArg(playMode, modeText) ||
        !textArg(value, kMaxValueBytes, valueText))
        return false;
    // The record's numeric fields are 8 bytes wide.
    if (typeText.size() > 7 || countText.size() > 7 || modeText.size() > 7)
        return false;
    ProfileCall c(path, profileIndex);
    if (!c)
        return false;
    auto key = findKey(c.profile, code);
    if (!key) {
        auto keys = childOrCreate(c.profile, xml::kKeys);
        int bound = 0;
        for (auto k = keys.child(xml::kKey); k; k = k.next_sibling(xml::kKey))
            ++bound;
        if (bound >= kMaxKeyBindings)
            return false;
        key = keys.append_child(xml::kKey);
    }
    setAttr(key, "code", code.c_str());
    setAttr(key, "caption", captionText.c_str());
    setAttr(key, "type", typeText.c_str());
    setAttr(key, "playCount", countText.c_str());
    setAttr(key, "playMode", modeText.c_str());
    setAttr(key, "value", valueText.c_str());
    return c.store.commit();
}

// ------------------------------------------------- the profiles' macro copies

bool CVardexXML_DeleteProFileBindMacroNode(const char *path, const char *profileIndex, const char *macroIndex,
                                           const char * /*nodeName*/)
{
    BoundMacroCall c(path, profileIndex, macroIndex);
    if (!c.args)
        return false;
    if (!c.macro)
        return true;
    c.macros.remove_child(c.macro);
    return c.store.commit();
}

bool CVardexXML_AddProFileBindMacroItem(const char *path, const char *profileIndex,
                                        std::list<MacroEventRecord> events, const char *macroIndex,
                                        const char *nodeName)
{
    std::string index, name;
    if (!decimalArg(macroIndex, index) || !textArg(nodeName, kMaxNameBytes, name) || !eventListValid(events))
        return false;
    ProfileCall c(path, profileIndex);
    if (!c)
        return false;
    auto macro = replaceIndexed(childOrCreate(c.profile, xml::kBoundMacros), xml::kMacro, index);
    macro.append_attribute("name") = name.c_str();
    for (const auto &e : events)
        writeEvent(macro.append_child(xml::kEvent), e);
    return c.store.commit();
}

bool CVardexXML_ProFileMacroWithKeyInfoSelectAll(const char *path, const char *profileIndex,
                                                 const char *macroIndex, const char * /*nodeName*/,
                                                 std::list<MacroEventRecord> &events)
{
    BoundMacroCall c(path, profileIndex, macroIndex);
    if (!c.macro)
        return false;
    appendEvents(c.macro, events);
    return true;
}

// --------------------------------------------------------- device settings

bool CVardexXML_GetProFileFunctionInfo(const char *path, const char *profileIndex, ProfileFunctionInfo *info)
{
    ProfileCall c(path, profileIndex);
    if (!c || !info)
        return false;
    auto lock = c.profile.child(xml::kWinLock);
    if (!lock)
        return false;
    copyField(info->altTab, sizeof info->altTab, lock.attribute("altTab").as_string("0"));
    copyField(info->altF4, sizeof info->altF4, lock.attribute("altF4").as_string("0"));
    copyField(info->shiftTab, sizeof info->shiftTab, lock.attribute("shiftTab").as_string("0"));
    copyField(info->winKey, sizeof info->winKey, lock.attribute("winKey").as_string("0"));
    return true;
}

bool CVardexXML_AddProFileFunctionInfo(const char *path, const char *profileIndex, const char *altTab,
                                       const char *altF4, const char *shiftTab, const char *winKey)
{
    std::string a, b, s, w;
    if (!decimalArg(altTab, a) || !decimalArg(altF4, b) || !decimalArg(shiftTab, s) || !decimalArg(winKey, w))
        return false;
    ProfileCall c(path, profileIndex);
    if (!c)
        return false;
    auto lock = childOrCreate(c.profile, xml::kWinLock);
    setAttr(lock, "altTab", a.c_str());
    setAttr(lock, "altF4", b.c_str());
    setAttr(lock, "shiftTab", s.c_str());
    setAttr(lock, "winKey", w.c_str());
    return c.store.commit();
}

bool CVardexXML_GetProFileIntoSleepTimeInfo(const char *path, const char *profileIndex,
                                            ProfileSleepTimeInfo *info)
{
    ProfileCall c(path, profileIndex);
    if (!c || !info)
        return false;
    auto sleep = c.profile.child(xml::kSleepTime);
    long light = 0, keyboard = 0;
    if (!sleep || !parseDecimal(sleep.attribute("lightSeconds").value(), light) ||
        !parseDecimal(sleep.attribute("keyboardMinutes").value(), keyboard))
        return false;
    info->lightSleepSeconds = int32_t(light);
    info->keyboardSleepMinutes = int32_t(keyboard);
    return true;
}

bool CVardexXML_SetProFileIntoSleepTimeInfo(const char *path, const char *profileIndex,
                                            int32_t lightSleepSeconds, int32_t keyboardSleepMinutes)
{
    ProfileCall c(path, profileIndex);
    if (!c)
        return false;
    auto sleep = childOrCreate(c.profile, xml::kSleepTime);
    setAttr(sleep, "lightSeconds", std::to_string(lightSleepSeconds).c_str());
    setAttr(sleep, "keyboardMinutes", std::to_string(keyboardSleepMinutes).c_str());
    return c.store.commit();
}
