// simScenario.cpp - which simulated keyboards exist, read from a scenario
// file (JSON) or the built-in default.
//
// {
//   "devices": [
//     { "model": "Brisko", "connection": "cable" | "receiver",
//       "reachable": true, "plugged": true, "serial": "<32 chars or empty>",
//       "battery": 80, "charging": 0, "firmwareVersion": "V1.0.3",
//       "lightSleep": 300, "keyboardSleep": 1800, "statusIntervalMs": 1000,
//       "replyDelayMs": 1, "updateRoad": "bootloader" | "drive" (default: the model's),
//       "keyLightTypes": [0, 1, 2], "keyMarkers": 1, "keySpeedMax": 5, "keyBrightnessMax": 5,
//       "sideLightTypes": [0, 1], "sideMarkers": 1, "sideSpeedMax": 5, "sideBrightnessMax": 5,
//       "dropAcks": false, "ackDelayMs": 0, "onboardDropAck": -1, "onboardForeignAck": -1,
//       "onboardStatus": 0, "onboardQuietMs": 500,   (the onboard faults: simOnboard.cpp)
//       "batterySchedule": [{ "atMs": 0, "battery": 38, "charging": 1 }], "batteryRepeatMs": 0,
//                             (simBattery.cpp)
//       "plugAtMs": 2000, "unplugAtMs": 8000, "plugRepeatMs": 10000 }
//                             (simPlug.cpp)
//   ]
// }
#include "simBattery.h"
#include "simKeyboard.h"
#include "simPlug.h"
#include "simState.h"

#include <cjson/cJSON.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace vardex {
namespace sim {
namespace {

bool readInt(const cJSON *obj, const char *name, int min, int max, int *out, std::string *error)
{
    const cJSON *item = cJSON_GetObjectItemCaseSensitive(obj, name);
    if (!item)
        return true;
    if (cJSON_IsBool(item)) {
        *out = cJSON_IsTrue(item) ? 1 : 0;
        return true;
    }
    if (!cJSON_IsNumber(item) || item->valuedouble < min || item->valuedouble > max) {
        *error = std::string("\"") + name + "\" must be a number from " + std::to_string(min) + " to " +
                 std::to_string(max);
        return false;
    }
    *out = item->valueint;
    return true;
}

bool readText(const cJSON *obj, const char *name, std::size_t maxLen, std::string *out, std::string *error)
{
    const cJSON *item = cJSON_GetObjectItemCaseSensitive(obj, name);
    if (!item)
        return true;
    if (!cJSON_IsString(item) || std::string(item->valuestring).size() > maxLen) {
        *error = std::string("\"") + name + "\" must be a text of at most " + std::to_string(maxLen) +
                 " characters";
        return false;
    }
    *out = item->valuestring;
    return true;
}

bool readTypes(const cJSON *obj, const char *prefix, LightTypeList *list, std::string *error)
{
    const std::string p(prefix);
    const cJSON *types = cJSON_GetObjectItemCaseSensitive(obj, (p + "LightTypes").c_str());
    if (types) {
        if (!cJSON_IsArray(types) || cJSON_GetArraySize(types) > 58) {
            *error = "\"" + p + "LightTypes\" must be an array of at most 58 effect values";
            return false;
        }
        list->types.clear();
        for (int i = 0; i < cJSON_GetArraySize(types); ++i) {
            const cJSON *v = cJSON_GetArrayItem(types, i);
            if (!cJSON_IsNumber(v) || v->valueint < 0 || v->valueint > 255) {
                *error = "\"" + p + "LightTypes\" holds a value that is not a byte";
                return false;
            }
            list->types.push_back(static_cast<uint8_t>(v->valueint));
        }
    }
    return readInt(obj, (p + "Markers").c_str(), 0, 58, &list->markers, error) &&
           readInt(obj, (p + "SpeedMax").c_str(), 0, 255, &list->speedMax, error) &&
           readInt(obj, (p + "BrightnessMax").c_str(), 0, 255, &list->brightnessMax, error);
}

// Fixed serial numbers: the tool names profile folders after them, so a
// second start must find the same keyboards again.
const char kDefaultScenario[] = R"({
  "devices": [
    { "model": "Brisko", "connection": "cable", "serial": "5a1e0c3d9b7f4e21a6c8d0f2b4e6a8c0",
      "battery": 100, "charging": 0 },
    { "model": "Yolma", "connection": "receiver", "reachable": true,
      "serial": "7c3b9e15d2a84f60b1e7c4a9d3f8e2b5", "battery": 38, "charging": 1,
      "batterySchedule": [ { "atMs": 0, "battery": 38, "charging": 1 },
                           { "atMs": 30000, "battery": 41, "charging": 1 },
                           { "atMs": 60000, "battery": 41, "charging": 0 } ],
      "batteryRepeatMs": 90000 }
  ]
})";

