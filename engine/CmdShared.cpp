#include "engine/CmdShared.h"

#include "engine/Chara.h"
#include "engine/CharaEffects.h"
#include "engine/EngineScene.h"
#include "engine/HeroChara.h"
#include "foundation/ErrorLog.h"
#include "project/CommonPalette.h"
#include "project/Database.h"
#include "project/Stage.h"
#include "records/EdCommand.h"

#include <algorithm>
#include <utility>

namespace {

const cEdCommand& Cmd(const cFlowCommand& e) {
    return *e.lpCmd;
}

enum : int {
    kFlagVanish,
    kFlagTransparent,
    kFlagFixedFacing,
    kFlagFlying,
    kFlagInvincible,
    kFlagScale,
    kFlagScroll
};
constexpr std::int32_t kSystemSubject = 5;

void SetCharaFlag(cChara& self, cChara& subject, std::int32_t flag, std::int32_t value) {
    switch (flag) {
    case kFlagVanish:
        if (subject.nControl == 1)
            subject.bVanish = 1;
        else
            subject.hp = 0;
        if (&subject != &self) Scene().nDefeatCheck = 1;
        break;
    case kFlagTransparent:
        subject.Def.Transparent = static_cast<std::uint8_t>(value);
        break;
    case kFlagFixedFacing:
        subject.Def.FixedFacing = static_cast<std::uint8_t>(value);
        break;
    case kFlagFlying:
        if (auto* hero = dynamic_cast<cHeroChara*>(&subject)) {
            hero->Def.Flying = static_cast<std::uint8_t>(std::clamp(value, 0, 3));
            hero->SetMoveMode(hero->Def.Flying);
        }
        break;
    case kFlagInvincible:
        subject.Def.Invincible = static_cast<std::uint8_t>(std::clamp(value, 0, 2));
        break;
    case kFlagScale: {
        // A scale is never below 1 (sizes are multiplied by it).
        const std::int32_t scale = std::clamp(value, 1, 10);
        subject.SetUnitScale(scale, subject.nUnitScale);
        subject.Def.CharaScale = static_cast<std::uint8_t>(scale);
        break;
    }
    case kFlagScroll:
        subject.Def.ScrollSync = static_cast<std::uint8_t>(value != 0);
        break;
    default:
        break;
    }
}

} // namespace

int CmdGameWait(cChara&, cFlowCommand& e) {
    // The game stands still while the world keeps being drawn: a pause job of
    // the frames, held like any other.
    const std::int32_t frames = std::max(Cmd(e).Param(0), 0) * 6;
    Scene().PauseJob.Set(kPauseGameWait, 0, frames, 0);
    EngineScene().HoldGame();
    return 0;
}

int CmdStatusFlag(cChara& c, cFlowCommand& e) {
    const cEdCommand& cmd = Cmd(e);
    const std::int32_t who = cmd.Param(0), flag = cmd.Param(1), value = cmd.Param(2);
    if (who == kSystemSubject) {
        if (flag == 0) {
            Stage.nAutoScrollSpeedX = value;
            EngineScene().SetAutoScroll(0, value != 0, value);
        }
        return 0;
    }
    cChara* subject = &c;
    if (who >= 1 && who <= 4) {
        subject = c.TargetAt(who - 1);
        if (!subject) return 0;
    }
    SetCharaFlag(c, *subject, flag, value);
    return 0;
}

