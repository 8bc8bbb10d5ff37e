#include "records/EdFlow.h"

#include "records/RecordVector.h"

#include <algorithm>

cEdFlow::cEdFlow() {
    Reset();
    bySet5 = 3;
}

void cEdFlow::RegisterFields(std::uint32_t version) {
    ClearFields();
    if (version >= 676) AddString(&strName);
    AddByte(&bySet1);
    AddByte(&bySet2);
    AddByte(&bDrop);
    AddByte(&cCombine);
    AddByte(&bOnce);
    AddByte(&cTrigger);
    if (version >= 762) AddByte(&bySet3);
    if (version >= 767) AddByte(&bySet4);
    AddByte(&bySet5);
    AddByte(&bySet6);
}

void cEdFlow::Load(cRecordFile& file) {
    cNestingGuard guard(file);
    if (!guard.Ok()) return;
    cSaveData::Load(file);
    LoadConds(file, vStartCond);
    LoadRecords(file, vKeyCond, 12);
    LoadCommands(file, vCmd);
    if (file.Damaged()) return;
    const std::uint32_t v = file.LoadVersion();
    if (v < 818) {
        // The start timings were renumbered as new ones were added.
        if (v < 132 && cTrigger >= 11) ++cTrigger;
        if (v < 163 && cTrigger != 0) bySet2 = 0;
        if (v < 164 && cTrigger >= 5) cTrigger = static_cast<std::int8_t>(cTrigger + 2);
        if (v < 762 && cTrigger >= 18) cTrigger = static_cast<std::int8_t>(cTrigger + 3);
    }
    strName.clear();
    FixParams();
}

void cEdFlow::Save(cRecordFile& file) {
    FixParams();
    cSaveData::Save(file);
    SaveConds(file, vStartCond);
    SaveRecordVector(file, vKeyCond);
    SaveCommands(file, vCmd);
}

void cEdFlow::FixParams() {
    for (auto& c : vCmd) c.FixParams();
}

void cEdFlow::ClampCmdRefs() {
    for (auto& c : vCmd) c.ClampRefs();
}

bool cEdFlow::IsEmpty() const {
    return bySet1 == 0 && bySet2 == 0 && cTrigger == 0 && vStartCond.empty() && vKeyCond.empty() &&
           vCmd.empty();
}

void DropFlagged(cVector<cEdFlow>& flows) {
    flows.erase(std::remove_if(flows.begin(), flows.end(), [](const cEdFlow& f) { return f.bDrop != 0; }),
                flows.end());
}

void LoadFlows(cRecordFile& file, cVector<cEdFlow>& out) {
    LoadRecords(file, out, kMinFlowBytes);
}

void SaveFlows(cRecordFile& file, cVector<cEdFlow>& flows) {
    SaveRecordVector(file, flows);
}