// Replaces every device by those of a scenario JSON text; false with a
// message in *error when the text is not a valid scenario.
bool loadScenarioLocked(World &w, const std::string &json, std::string *error)
{
    cJSON *root = cJSON_Parse(json.c_str());
    if (!root) {
        *error = "the scenario is not valid JSON";
        return false;
    }
    bool ok = true;
    const cJSON *list = cJSON_GetObjectItemCaseSensitive(root, "devices");
    if (!cJSON_IsArray(list)) {
        *error = "the scenario has no \"devices\" array";
        ok = false;
    }
    // Build into a scratch world so a bad entry leaves the current devices alone.
    World scratch;
    for (int i = 0; ok && i < cJSON_GetArraySize(list); ++i) {
        const cJSON *obj = cJSON_GetArrayItem(list, i);
        const std::string where = "device " + std::to_string(i) + ": ";
        std::string model, connection = "cable";
        if (!cJSON_IsObject(obj) || !readText(obj, "model", 64, &model, error) ||
            !readText(obj, "connection", 16, &connection, error)) {
            if (error->empty())
                *error = "not an object";
            *error = where + *error;
            ok = false;
            break;
        }
        const DeviceModel *m = findModel(model);
        if (!m) {
            *error = where + "unknown model \"" + model + "\"";
            ok = false;
            break;
        }
        if (connection != "cable" && connection != "receiver") {
            *error = where + "\"connection\" must be \"cable\" or \"receiver\"";
            ok = false;
            break;
        }
        scratch.addDevice(*m, connection == "receiver");
        Device &d = *scratch.devices.back();
        int reachable = 1, plugged = 1;
        ok = readInt(obj, "reachable", 0, 1, &reachable, error) && readInt(obj, "plugged", 0, 1, &plugged, error) &&
             readText(obj, "serial", 32, &d.serial, error) && readInt(obj, "battery", 0, 100, &d.battery, error) &&
             readInt(obj, "charging", 0, 2, &d.charging, error) &&
             readText(obj, "firmwareVersion", 20, &d.firmwareVersion, error) &&
             readInt(obj, "lightSleep", 0, 65535, &d.lightSleep, error) &&
             readInt(obj, "keyboardSleep", 0, 65535, &d.keyboardSleep, error) &&
             readInt(obj, "statusIntervalMs", 0, 3600000, &d.statusIntervalMs, error) &&
             readInt(obj, "replyDelayMs", 0, 60000, &d.replyDelayMs, error) &&
             readTypes(obj, "key", &d.keyTypes, error) && readTypes(obj, "side", &d.sideTypes, error) &&
             readOnboardScenario(obj, d, error) && readBatterySchedule(obj, d, error) &&
             readPlugSchedule(obj, d, &plugged, cJSON_GetObjectItemCaseSensitive(obj, "plugged") != nullptr, error);
        if (!ok) {
            *error = where + *error;
            break;
        }
        std::string road;
        if (!readText(obj, "updateRoad", 16, &road, error)) {
            *error = where + *error;
            ok = false;
            break;
        }
        if (road == "bootloader") {
            d.updateRoad = UpdateRoad::Bootloader;
        } else if (road == "drive") {
            d.updateRoad = UpdateRoad::Drive;
        } else if (!road.empty()) {
            *error = where + "\"updateRoad\" must be \"bootloader\" or \"drive\"";
            ok = false;
            break;
        }
        d.reachable = reachable != 0;
        d.plugged = plugged != 0;
    }
    cJSON_Delete(root);
    if (!ok)
        return false;
    w.clearLocked();
    for (auto &d : scratch.devices)
        w.devices.push_back(d);
    scratch.devices.clear();
    return true;
}

} // namespace

bool scenarioText(const char *scenario, std::string *text)
{
    if (!scenario || !*scenario || std::strcmp(scenario, "1") == 0) {
        *text = kDefaultScenario;
        return true;
    }
    std::ifstream in(scenario, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    *text = ss.str();
    return true;
}

void refuseUnreadableScenarioLocked(World &w, const char *scenario)
{
    std::fprintf(stderr, "vardexSdk: cannot read the simulator scenario %s\n", scenario);
    w.scenarioError = std::string(scenario) + ": the file cannot be read";
}

bool enableScenarioLocked(World &w, const std::string &json, const std::string &where)
{
    std::string error;
    if (!loadScenarioLocked(w, json, &error)) {
        std::fprintf(stderr, "vardexSdk: simulator scenario %s: %s\n", where.c_str(), error.c_str());
        w.scenarioError = where + ": " + error;
        return false;
    }
    w.scenarioError.clear();
    w.enabled = true;
    // A scheduled arrival must happen before anything opens the keyboard.
    for (const auto &d : w.devices)
        if (!d->plugSchedule.empty()) {
            w.ensureWorker();
            w.workCv.notify_all();
            break;
        }
    return true;
}

bool initFromEnvironment()
{
    World &w = world();
    std::lock_guard<std::mutex> lock(w.mu);
    if (w.envRead)
        return true;
    w.envRead = true;
    const char *logPath = std::getenv("VARDEX_SIM_LOG");
    if (logPath && *logPath && !w.log)
        w.log = std::fopen(logPath, "a");
    const char *sim = std::getenv("VARDEX_SIM");
    if (!sim || !*sim || std::strcmp(sim, "0") == 0 || w.enabled)
        return true;
    std::string text;
    if (!scenarioText(sim, &text)) {
        refuseUnreadableScenarioLocked(w, sim);
        return false;
    }
    return enableScenarioLocked(w, text, sim);
}

} // namespace sim
} // namespace vardex
