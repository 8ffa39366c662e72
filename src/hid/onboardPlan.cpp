#include "hid/onboardPlan.h"

#include <cstring>
#include <list>

namespace onboard {
namespace {

constexpr size_t kPathBuffer = 256;

void presetUnbound(KeyOperateInfo *record)
{
    std::memset(static_cast<void *>(record), 0, sizeof *record);
    std::strcpy(record->type, "-1");
}

OnboardPlanProblem problem(OnboardPlanProblem::Reason reason, int layerIndex, int keyCode, int count)
{
    OnboardPlanProblem p;
    p.reason = reason;
    p.layerIndex = layerIndex;
    p.keyCode = keyCode;
    p.count = count;
    return p;
}

} // namespace

const char *layerStoreFile(int layerIndex)
{
    return layerIndex == 0 ? "appProfile_Default.xml" : "appProfile_FN.xml";
}

namespace {

// Appends the pages (and macro images) of one layer; sets plan->problem and
// stops at a binding the keyboard cannot hold.
void readLayer(const std::string &path, int layer, const std::vector<int> &keyCodes, int *macroKeys,
               OnboardPlan *plan)
{
    const std::string indexText = std::to_string(plan->profileIndex);
    OnboardPlanStep page;
    page.kind = OnboardPlanStep::KeyPage;
    page.layerIndex = layer;
    KeyOperateInfo record;
    for (const int keyCode : keyCodes) {
        presetUnbound(&record);
        if (keyCode != 0)
            CVardexXML_SelectProFileKeyOperateInfo(path.c_str(), indexText.c_str(), std::to_string(keyCode).c_str(),
                                                   &record);
        int slot = -1;
        const int type = cNumber(record.type);
        if (keyCode != 0 && type == TypeMacro) {
            if (++*macroKeys > kMacroSlots)
                continue; // counted for the message; nothing is sent anyway
            std::list<MacroEventRecord> events;
            CVardexXML_ProFileMacroWithKeyInfoSelectAll(path.c_str(), indexText.c_str(), record.value, "", events);
            OnboardPlanStep macro;
            macro.kind = OnboardPlanStep::MacroImage;
            macro.layerIndex = layer;
            macro.slot = slot = *macroKeys - 1;
            if (!buildMacroImage(cNumber(record.playMode), cNumber(record.playCount), events, &macro.image)) {
                plan->problem = problem(OnboardPlanProblem::MacroTooLong, layer, keyCode, int(events.size()));
                plan->problem.macroIndex = std::string(record.value, strnlen(record.value, sizeof record.value));
                return;
            }
            plan->steps.push_back(macro);
        } else if (keyCode != 0 && type == TypeCombination) {
            const Combination c = combinationKeys(record.value);
            if (c.modifierCount > 2) {
                plan->problem = problem(OnboardPlanProblem::TooManyModifiers, layer, keyCode, c.modifierCount);
                return;
            }
        }
        const OnboardKeyEntry entry = encodeKey(keyCode, record, slot);
        std::copy(entry.bytes.begin(), entry.bytes.end(), page.entries.begin() + 4 * page.entryCount);
        if (++page.entryCount == kEntriesPerPage) {
            plan->steps.push_back(page);
            ++page.page;
            page.entryCount = 0;
            page.entries.fill(0);
        }
    }
    if (page.entryCount > 0)
        plan->steps.push_back(page);
}

} // namespace

OnboardPlan buildPlan(const std::string &profileDir, const std::vector<int> &keyCodes)
{
    OnboardPlan plan;
    int macroKeys = 0;
    for (int layer = 0; layer < 2; ++layer) {
        const std::string path = profileDir + "/" + layerStoreFile(layer);
        // The store takes paths from a 256-byte buffer.
        const int profileIndex = path.size() < kPathBuffer ? CVardexXML_GetCreateXMLFileProfileIndex(path.c_str()) : -1;
        if (profileIndex == -1) {
            plan.problem = problem(OnboardPlanProblem::StoreUnreadable, layer, 0, 0);
            return plan;
        }
        plan.profileIndex = profileIndex;
        plan.storePath = path;
        // One parsed store for all the reads of the layer instead of a look
        // at the file before each; a batch that only reads leaves it alone.
        const bool batch = CVardexXML_BeginBatch(path.c_str());
        readLayer(path, layer, keyCodes, &macroKeys, &plan);
        if (batch)
            CVardexXML_EndBatch(path.c_str());
        if (!plan.ok())
            return plan;
    }
    if (macroKeys > kMacroSlots) {
        plan.steps.clear();
        plan.problem = problem(OnboardPlanProblem::TooManyMacroKeys, 0, 0, macroKeys);
        return plan;
    }
    plan.macroSlotsUsed = macroKeys;
    return plan;
}

} // namespace onboard
