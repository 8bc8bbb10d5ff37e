#include "tools/makedemo/Stages.h"

#include "records/EdCommand.h"
#include "records/EdFlow.h"
#include "records/EdMove.h"

#include <boost/make_shared.hpp>

namespace {

constexpr std::uint8_t kFromCommonPalette = 1;
constexpr std::int8_t kTurnAtLedgesMove = 3; // "地上折り返し移動"
constexpr std::int8_t kJumpCommand = 10;     // "ジャンプ"
constexpr std::int8_t kStageClearCommand = 17;
constexpr std::int8_t kStraightMove = 2; // "直線移動"
constexpr std::uint8_t kEnemyFaction = 1;
// Move directions that do not depend on the facing.
constexpr std::int8_t kLeft = 2, kRight = 3;
// Key entries of a key condition: the direction lists, then the buttons.
constexpr std::size_t kKeyEntryCount = 19;
constexpr std::size_t kLeftKey = 1, kRightKey = 2, kButton1 = 11;
constexpr std::uint8_t kKeyPressed = 1;

cEdBlock PaletteBlock(const char* name, std::int16_t graphic) {
    cEdBlock b;
    b.Name = name;
    b.GraphicIndex = graphic;
    b.Solid = 1;
    return b;
}

// A command of the kind (of the flow-command table when `flow`), its
// parameters given from 0 on.
cEdCommand Command(std::int8_t kind, const std::vector<std::int32_t>& params = {}, bool flow = false) {
    cEdCommand c;
    c.bFlow = flow ? 1 : 0;
    c.cKind = kind;
    c.FixParams(); // the parameter count of the kind
    for (std::size_t i = 0; i < params.size(); ++i) c.vParam.At(i) = params[i];
    return c;
}

// A flow that always runs (timing 0) made of the given commands.
cEdFlow AlwaysFlow(const char* name, std::vector<cEdCommand> commands) {
    cEdFlow f;
    f.strName = name;
    f.cTrigger = 0;
    for (auto& c : commands) f.vCmd.push_back(c);
    return f;
}

cEdChara PaletteChara(const char* name, std::int16_t graphic, std::uint8_t control, std::int32_t hp) {
    cEdChara c;
    c.Name = name;
    c.GraphicKind = 1;
    c.GraphicIndex = graphic;
    c.Control = control;
    c.mhp = hp;
    c.Facing = 0;
    // Enemies are of a faction of their own, so that they and the hero hurt each other.
    if (control == 1) {
        c.Faction = kEnemyFaction;
        c.power = 1;
    }
    return c;
}

cEdItem PaletteItem(const char* name, std::int16_t graphic) {
    cEdItem i;
    i.Name = name;
    i.GraphicIndex = graphic;
    return i;
}

template <class T> T Placement(std::int16_t index, int column, int row) {
    T p;
    p.PaletteSource = kFromCommonPalette;
    p.PaletteIndex = index;
    p.InheritFlags.assign(p.InheritFlags.size(), 1); // everything from the palette entry
    p.Column = static_cast<std::int16_t>(column);
    p.Row = static_cast<std::int16_t>(row);
    return p;
}

// A command of the kind lasting `tenths`, with its parameters given from 0 on.
cEdCommand Timed(std::int8_t kind, std::int16_t tenths, const std::vector<std::int32_t>& params = {},
                 bool parallel = false) {
    cEdCommand c = Command(kind, params);
    c.sWait = tenths;
    c.bParallel = parallel ? 1 : 0;
    return c;
}

cEdCommand Move(std::int8_t kind, std::int16_t tenths, std::int8_t direction) {
    cEdCommand c = Timed(kind, tenths);
    c.pMove = boost::make_shared<cEdMove>();
    c.pMove->cMode2 = direction;
    c.pMove->sAmount = 15;
    return c;
}

cEdCommand Summon(std::int8_t kind, std::int16_t tenths) {
    cEdCommand c = Timed(kind, tenths);
    c.pShot = boost::make_shared<cEdShot>();
    c.pShot->cCount = 1;
    c.pShot->sSpeed = 30;
    c.pShot->sRange = 20;
    c.pShot->sLife = 50;
    c.pShot->nPower = 1;
    return c;
}

// A flow started by a key held for any length: while it stays held
// (`whileHeld`), or once each time it is pressed.
cEdFlow KeyFlow(const char* name, std::size_t key, bool whileHeld, std::vector<cEdCommand> commands) {
    cEdFlow f = AlwaysFlow(name, std::move(commands));
    cEdKeyCond k;
    k.cCombine = 0;
    k.byOpt2 = 1; // any length
    k.KeyStates.assign(kKeyEntryCount, 0);
    k.KeyStates[key] = kKeyPressed;
    f.vKeyCond.push_back(k);
    f.bySet6 = whileHeld ? 1 : 0;
    return f;
}

// The hero: walks while left or right is held and jumps with button 1
// (higher the longer it is held); an enemy it runs into takes 3 points.
cEdChara Hero() {
    cEdChara c = PaletteChara("主人公", 0, 0, 10);
    c.power = 3;
    c.FixedFacing = 0;
    cEdCommand right = Move(kStraightMove, 1, kRight);
    right.pMove->sAmount = 30;
    cEdCommand left = Move(kStraightMove, 1, kLeft);
    left.pMove->sAmount = 30;
    cEdCommand jump = Timed(kJumpCommand, 0, {1, 0, 9, 0, 0}); // variable height, up to 9 half-blocks
    jump.sSe = 1;
    c.Flows = {KeyFlow("右へ歩く", kRightKey, true, {right}), KeyFlow("左へ歩く", kLeftKey, true, {left}),
               KeyFlow("ジャンプ", kButton1, false, {jump})};
    // It glows when a power-up starts its flow of id 1 (started only by a flow change).
    cEdCommand chime = Timed(35, 0, {1}, true);
    chime.bSeVisibleOnly = 0;
    cEdFlow glow = AlwaysFlow("光る", {chime, Timed(30, 0, {0, 0, 0}, true), Timed(1, 10)});
    glow.cTrigger = 22;
    glow.bySet1 = 1;
    c.Flows.push_back(glow);
    return c;
}

// A solid character that carries the hero to and fro over a pit: a platform
// to ride, which nothing hurts.
cEdChara Lift() {
    cEdChara c = PaletteChara("動く床", 7, 1, 1);
    c.Faction = 0;
    c.power = 0;
    c.Flying = 1;
    c.BlockChara = 1;
    c.Invincible = 2;
    cEdCommand there = Move(kStraightMove, 20, kRight);
    cEdCommand back = Move(kStraightMove, 20, kLeft);
    c.Flows.push_back(AlwaysFlow("往復", {there, back}));
    return c;
}

// A flying enemy that goes through every kind of move: straight (by a
// direction and by an angle, and to a point), circles, charges and homes in
// on the hero (its target 1), keeps on screen, stops, turns and jumps.
cEdChara Flyer() {
    cEdChara c = PaletteChara("飛ぶ敵", 3, 1, 4);
    c.Flying = 1;
    c.FixedFacing = 0;
    cEdCommand angled = Move(2, 10, 0);
    angled.pMove->sAngle = 30;
    cEdCommand toPoint = Move(2, 10, 0);
    toPoint.pMove->cMode = 1;
    toPoint.pMove->cCoordMode = 0; // back toward where it was placed
    cEdCommand circle = Move(4, 20, 0);
    circle.pMove->sDist = 3;
    circle.pMove->sTargetXDot = 360;
    cEdCommand homing = Move(6, 20, 0);
    homing.pMove->sHoming = 2;
    c.Flows.push_back(
        AlwaysFlow("飛ぶ", {Move(2, 10, 4), angled, circle, Move(5, 10, 0), homing, toPoint, Move(7, 10, 0),
                            Move(3, 5, 0), Timed(8, 1), Timed(9, 1, {2}), Timed(10, 1, {0, 0, 2, 0, 0})}));
    return c;
}

// The eleven choices of the set-target command into target `slot` + 1, then
// the nearest character of the hero's faction kept there.
std::vector<std::vector<std::int32_t>> TargetChoices(std::int32_t slot) {
    std::vector<std::vector<std::int32_t>> all;
    for (std::int32_t choice = 0; choice <= 10; ++choice)
        all.push_back({slot, choice, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
    all.push_back({slot, 2, 0, 0, 0, 1});
    return all;
}

// A power-up: the three flow changes on the hero (start what may start, start
// flow 1, switch to flow 1), then every target choice of the hero's target 2
// and a sound.
cEdItem PowerUp() {
    cEdItem i = PaletteItem("パワーアップ", 3);
    i.Commands = {Command(1, {0, 0}, true), Command(1, {1, 1}, true), Command(1, {2, 1}, true)};
    constexpr std::int8_t kFlowSetTarget = 6, kFlowSound = 20;
    for (const auto& params : TargetChoices(1)) i.Commands.push_back(Command(kFlowSetTarget, params, true));
    i.Commands.push_back(Command(kFlowSound, {1}, true));
    return i;
}

// An enemy that stands, turns to the hero, shoots and swings a sword; its second flow walks
// every choice of the set-target command into target 2, then keeps the
// nearest character of the hero's faction there.
cEdChara Turret() {
    cEdChara c = PaletteChara("砲台", 4, 1, 6);
    cEdCommand shot = Summon(11, 20);
    shot.sSe = 1;
    cEdCommand sword = Summon(12, 10);
    sword.pShot->cMotion = 0; // the first sword type
    c.Flows.push_back(AlwaysFlow("撃つ", {Timed(9, 1, {2}), shot, sword}));
    std::vector<cEdCommand> choices;
    for (const auto& params : TargetChoices(1)) choices.push_back(Timed(21, 0, params, true));
    choices.back().bParallel = 0;
    choices.back().sWait = 10;
    c.Flows.push_back(AlwaysFlow("狙う", choices));
    return c;
}

// An enemy that summons a walker, a block and a coin, steers its other flows
// with every flow operation, and uses the shared bodies on itself.
cEdChara Summoner() {
    cEdChara c = PaletteChara("召喚する敵", 5, 1, 8);
    cEdCommand charas = Summon(14, 30);
    charas.pShot->cItemSrc = 1;
    charas.pShot->sItemNo = kWalker;
    cEdCommand items = Summon(15, 10);
    items.pShot->cItemSrc = 1;
    items.pShot->sItemNo = kCoin;
    auto op = [](std::int32_t operation, std::int32_t which, std::int32_t id) {
        return Timed(16, 0, {operation, which, id, 0}, true);
    };
    cEdFlow main = AlwaysFlow("召喚", {charas, Summon(13, 10), items, op(0, 2, 2), op(2, 2, 2), op(3, 2, 2),
                                       op(1, 2, 2), op(5, 2, 3), op(4, 2, 4), Timed(1, 10)});
    main.bySet1 = 1;
    cEdFlow pulse = AlwaysFlow("鼓動", {Timed(23, 0, {0, 1, 0}, true), Timed(26, 0, {1, 5, 0}, true),
                                        Timed(27, 0, {0}, true), Timed(30, 0, {0, 0, 0}, true),
                                        Timed(31, 0, {0, 0, 0}, true), Timed(35, 0, {1}, true),
                                        Timed(38, 0, {35, 0, 1, 2, 1}, true), Timed(35, 10, {1})});
    pulse.cTrigger = 22; // only when the main flow starts it
    pulse.bySet1 = 2;
    cEdFlow spare = AlwaysFlow("予備", {Timed(1, 10)});
    spare.cTrigger = 22;
    spare.bySet1 = 3;
    cEdFlow dropped = spare;
    dropped.bySet1 = 4;
    c.Flows = {main, pulse, spare, dropped};
    return c;
}

} // namespace

const std::vector<DemoStage>& DemoStages() {
    static const std::vector<DemoStage> stages = {
        {"c01-1.stg4_818",
         "チャレンジ1",
         2,
         {
             "S                                      S",
             "S                                      S",
             "S                                      S",
             "S                                      S",
             "S                                      S",
             "S                    c c c     F       S",
             "S                   BBBBBBB            S",
             "S      F                               S",
             "S          c c             L       c   S",
             "S         BBBBB                   BBB  S",
             "S                                      S",
             "S  H   P     W   T     J    M  W     G S",
             "S######################   #############S",
             "S######################   #############S",
             "S######################   #############S",
         }},
        {"w01-1.stg4_818",
         "はじめのステージ",
         2,
         {
             "S                              S",
             "S                              S",
             "S                              S",
             "S                              S",
             "S                              S",
             "S                              S",
             "S                              S",
             "S                 c c c        S",
             "S                BBBBBBB       S",
             "S                              S",
             "S       c           L          S",
             "S H    BBB      W        h   G S",
             "S##############################S",
             "S##############################S",
             "S##############################S",
         }},
        {"w02-1.stg4_818",
         "ふたつめのステージ",
         2,
         {
             "S                                            S",
             "S                                            S",
             "S                                            S",
             "S                                            S",
             "S                            c               S",
             "S                           BBB              S",
             "S                  c                         S",
             "S                 BBB              J         S",
             "S          c                      SSSS       S",
             "S         BBB                                S",
             "S                        L                   S",
             "S H            W      J         W          G S",
             "S#########   ##########  ####################S",
             "S#########   ##########  ####################S",
             "S#########   ##########  ####################S",
         }},
    };
    return stages;
}

void BuildCommonPalette(cCommonPalette& palette) {
    palette.Blocks = {cEdBlock(), PaletteBlock("地面", 1), PaletteBlock("レンガ", 2), PaletteBlock("石", 3)};

    cEdChara walker = PaletteChara("歩く敵", 1, 1, 3);
    cEdCommand walk = Command(kTurnAtLedgesMove);
    walk.pMove = boost::make_shared<cEdMove>();
    walk.sWait = 10;
    walker.Flows.push_back(AlwaysFlow("歩く", {walk}));

    cEdChara hopper = PaletteChara("跳ねる敵", 2, 1, 5);
    cEdCommand jump = Command(kJumpCommand);
    jump.sWait = 20;
    hopper.Flows.push_back(AlwaysFlow("跳ねる", {jump, Command(1)}));

    palette.Charas = {cEdChara(), Hero(), walker, hopper, Flyer(), Turret(), Summoner(), Lift()};

    cEdItem goal = PaletteItem("ゴール", 4);
    goal.Commands.push_back(Command(kStageClearCommand));
    palette.Items = {cEdItem(), PaletteItem("コイン", 1), PaletteItem("ハート", 2), goal, PowerUp()};
    palette.Normalize();
}

void BuildStage(const DemoStage& layout, cStage& stage) {
    stage.Init();
    stage.nMapHeight = static_cast<std::int32_t>(layout.rows.size());
    stage.nMapWidth = static_cast<std::int32_t>(layout.rows.front().size());
    stage.nBgm = layout.bgm;
    stage.strText = layout.title;
    for (int row = 0; row < stage.nMapHeight; ++row) {
        const std::string& line = layout.rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < static_cast<int>(line.size()); ++column) {
            switch (line[static_cast<std::size_t>(column)]) {
            case '#':
                stage.Blocks.push_back(Placement<cEdBlock>(kGround, column, row));
                break;
            case 'B':
                stage.Blocks.push_back(Placement<cEdBlock>(kBrick, column, row));
                break;
            case 'S':
                stage.Blocks.push_back(Placement<cEdBlock>(kStone, column, row));
                break;
            case 'H':
                stage.Charas.push_back(Placement<cEdChara>(kHero, column, row));
                break;
            case 'W':
                stage.Charas.push_back(Placement<cEdChara>(kWalker, column, row));
                break;
            case 'J':
                stage.Charas.push_back(Placement<cEdChara>(kHopper, column, row));
                break;
            case 'F':
                stage.Charas.push_back(Placement<cEdChara>(kFlyer, column, row));
                break;
            case 'T':
                stage.Charas.push_back(Placement<cEdChara>(kTurret, column, row));
                break;
            case 'M':
                stage.Charas.push_back(Placement<cEdChara>(kSummoner, column, row));
                break;
            case 'L':
                stage.Charas.push_back(Placement<cEdChara>(kLift, column, row));
                break;
            case 'c':
                stage.Items.push_back(Placement<cEdItem>(kCoin, column, row));
                break;
            case 'h':
                stage.Items.push_back(Placement<cEdItem>(kHeart, column, row));
                break;
            case 'G':
                stage.Items.push_back(Placement<cEdItem>(kGoal, column, row));
                break;
            case 'P':
                stage.Items.push_back(Placement<cEdItem>(kPower, column, row));
                break;
            default:
                break;
            }
        }
    }
    for (cEdChara& c : stage.Charas) c.CarriedItem = -1; // carries nothing
    stage.Normalize();
}

void BuildWorldMap(cWorldMap& map) {
    map.SetDefaults();
    map.strName = "デモワールド";
    // Chips: 0 grass, 1 water (blocked), 2 road.
    map.Chips.clear();
    const char* names[] = {"草原", "海", "道"};
    for (int i = 0; i < 3; ++i) {
        cWorldChip chip;
        chip.nChipValue = i;
        chip.nChipIndex = i;
        chip.bBlocked = i == 1;
        chip.strChipName = names[i];
        map.Chips.push_back(chip);
    }
    for (std::int32_t y = 0; y < map.nHeight; ++y)
        for (std::int32_t x = 0; x < map.nWidth; ++x) {
            std::int32_t chip = (x == 0 || y == 0 || x == map.nWidth - 1 || y == map.nHeight - 1) ? 1 : 0;
            if (y == 7 && x >= 5 && x <= 15) chip = 2;
            map.Cells.At(map.CellIndex(x, y)) = chip;
        }
    map.nStartX = 5;
    map.nStartY = 7;
    const char* files[] = {"data\\stg4\\w01-1.stg4", "data\\stg4\\w02-1.stg4"};
    const char* captions[] = {"はじめのステージ", "ふたつめのステージ"};
    for (int i = 0; i < 2; ++i) {
        cWorldEvent event;
        event.nX = 9 + 5 * i;
        event.nY = 7;
        event.strEventName = captions[i];
        cWorldEntry& entry = event.Entries.At(0);
        entry.nKind = 0;
        entry.nParams[0] = i;     // picture row
        entry.nParams[1] = i + 1; // stage-clear flag
        entry.nParams[3] = 1;     // may be played again
        entry.nParams[4] = i;     // the second needs the first cleared
        entry.strCaption = captions[i];
        entry.strFile = files[i];
        map.Events.push_back(event);
    }
    map.Normalize();
}
