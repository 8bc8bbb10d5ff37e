#include "engine/Dispatch.h"

#include "engine/CmdAttack.h"
#include "engine/CmdClear.h"
#include "engine/CmdDisappear.h"
#include "engine/CmdMessage.h"
#include "engine/CmdMove.h"
#include "engine/CmdPicture.h"
#include "engine/CmdRunAnime.h"
#include "engine/CmdShared.h"
#include "engine/CmdSword.h"
#include "engine/CmdTarget.h"
#include "engine/CodeRun.h"
#include "engine/Flow.h"
#include "engine/FlowChange.h"
#include "engine/StatusOps.h"
#include "foundation/ErrorLog.h"
#include "records/EdCommand.h"
#include "records/Labels/CommandKinds.h"

#include <array>
#include <utility>

namespace {

int CmdNothing(cChara&, cFlowCommand&) {
    return 0;
}

template <int Kind> int CharaUnbuilt(cChara&, cFlowCommand&) {
    return CmdUnbuilt(Kind, false);
}

template <std::size_t... K>
constexpr std::array<CommandHandler, sizeof...(K)> Unbuilt(std::index_sequence<K...>) {
    return {&CharaUnbuilt<static_cast<int>(K)>...};
}

// Character-command handlers by kind. Kind 0 is empty, 1 (wait) only lasts
// its time, 39 (loop) was expanded when the flow was built.
constexpr std::array<CommandHandler, kCharaCommandKinds> MakeCharaHandlers() {
    auto table = Unbuilt(std::make_index_sequence<kCharaCommandKinds>());
    table[0] = &CmdNothing;
    table[1] = &CmdNothing;
    table[22] = &CmdStatusOp;
    table[37] = &CmdRunCode;
    table[39] = &CmdNothing;
    // Movement, attacks and summons, targets and the shared bodies.
    table[2] = &CmdStraightMove;
    table[3] = &CmdGroundTurnMove;
    table[4] = &CmdCircleMove;
    table[5] = &CmdChargeMove;
    table[6] = &CmdHomingMove;
    table[7] = &CmdAvoidOffscreenMove;
    table[8] = &CmdDisableMove;
    table[9] = &CmdTurn;
    table[10] = &CmdJump;
    table[11] = &CmdShot;
    table[13] = &CmdSummonBlocks;
    table[14] = &CmdSummonCharas;
    table[15] = &CmdSummonItems;
    table[16] = &CmdFlowOperation;
    table[18] = &CmdGameWait;
    table[21] = &CmdSetTarget;
    table[23] = &CmdStatusFlag;
    table[25] = &CmdTakeItem;
    table[26] = &CmdChangeGraphic;
    table[27] = &CmdChangeAnimeSet;
    table[30] = &CmdCharaEffect;
    table[31] = &CmdScreenEffect;
    table[33] = &CmdScreenColour;
    table[34] = &CmdBackground;
    table[35] = &CmdSoundEffect;
    table[36] = &CmdMusic;
    table[38] = &CmdArrange;
    // Swords, stage clear and warp, messages, disappearance, run-animation,
    // effects and pictures.
    table[12] = &CmdSword;
    table[17] = &CmdStageClear;
    table[19] = &CmdMessage;
    table[20] = &CmdWarp;
    table[24] = &CmdDisappear;
    table[28] = &CmdRunAnime;
    table[29] = &CmdRunEffect;
    table[32] = &CmdShowPicture;
    return table;
}

constexpr std::array<CommandHandler, kCharaCommandKinds> kCharaHandlers = MakeCharaHandlers();

// Flow kind 0 is empty and 1 the flow change; kind k of 2 or more runs the
// body of character kind k + 15.
constexpr std::array<CommandHandler, kFlowCommandKinds> MakeFlowHandlers() {
    std::array<CommandHandler, kFlowCommandKinds> table{};
    table[0] = &CmdNothing;
    table[1] = &CmdFlowChange;
    for (int k = 2; k < kFlowCommandKinds; ++k) table[k] = kCharaHandlers[k + FlowToCharaKindOffset];
    return table;
}

constexpr std::array<CommandHandler, kFlowCommandKinds> kFlowHandlers = MakeFlowHandlers();

} // namespace

bool CommandKindBuilt(bool flow, int kind) {
    static constexpr auto unbuilt = Unbuilt(std::make_index_sequence<kCharaCommandKinds>());
    if (flow) {
        if (kind < 0 || kind >= kFlowCommandKinds) return false;
        if (kind <= 1) return true; // empty, or the flow change of its own
        return kFlowHandlers[static_cast<std::size_t>(kind)] !=
               unbuilt[static_cast<std::size_t>(kind + FlowToCharaKindOffset)];
    }
    if (kind < 0 || kind >= kCharaCommandKinds) return false;
    return kCharaHandlers[static_cast<std::size_t>(kind)] != unbuilt[static_cast<std::size_t>(kind)];
}

int CmdUnbuilt(int kind, bool flow) {
    static std::array<bool, kCharaCommandKinds + kFlowCommandKinds> reported{};
    const int slot = flow ? kCharaCommandKinds + kind : kind;
    if (slot >= 0 && slot < static_cast<int>(reported.size()) && !reported[static_cast<std::size_t>(slot)]) {
        reported[static_cast<std::size_t>(slot)] = true;
        ReportPrintf("%s command kind %d (%s) is not built yet: it does nothing", flow ? "Flow" : "Character",
                     kind, CmdKindName(flow, kind));
    }
    return 0;
}

int DispatchCharaCommand(cChara& chara, cFlowCommand& entry) {
    const cEdCommand& cmd = *entry.lpCmd;
    if (cmd.IsFlow()) return DispatchFlowCommand(chara, entry);
    if (cmd.cKind < 0 || cmd.cKind >= kCharaCommandKinds) return 0;
    return kCharaHandlers[static_cast<std::size_t>(cmd.cKind)](chara, entry);
}

int DispatchFlowCommand(cChara& chara, cFlowCommand& entry) {
    const cEdCommand& cmd = *entry.lpCmd;
    if (!cmd.IsFlow()) {
        if (cmd.cKind < 0 || cmd.cKind >= kCharaCommandKinds) return 0;
        return kCharaHandlers[static_cast<std::size_t>(cmd.cKind)](chara, entry);
    }
    if (cmd.cKind < 0 || cmd.cKind >= kFlowCommandKinds) return 0;
    return kFlowHandlers[static_cast<std::size_t>(cmd.cKind)](chara, entry);
}
