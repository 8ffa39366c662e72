// storeLight.cpp - light records, light types in use and custom lights of
// a profile, and the custom-light default files.
#include "storeImpl.h"
#include "vardexSdk.h"

#include <cstring>

using namespace vardexstore;

namespace {

pugi::xml_node findLight(const pugi::xml_node &profile, int part, int type)
{
    for (auto l = profile.child(xml::kLights).child(xml::kLight); l; l = l.next_sibling(xml::kLight))
        if (l.attribute("part").as_int(-1000) == part && l.attribute("type").as_int(-1000) == type)
            return l;
    return pugi::xml_node();
}

pugi::xml_node findInUse(const pugi::xml_node &profile, int part)
{
    for (auto u = profile.child(xml::kLights).child(xml::kInUse); u; u = u.next_sibling(xml::kInUse))
        if (u.attribute("part").as_int(-1000) == part)
            return u;
    return pugi::xml_node();
}

void setInt(pugi::xml_node node, const char *name, long value)
{
    setAttr(node, name, std::to_string(value).c_str());
}

void writeLight(pugi::xml_node l, const colorInfoData &r)
{
    setInt(l, "part", r.hidType);
    setInt(l, "type", r.ledType);
    setInt(l, "brightness", r.ledBrightness);
    setInt(l, "speed", r.ledSpeed);
    setInt(l, "topR", r.ledTopColor[0]);
    setInt(l, "topG", r.ledTopColor[1]);
    setInt(l, "topB", r.ledTopColor[2]);
    setInt(l, "bottomR", r.ledBottomColor[0]);
    setInt(l, "bottomG", r.ledBottomColor[1]);
    setInt(l, "bottomB", r.ledBottomColor[2]);
    setInt(l, "direction", r.ledDirection);
    setInt(l, "fullColor", r.ledFullColor);
    setInt(l, "extra", r.ledExtra);
    setInt(l, "reserved", r.ledReserved);
}

void readLight(const pugi::xml_node &l, colorInfoData &r)
{
    r.hidType = l.attribute("part").as_int();
    r.ledType = l.attribute("type").as_int();
    r.ledBrightness = l.attribute("brightness").as_int();
    r.ledSpeed = l.attribute("speed").as_int();
    r.ledTopColor[0] = l.attribute("topR").as_int();
    r.ledTopColor[1] = l.attribute("topG").as_int();
    r.ledTopColor[2] = l.attribute("topB").as_int();
    r.ledBottomColor[0] = l.attribute("bottomR").as_int();
    r.ledBottomColor[1] = l.attribute("bottomG").as_int();
    r.ledBottomColor[2] = l.attribute("bottomB").as_int();
    r.ledDirection = l.attribute("direction").as_int();
    r.ledFullColor = l.attribute("fullColor").as_int();
    r.ledExtra = l.attribute("extra").as_int();
    r.ledReserved = l.attribute("reserved").as_int();
}

bool keyRecordValid(const customLightKeyRecord &r, std::string &code, std::string &name)
{
    return readField(r.keyCode, sizeof r.keyCode, code) && readField(r.keyName, sizeof r.keyName, name);
}

void readKeyItem(const pugi::xml_node &item, customLightKeyRecord &r)
{
    std::memset(&r, 0, sizeof r);
    copyField(r.keyCode, sizeof r.keyCode, item.attribute("keyCode").value());
    copyField(r.keyName, sizeof r.keyName, item.attribute("codeName").value());
    r.indexX = item.attribute("indexX").as_int();
    r.indexY = item.attribute("indexY").as_int();
    r.colorR = item.attribute("colorR").as_int();
    r.colorG = item.attribute("colorG").as_int();
    r.colorB = item.attribute("colorB").as_int();
    r.transparentNum = item.attribute("transparentNum").as_int();
}

void appendKeyItems(const pugi::xml_node &led, std::list<customLightKeyRecord> &keys)
{
    for (auto item = led.child(xml::kItem); item; item = item.next_sibling(xml::kItem)) {
        customLightKeyRecord r;
        readKeyItem(item, r);
        keys.push_back(r);
    }
}

// The in-use state of a custom light: "Using" or "UnUsing".
bool usingStatusArg(const char *text, std::string &status)
{
    return textArg(text, sizeof(CustomLightNodeEntry::isUsing) - 1, status) &&
           (status == "Using" || status == "UnUsing");
}

// A call on one custom light of a profile: `led` is set only when the store
// and the profile exist, the id is decimal and the profile has that light.
struct CustomLightCall : ProfileCall
{
    pugi::xml_node led;

