// Walks the command-kind label tables: every kind a flow can hold must have a
// handler of its own, and a flow holding it must run through the harness
// without a "not built" report line. The kinds still to come are listed; a
// kind leaves the list when its handler lands.
#include "fixtures/EngineHarness.h"
#include "fixtures/TempDir.h"

#include "engine/Dispatch.h"
#include "foundation/ErrorLog.h"
#include "records/EdCommand.h"
#include "records/Labels/CommandKinds.h"

#include <fstream>
#include <set>
#include <string>
#include <utility>

namespace {

using CommandKindCoverage = EngineTest;

// (flow command, kind) pairs whose handlers are not built yet.
const std::set<std::pair<bool, int>> kExpectedMissing = {};

// A command of the kind with its parameters sized and all three parts.
cEdCommand CommandOf(bool flow, int kind) {
    cEdCommand c;
    c.bFlow = flow ? 1 : 0;
    c.cKind = static_cast<std::int8_t>(kind);
    c.FixParams();
    ResetShared(c.pMove);
    ResetShared(c.pShot);
    ResetShared(c.pCondList);
    c.sWait = 1;
    return c;
}

// The start of the report line of a kind without a handler (the name that
// follows is written in the report's own encoding).
std::string UnbuiltLine(bool flow, int kind) {
    return std::string(flow ? "Flow" : "Character") + " command kind " + std::to_string(kind) + " (";
}

} // namespace

TEST_F(CommandKindCoverage, EveryKindOfTheLabelTablesHasAHandlerThatAFlowRuns) {
    TempDir dir;
    const std::string previousReport = ReportFileName();
    ASSERT_TRUE(SetReportFile((dir.path() / "report.txt").string()));
    AddHero(Def(), 3, 12);

    for (int kind = 1; kind < CharaCmdKindCount; ++kind) {
        SCOPED_TRACE(CmdKindName(false, kind));
        cEdChara d = Def();
        cEdFlow f;
        f.cTrigger = 22; // started by hand
        f.vCmd = {CommandOf(false, kind)};
        d.Flows = {f};
        cNpcChara& c = AddNpc(d, 6, 12);
        c.Flows[0].Start(c);
        for (int i = 0; i < 3; ++i) SubStep();
    }
    for (int kind = 1; kind < FlowCmdKindCount; ++kind) {
        SCOPED_TRACE(CmdKindName(true, kind));
        cVector<cEdCommand> list = {CommandOf(true, kind)};
        hero.RunFlowCommands(list);
    }

    std::set<std::string> expectedLines;
    for (const auto& [flow, kind] : kExpectedMissing) expectedLines.insert(UnbuiltLine(flow, kind));
    std::ifstream in(dir.path() / "report.txt");
    for (std::string line; std::getline(in, line);)
        if (line.find("is not built yet") != std::string::npos) {
            bool expected = false;
            for (const std::string& e : expectedLines)
                expected = expected || line.find(e) != std::string::npos;
            EXPECT_TRUE(expected) << "a flow ran a kind reported missing: " << line;
        }
    SetReportFile(previousReport);

    for (bool flow : {false, true}) {
        const int count = flow ? FlowCmdKindCount : CharaCmdKindCount;
        for (int kind = 0; kind < count; ++kind) {
            const bool missing = kExpectedMissing.count({flow, kind}) != 0;
            EXPECT_EQ(CommandKindBuilt(flow, kind), !missing)
                << (flow ? "flow" : "character") << " kind " << kind << " " << CmdKindName(flow, kind)
                << (missing ? ": built now, take it off the expected-missing list" : ": has no handler");
        }
    }
}
