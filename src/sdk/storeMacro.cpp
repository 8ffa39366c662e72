// storeMacro.cpp - the macro store and exported macro files: macros kept in
// ascending index, events in playing order.
#include "storeImpl.h"
#include "vardexSdk.h"

#include <algorithm>
#include <cstring>
#include <vector>

using namespace vardexstore;

namespace {

// A macro session: store open, macro index decimal, `macro` when it exists.
struct MacroCall
{
    StoreSession store;
    std::string index;
    pugi::xml_node macro;
    bool args = false;

    MacroCall(const char *path, const char *macroIndex)
        : store(path)
    {
        args = store.valid() && decimalArg(macroIndex, index);
        if (args)
            macro = findIndexed(store.root(), xml::kMacro, index);
    }
    explicit operator bool() const { return bool(macro); }
};

pugi::xml_node findEvent(const pugi::xml_node &macro, const char *mark, int operate)
{
    for (auto e = macro.child(xml::kEvent); e; e = e.next_sibling(xml::kEvent))
        if (sameNumberOrText(e.attribute("mark").value(), mark) && eventIsPress(e) == (operate == 0))
            return e;
    return pugi::xml_node();
}

// A macro session for the events of one mark (decimal text of the 64-byte
// mark field).
struct MarkCall : MacroCall
{
    std::string mark;
    bool markOk = false;

    MarkCall(const char *path, const char *macroIndex, const char *markArg)
        : MacroCall(path, macroIndex)
        , markOk(textArg(markArg, sizeof(MacroEventRecord::mark) - 1, mark))
    {
    }
    explicit operator bool() const { return markOk && bool(macro); }
    // The press (operate 0) or release (any other operate) of the mark.
    pugi::xml_node event(int operate) const { return findEvent(macro, mark.c_str(), operate); }
};

} // namespace

bool CVardexXML_SelectMacroAllNodes(const char *path, std::vector<MacroNodeEntry> &macros)
{
    StoreSession s(path);
    if (!s.valid() || s.state() != StoreState::Ok)
        return false;
    // Listed ascending by index even when a hand-edited file is out of order.
    std::vector<std::pair<long, pugi::xml_node>> found;
    for (auto m = s.root().child(xml::kMacro); m; m = m.next_sibling(xml::kMacro)) {
        long number = 0;
        if (parseDecimal(m.attribute("index").value(), number))
            found.emplace_back(number, m);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &f : found) {
        MacroNodeEntry e;
        copyField(e.index, sizeof e.index, std::to_string(f.first).c_str());
        copyField(e.name, sizeof e.name, f.second.attribute("name").value());
        macros.push_back(e);
    }
    return true;
}

bool CVardexXML_CreateMacroXmlParentNode(const char *path, const char *macroIndex, const char *name)
{
    std::string macroName;
    if (!textArg(name, kMaxNameBytes, macroName))
        return false;
    MacroCall c(path, macroIndex);
    if (!c.args)
        return false;
    auto macro = replaceIndexed(c.store.root(), xml::kMacro, c.index);
    macro.append_attribute("name") = macroName.c_str();
    return c.store.commit();
}

bool CVardexXML_ModifyMacroNodeName(const char *path, const char *macroIndex, const char *name)
{
    std::string macroName;
    if (!textArg(name, kMaxNameBytes, macroName) || macroName.empty())
        return false;
    MacroCall c(path, macroIndex);
    if (!c)
        return false;
    setAttr(c.macro, "name", macroName.c_str());
    return c.store.commit();
}

bool CVardexXML_DeleteMacroNode(const char *path, const char *macroIndex)
{
    MacroCall c(path, macroIndex);
    if (!c.args)
        return false;
    if (!c.macro)
        return c.store.state() == StoreState::Ok;
    c.store.root().remove_child(c.macro);
    return c.store.commit();
}

bool CVardexXML_SelectAllKeyOrMouseEvent(const char *path, const char *macroIndex,
                                         std::list<MacroEventRecord> &events)
{
    MacroCall c(path, macroIndex);
    if (!c)
        return false;
    appendEvents(c.macro, events);
    return true;
}

bool CVardexXML_AddKeyOrMouseEventItem(const char *path, std::list<MacroEventRecord> events,
                                       const char *macroIndex)
{
    if (!eventListValid(events))
        return false;
    MacroCall c(path, macroIndex);
    if (!c)
        return false;
    if (events.empty())
        return true;
    for (const auto &e : events)
        writeEvent(c.macro.append_child(xml::kEvent), e);
    return c.store.commit();
}

bool CVardexXML_UpdateEventItem(const char *path, const char *macroIndex, const char *mark, int operate,
                                MacroEventRecord record)
{
    if (!eventRecordValid(record))
        return false;
    MarkCall c(path, macroIndex, mark);
    if (!c)
        return false;
    auto event = c.event(operate);
    if (!event)
        return false;
    writeEvent(event, record);
    return c.store.commit();
}

bool CVardexXML_DeleteEventItem(const char *path, const char *macroIndex, const char *mark)
{
    MarkCall c(path, macroIndex, mark);
    if (!c)
        return false;
    bool removed = false;
    for (auto e = c.macro.child(xml::kEvent); e;) {
        auto next = e.next_sibling(xml::kEvent);
        if (sameNumberOrText(e.attribute("mark").value(), c.mark.c_str())) {
            c.macro.remove_child(e);
            removed = true;
        }
        e = next;
    }
    return removed ? c.store.commit() : false;
}

bool CVardexXML_MacroEventItemUpOrDownOperate(const char *path, const char *macroIndex, const char *mark,
                                              int direction, int operate)
{
    MarkCall c(path, macroIndex, mark);
    if (!c)
        return false;
    auto event = c.event(operate);
    if (!event)
        return false;
    if (direction == 1) {
        auto before = event.previous_sibling(xml::kEvent);
        if (!before)
            return false;
        c.macro.insert_move_before(event, before);
    } else {
        auto after = event.next_sibling(xml::kEvent);
        if (!after)
            return false;
        c.macro.insert_move_after(event, after);
    }
    return c.store.commit();
}

int CVardexXML_ReadMacroFile(const char *file, std::list<MacroEventRecord> &events)
{
    std::string filePath, why;
    if (!readPath(file, filePath))
        return MacroFileUnreadable;
    pugi::xml_document doc;
    ForeignFault fault = ForeignFault::None;
    if (!loadForeignXml(filePath, doc, &why, &fault)) {
        logLine("macro import refused: " + filePath + " " + why);
        switch (fault) {
        case ForeignFault::Declarations: return MacroFileDeclarations;
        case ForeignFault::NotUtf8: return MacroFileNotUtf8;
        case ForeignFault::NotXml: return MacroFileNotXml;
        default: return MacroFileUnreadable;
        }
    }
    // Checked whole, so nothing hidden in an element we do not read (or
    // nested too deep to be seen) rides along.
    pugi::xml_document scratch;
    auto root = scratch.append_child(xml::kRoot);
    if (!copyMacroFile(doc.document_element(), root, why)) {
        logLine("macro import refused: " + filePath + " " + why);
        return MacroFileForeignContent;
    }
    const auto last = root.last_child();
    if (!last) {
        logLine("macro import refused: " + filePath + " holds no macro");
        return MacroFileNoMacro;
    }
    appendEvents(last, events);
    return MacroFileOk;
}