    CustomLightCall(const char *path, const char *profileIndex, const char *id)
        : ProfileCall(path, profileIndex)
    {
        std::string index;
        if (profile && decimalArg(id, index))
            led = findIndexed(profile.child(xml::kCustomLights), xml::kCustomLed, index);
    }
    explicit operator bool() const { return bool(led); }
};

} // namespace

// ------------------------------------------------------------- light records

bool CVardexXML_IsProFileAlreadyHaveLightInfo(const char *path, const char *profileIndex, int part, int type)
{
    ProfileCall c(path, profileIndex);
    return c && findLight(c.profile, part, type);
}

bool CVardexXML_ModifyProFileLightInfoItem(const char *path, const char *profileIndex, int part, int type,
                                           colorInfoData record)
{
    ProfileCall c(path, profileIndex);
    if (!c)
        return false;
    auto light = findLight(c.profile, part, type);
    if (!light)
        return false;
    // The record is filed under the part and type it names.
    if ((record.hidType != part || record.ledType != type) && findLight(c.profile, record.hidType, record.ledType))
        return false;
    writeLight(light, record);
    return c.store.commit();
}

bool CVardexXML_AddProFileLightInfoItem(const char *path, const char *profileIndex, colorInfoData record)
{
    ProfileCall c(path, profileIndex);
    if (!c)
        return false;
    auto light = findLight(c.profile, record.hidType, record.ledType);
    if (!light)
        light = childOrCreate(c.profile, xml::kLights).append_child(xml::kLight);
    writeLight(light, record);
    return c.store.commit();
}

bool CVardexXML_SelectProfileColorDataInfo(const char *path, const char *profileIndex, int part, int type,
                                           colorInfoData *record)
{
    ProfileCall c(path, profileIndex);
    if (!c || !record)
        return false;
    auto light = findLight(c.profile, part, type);
    if (!light)
        return false;
    readLight(light, *record);
    return true;
}

bool CVardexXML_ModifyProFileMouseLightUsingIndex(const char *path, const char *profileIndex, int part, int type)
{
    ProfileCall c(path, profileIndex);
    if (!c)
        return false;
    auto inUse = findInUse(c.profile, part);
    if (inUse && inUse.attribute("type").as_int(-1000) == type)
        return true;
    if (!inUse) {
        inUse = childOrCreate(c.profile, xml::kLights).prepend_child(xml::kInUse);
        setInt(inUse, "part", part);
    }
    setInt(inUse, "type", type);
    return c.store.commit();
}

int CVardexXML_SelectProFileMouseLightTypeUsingIndex(const char *path, const char *profileIndex, int part)
{
    ProfileCall c(path, profileIndex);
    if (!c)
        return -1;
    if (auto inUse = findInUse(c.profile, part))
        return inUse.attribute("type").as_int();
    // Nothing marked yet: the part's first stored record is what the keyboard runs.
    for (auto l = c.profile.child(xml::kLights).child(xml::kLight); l; l = l.next_sibling(xml::kLight))
        if (l.attribute("part").as_int(-1000) == part)
            return l.attribute("type").as_int();
    return 0;
}

int CVardexXML_SelectProFileLightTypeRuningStatus(const char *path, const char *profileIndex)
{
    ProfileCall c(path, profileIndex);
    if (!c)
        return -1;
    return findInUse(c.profile, 0) ? 1 : 0;
}

int CVardexXML_SelectProFileLightSynchronizeStatus(const char *path, const char *profileIndex)
{
    ProfileCall c(path, profileIndex);
    if (!c)
        return -1;
    return c.profile.child(xml::kLights).attribute("synchronize").as_int(0);
}

bool CVardexXML_ModifyProFileLightSynchronizeStatus(const char *path, const char *profileIndex, int status)
{
    ProfileCall c(path, profileIndex);
    if (!c)
        return false;
    setInt(childOrCreate(c.profile, xml::kLights), "synchronize", status);
    return c.store.commit();
}

// ------------------------------------------------------------ custom lights

bool CVardexXML_AddProFileCustomLightNode(const char *path, const char *profileIndex, const char *id,
                                          const char *name, const char *usingStatus, int usingFlagIndex)
{
    std::string index, lightName, status;
    if (!decimalArg(id, index) || !textArg(name, kMaxNameBytes, lightName) ||
        !usingStatusArg(usingStatus, status))
        return false;
    ProfileCall c(path, profileIndex);
    if (!c)
        return false;
    auto led = replaceIndexed(childOrCreate(c.profile, xml::kCustomLights), xml::kCustomLed, index);
    setAttr(led, "name", lightName.c_str());
    setAttr(led, "isUsing", status.c_str());
    setInt(led, "usingFlagIndex", usingFlagIndex);
    return c.store.commit();
}

