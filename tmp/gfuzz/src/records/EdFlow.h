// cEdFlow: one flow of a character definition, or a flow nested in a command:
// start settings, start conditions, key conditions and its commands.
#pragma once

#include "records/Cond.h"
#include "records/EdCommand.h"
#include "records/EdKeyCond.h"

#include <string>

class cEdFlow : public cRecord<cEdFlow> {
public:
    cEdFlow();

    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;

    void FixParams();
    void ClampCmdRefs();
    // Nothing to start it, nothing to check, nothing to run.
    bool IsEmpty() const;

    std::string strName; // emptied after loading: the player keeps no flow names
    std::uint8_t bySet1 = 0;
    std::uint8_t bySet2 = 0;
    std::uint8_t bDrop = 0; // removed at load outside the editor's test play
    cVector<cCond> vStartCond;
    std::int8_t cCombine = 0; // 0 every start condition, 1 one is enough
    std::uint8_t bOnce = 0;   // conditions not tested again once they held
    std::int8_t cTrigger = 0; // start timing
    std::uint8_t bySet3 = 0;
    std::uint8_t bySet4 = 0;
    std::uint8_t bySet5 = 3;
    std::uint8_t bySet6 = 0;
    cVector<cEdKeyCond> vKeyCond;
    cVector<cEdCommand> vCmd;
};

// Removes every flow whose drop flag is set; the others keep their order.
void DropFlagged(cVector<cEdFlow>& flows);

// The least bytes one stored flow takes (its counts).
constexpr std::size_t kMinFlowBytes = 20;
void LoadFlows(cRecordFile& file, cVector<cEdFlow>& out);
void SaveFlows(cRecordFile& file, cVector<cEdFlow>& flows);