int CmdTakeItem(cChara&, cFlowCommand& e) {
    const cEdCommand& cmd = Cmd(e);
    cSceneState& s = Scene();
    cHeroChara* hero = s.HeroList.empty() ? nullptr : s.HeroList[0];
    if (!hero) return 0;
    const std::int32_t palette = cmd.Param(0) == 0 ? 0 : 1;
    const cVector<cEdItem>& items = palette == 0 ? CommonPalette.Items : Stage.PaletteItems;
    const std::int32_t index = cmd.Param(1);
    if (!items.InRange(index)) return 0;
    // An item whose commands take itself again, directly or through other
    // items, would never end: the item already being taken is skipped.
    static thread_local cVector<std::pair<std::int32_t, std::int32_t>> taking;
    const std::pair<std::int32_t, std::int32_t> key{palette, index};
    if (std::find(taking.begin(), taking.end(), key) != taking.end()) {
        static bool reported = false;
        if (!reported)
            ReportPrintf("Item %d takes itself again through its commands: the repeated take is skipped.",
                         index);
        reported = true;
        return 0;
    }
    taking.push_back(key);
    // The hero runs a copy: arrangements change the commands they reach.
    cVector<cEdCommand> commands = items[static_cast<std::size_t>(index)].Commands;
    const int result = hero->RunFlowCommands(commands);
    taking.pop_back();
    // An end the list reached (a stage clear, the hero's defeat) is kept:
    // a later item that ends nothing does not take it back, and a list that
    // took this item stops here as it would on its own stage clear.
    if (result != 0) s.nEndState = result;
    return result;
}

int CmdChangeGraphic(cChara& c, cFlowCommand& e) {
    const cEdCommand& cmd = Cmd(e);
    c.Def.GraphicKind = static_cast<std::uint8_t>(cmd.Param(0));
    c.Def.GraphicIndex = static_cast<std::int16_t>(cmd.Param(1));
    c.Def.CellBase = static_cast<std::int16_t>(cmd.Param(2));
    c.nGraphic = c.Def.GraphicIndex;
    return 0;
}

int CmdChangeAnimeSet(cChara& c, cFlowCommand& e) {
    const auto n = static_cast<std::int16_t>(Cmd(e).Param(0));
    if (Database.AnimeSet.InRange(n)) c.SetBaseAnimeSet(n, 1);
    return 0;
}

int CmdCharaEffect(cChara& c, cFlowCommand& e) {
    const cEdCommand& cmd = Cmd(e);
    StartCharaEffect(c, static_cast<std::int16_t>(cmd.Param(0)), cmd.Param(1), cmd.Param(2));
    return 0;
}

int CmdScreenEffect(cChara&, cFlowCommand& e) {
    const cEdCommand& cmd = Cmd(e);
    EngineScene().StartScreenEffect(static_cast<std::int16_t>(cmd.Param(0)), cmd.Param(1), cmd.Param(2));
    return 0;
}

int CmdScreenColour(cChara&, cFlowCommand& e) {
    EngineScene().SetScreenColour(Cmd(e));
    return 0;
}

int CmdBackground(cChara&, cFlowCommand& e) {
    const cEdCommand& cmd = Cmd(e);
    const std::int32_t layer = cmd.Param(0) - 1;
    if (!Stage.Backgrounds.InRange(layer)) return 0;
    std::int32_t& shown = Stage.Backgrounds[static_cast<std::size_t>(layer)].Enabled;
    switch (cmd.Param(1)) {
    case 0:
        shown = 1;
        break;
    case 1:
        shown = 0;
        break;
    case 2:
        shown = shown ? 0 : 1;
        break;
    default:
        break;
    }
    return 0;
}

int CmdSoundEffect(cChara& c, cFlowCommand& e) {
    const cEdCommand& cmd = Cmd(e);
    if (cmd.bSeVisibleOnly && !c.bOnScreen) return 0;
    EngineScene().PlayDbSe(static_cast<std::int16_t>(cmd.Param(0)));
    return 0;
}

int CmdMusic(cChara&, cFlowCommand& e) {
    const cEdCommand& cmd = Cmd(e);
    EngineScene().PlayBgm(cmd.Param(0), cmd.Param(1));
    return 0;
}

int CmdArrange(cChara&, cFlowCommand& e) {
    const cEdCommand& cmd = Cmd(e);
    Arrangement a{};
    for (std::size_t i = 0; i < a.size(); ++i) a[i] = cmd.Param(i);
    cSceneState& s = Scene();
    if (cmd.IsFlow()) {
        if (!s.HeroList.empty() && s.HeroList[0]) s.HeroList[0]->Pending.push_back(a);
    } else if (s.pCurFlow) {
        s.pCurFlow->Pending.push_back(a);
    }
    return 0;
}