bool CVardexXML_AddProFileCustomLightDataInfo(const char *path, const char *profileIndex, const char *id,
                                              customLightKeyRecord record)
{
    std::string code, keyName;
    if (!keyRecordValid(record, code, keyName))
        return false;
    CustomLightCall c(path, profileIndex, id);
    if (!c)
        return false;
    auto led = c.led;
    // One colour per key cell.
    pugi::xml_node item;
    for (auto i = led.child(xml::kItem); i; i = i.next_sibling(xml::kItem))
        if (i.attribute("indexX").as_int(-1) == record.indexX && i.attribute("indexY").as_int(-1) == record.indexY) {
            item = i;
            break;
        }
    if (!item)
        item = led.append_child(xml::kItem);
    setAttr(item, "keyCode", code.c_str());
    setAttr(item, "codeName", keyName.c_str());
    setInt(item, "indexX", record.indexX);
    setInt(item, "indexY", record.indexY);
    setInt(item, "colorR", record.colorR);
    setInt(item, "colorG", record.colorG);
    setInt(item, "colorB", record.colorB);
    setInt(item, "transparentNum", record.transparentNum);
    return c.store.commit();
}

bool CVardexXML_ClearProFileCustomLightNode(const char *path, const char *profileIndex, const char *id)
{
    CustomLightCall c(path, profileIndex, id);
    if (!c)
        return false;
    auto led = c.led;
    if (!led.child(xml::kItem))
        return true;
    while (auto item = led.child(xml::kItem))
        led.remove_child(item);
    return c.store.commit();
}

bool CVardexXML_ProFileCustomLightInfoSelectAll(const char *path, const char *profileIndex, const char *id,
                                                std::list<customLightKeyRecord> &keys)
{
    CustomLightCall c(path, profileIndex, id);
    if (!c)
        return false;
    appendKeyItems(c.led, keys);
    return true;
}

bool CVardexXML_XmlCustomLightInfoSelectAll(const char *file, const char *id, std::list<customLightKeyRecord> &keys)
{
    std::string filePath, index, why;
    if (!readPath(file, filePath) || !decimalArg(id, index))
        return false;
    pugi::xml_document doc;
    if (!loadForeignXml(filePath, doc, &why))
        return false;
    auto root = doc.document_element();
    if (std::strcmp(root.name(), "customLight") != 0)
        return false;
    auto led = findIndexed(root, xml::kCustomLed, index);
    if (!led)
        return false;
    appendKeyItems(led, keys);
    return true;
}

bool CVardexXML_SelectProFileCustomLightAllNodes(const char *path, const char *profileIndex,
                                                 std::list<CustomLightNodeEntry> &lights)
{
    ProfileCall c(path, profileIndex);
    if (!c)
        return false;
    for (auto led = c.profile.child(xml::kCustomLights).child(xml::kCustomLed); led;
         led = led.next_sibling(xml::kCustomLed)) {
        CustomLightNodeEntry e;
        std::memset(&e, 0, sizeof e);
        copyField(e.index, sizeof e.index, led.attribute("index").value());
        copyField(e.name, sizeof e.name, led.attribute("name").value());
        copyField(e.isUsing, sizeof e.isUsing, led.attribute("isUsing").value());
        e.usingFlagIndex = led.attribute("usingFlagIndex").as_int(-1);
        lights.push_back(e);
    }
    return true;
}

bool CVardexXML_ModifyProFileCustomLightNodeName(const char *path, const char *profileIndex, const char *id,
                                                 const char *name)
{
    std::string lightName;
    if (!textArg(name, kMaxNameBytes, lightName))
        return false;
    CustomLightCall c(path, profileIndex, id);
    if (!c)
        return false;
    setAttr(c.led, "name", lightName.c_str());
    return c.store.commit();
}

bool CVardexXML_ModifyProFileCustomLightNodeUsingStatus(const char *path, const char *profileIndex,
                                                        const char *id, const char *usingStatus,
                                                        int usingFlagIndex)
{
    std::string status;
    if (!usingStatusArg(usingStatus, status))
        return false;
    CustomLightCall c(path, profileIndex, id);
    if (!c)
        return false;
    setAttr(c.led, "isUsing", status.c_str());
    setInt(c.led, "usingFlagIndex", usingFlagIndex);
    return c.store.commit();
}
