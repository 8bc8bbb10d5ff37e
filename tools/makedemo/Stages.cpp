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

cEdBlock PaletteBlock(const char* name, std::int16_t graphic) {
    cEdBlock b;
    b.Name = name;
    b.GraphicIndex = graphic;
    b.Solid = 1;
    return b;
}

cEdCommand Command(std::int8_t kind) {
    cEdCommand c;
    c.cKind = kind;
    c.FixParams(); // the parameter count of the kind
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
cEdCommand Timed(std::int8_t kind, std::int16_t tenths, std::initializer_list<std::int32_t> params = {},
                 bool parallel = false) {
    cEdCommand c = Command(kind);
    c.sWait = tenths;
    c.bParallel = parallel ? 1 : 0;
    std::size_t i = 0;
    for (std::int32_t p : params) c.vParam.At(i++) = p;
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

// An enemy that stands, turns to the hero and shoots; its second flow walks
// every choice of the set-target command into target 2, then keeps the
// nearest character of the hero's faction there.
cEdChara Turret() {
    cEdChara c = PaletteChara("砲台", 4, 1, 6);
    cEdCommand shot = Summon(11, 20);
    shot.sSe = 1;
    c.Flows.push_back(AlwaysFlow("撃つ", {Timed(9, 1, {2}), shot}));
    std::vector<cEdCommand> choices;
    for (std::int32_t choice = 0; choice <= 10; ++choice)
        choices.push_back(Timed(21, 0, {1, choice, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, true));
    choices.push_back(Timed(21, 10, {1, 2, 0, 0, 0, 1}));
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
             "S          c c                     c   S",
             "S         BBBBB                   BBB  S",
             "S                                      S",
             "S  H         W   T     J    M  W     G S",
             "S######################   #############S",
             "S######################   #############S",
             "S######################SSS#############S",
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
             "S       c                      S",
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
             "S                                            S",
             "S H            W      J         W          G S",
             "S#########   ##########  ####################S",
             "S#########   ##########  ####################S",
             "S#########SSS##########SS####################S",
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

    palette.Charas = {cEdChara(), PaletteChara("主人公", 0, 0, 10), walker, hopper, Flyer(), Turret(),
                      Summoner()};

    cEdItem goal = PaletteItem("ゴール", 4);
    goal.Commands.push_back(Command(kStageClearCommand));
    palette.Items = {cEdItem(), PaletteItem("コイン", 1), PaletteItem("ハート", 2), goal};
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
            case 'c':
                stage.Items.push_back(Placement<cEdItem>(kCoin, column, row));
                break;
            case 'h':
                stage.Items.push_back(Placement<cEdItem>(kHeart, column, row));
                break;
            case 'G':
                stage.Items.push_back(Placement<cEdItem>(kGoal, column, row));
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
