// storeSchema.cpp - the profile element as the store writes it, used to copy
// profiles across the boundary of the store (export and import): only the
// elements and attributes the store itself writes are copied, each value under
// the same rules as the library's calls, and anything else refuses the copy.
#include "storeImpl.h"

#include <cstring>
#include <set>
#include <vector>

namespace vardexstore {

namespace {

enum class Kind {
    Decimal,      // any int32, stored normalised
    ShortDecimal, // int32 that fits the 8-byte record fields
    Text,         // XML-safe UTF-8 of at most `max` bytes
    UsingStatus,  // "Using" or "UnUsing"
};

struct Attr
{
    const char *name;
    Kind kind;
    std::size_t max;
    bool optional;
};

struct Rule
{
    const char *name;
    std::vector<Attr> attrs;
    std::vector<const Rule *> children;
    int maxCount;                  // of this element under one parent
    std::vector<const char *> key; // attributes unique among the siblings
    bool byIndex;                  // kept ascending by its "index"
};

Attr decimal(const char *name, bool optional = false)
{
    return {name, Kind::Decimal, 0, optional};
}

Attr shortDecimal(const char *name)
{
    return {name, Kind::ShortDecimal, 0, false};
}

Attr text(const char *name, std::size_t max)
{
    return {name, Kind::Text, max, false};
}

const Rule &eventRule()
{
    static const Rule event{xml::kEvent,
                            {text("mark", sizeof(MacroEventRecord::mark) - 1),
                             text("delay", sizeof(MacroEventRecord::delay) - 1),
                             text("type", sizeof(MacroEventRecord::type) - 1),
                             text("keyCode", sizeof(MacroEventRecord::keyCode) - 1),
                             text("codeName", sizeof(MacroEventRecord::codeName) - 1),
                             text("operate", sizeof(MacroEventRecord::operate) - 1)},
                            {},
                            kMaxMacroEvents,
                            {},
                            false};
    return event;
}

const Rule &macroRule()
{
    static const Rule macro{xml::kMacro, {decimal("index"), text("name", kMaxNameBytes)}, {&eventRule()},
                            kMaxBoundMacros, {"index"}, true};
    return macro;
}

const Rule &macroFileRule()
{
    static const Rule root{xml::kRoot, {}, {&macroRule()}, 1, {}, false};
    return root;
}

const Rule &profileRule()
{
    static const Rule &macro = macroRule();
    static const Rule boundMacros{xml::kBoundMacros, {}, {&macro}, 1, {}, false};
    static const Rule key{xml::kKey,
                          {decimal("code"), text("caption", kMaxNameBytes), shortDecimal("type"),
                           shortDecimal("playCount"), shortDecimal("playMode"), text("value", kMaxValueBytes)},
                          {},
                          kMaxKeyBindings,
                          {"code"},
                          false};
    static const Rule keys{xml::kKeys, {}, {&key}, 1, {}, false};
    static const Rule inUse{xml::kInUse, {decimal("part"), decimal("type")}, {}, kMaxLightRecords, {"part"}, false};
    static const Rule light{xml::kLight,
                            {decimal("part"), decimal("type"), decimal("brightness"), decimal("speed"),
                             decimal("topR"), decimal("topG"), decimal("topB"), decimal("bottomR"),
                             decimal("bottomG"), decimal("bottomB"), decimal("direction"), decimal("fullColor"),
                             decimal("extra"), decimal("reserved")},
                            {},
                            kMaxLightRecords,
                            {"part", "type"},
                            false};
    static const Rule lights{xml::kLights, {decimal("synchronize", true)}, {&inUse, &light}, 1, {}, false};
    static const Rule item{xml::kItem,
                           {text("keyCode", sizeof(customLightKeyRecord::keyCode) - 1),
                            text("codeName", sizeof(customLightKeyRecord::keyName) - 1), decimal("indexX"),
                            decimal("indexY"), decimal("colorR"), decimal("colorG"), decimal("colorB"),
                            decimal("transparentNum")},
                           {},
                           kMaxCustomLightItems,
                           {"indexX", "indexY"},
                           false};
    static const Rule customLed{xml::kCustomLed,
                                {decimal("index"), text("name", kMaxNameBytes),
                                 {"isUsing", Kind::UsingStatus, 0, false}, decimal("usingFlagIndex")},
                                {&item},
                                kMaxCustomLights,
                                {"index"},
                                true};
    static const Rule customLights{xml::kCustomLights, {}, {&customLed}, 1, {}, false};
    static const Rule winLock{xml::kWinLock,
                              {decimal("altTab"), decimal("altF4"), decimal("shiftTab"), decimal("winKey")},
                              {},
                              1,
                              {},
                              false};
    static const Rule sleepTime{xml::kSleepTime, {decimal("lightSeconds"), decimal("keyboardMinutes")}, {}, 1,
                                {}, false};
    static const Rule profile{xml::kProfile,
                              {decimal("index"), text("name", kMaxNameBytes)},
                              {&keys, &lights, &customLights, &winLock, &sleepTime, &boundMacros},
                              1,
                              {},
                              false};
    return profile;
}

bool checkAttr(const Attr &rule, const char *value, std::string &out)
{
    switch (rule.kind) {
    case Kind::Decimal:
        return decimalArg(value, out);
    case Kind::ShortDecimal:
        return decimalArg(value, out) && out.size() <= 7;
    case Kind::Text:
        return textArg(value, rule.max, out);
    case Kind::UsingStatus:
        out = value;
        return out == "Using" || out == "UnUsing";
    }
    return false;
}

std::string where(const pugi::xml_node &node)
{
    return std::string("<") + node.name() + ">";
}

// Copies the attributes of source that the rule names into target (those
// target already has are kept) and then, recursively, its child elements.
bool copyElement(const pugi::xml_node &source, pugi::xml_node target, const Rule &rule, std::string &why)
{
    for (const Attr &a : rule.attrs) {
        if (target.attribute(a.name))
            continue;
        const auto attr = source.attribute(a.name);
        if (!attr) {
            if (a.optional)
                continue;
            why = where(source) + " lacks its attribute " + a.name;
            return false;
        }
        std::string value;
        if (!checkAttr(a, attr.value(), value)) {
            why = where(source) + " has an unusable " + a.name + " (too long, not a number or not plain text)";
            return false;
        }
        target.append_attribute(a.name) = value.c_str();
    }

    std::vector<int> counts(rule.children.size(), 0);
    std::vector<std::set<std::string>> seen(rule.children.size());
    for (auto child = source.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) {
            why = where(source) + " holds text";
            return false;
        }
        std::size_t r = 0;
        while (r < rule.children.size() && std::strcmp(rule.children[r]->name, child.name()) != 0)
            ++r;
        if (r == rule.children.size()) {
            why = where(source) + " holds an unknown element " + where(child);
            return false;
        }
        const Rule &childRule = *rule.children[r];
        if (++counts[r] > childRule.maxCount) {
            why = where(source) + " holds more than " + std::to_string(childRule.maxCount) + " " +
                  where(child) + " elements";
            return false;
        }
        pugi::xml_node out;
        if (childRule.byIndex) {
            std::string index;
            if (!decimalArg(child.attribute("index").value(), index)) {
                why = where(child) + " has no usable index";
                return false;
            }
            out = insertIndexed(target, childRule.name, index);
        } else {
            out = target.append_child(childRule.name);
        }
        if (!copyElement(child, out, childRule, why))
            return false;
        if (!childRule.key.empty()) {
            std::string id;
            for (const char *attr : childRule.key)
                id += std::string(out.attribute(attr).value()) + ",";
            if (!seen[r].insert(id).second) {
                why = where(source) + " holds two " + where(child) + " elements for the same " + childRule.key[0];
                return false;
            }
        }
    }
    return true;
}

} // namespace

bool copyProfile(const pugi::xml_node &source, pugi::xml_node target, std::string &why)
{
    if (std::strcmp(source.name(), xml::kProfile) != 0) {
        why = "is not a profile";
        return false;
    }
    return copyElement(source, target, profileRule(), why);
}

bool copyMacroFile(const pugi::xml_node &source, pugi::xml_node target, std::string &why)
{
    if (std::strcmp(source.name(), xml::kRoot) != 0) {
        why = "is not a macro file";
        return false;
    }
    return copyElement(source, target, macroFileRule(), why);
}

} // namespace vardexstore
