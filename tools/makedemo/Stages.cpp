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
             "S                    c c c             S",
             "S                   BBBBBBB            S",
             "S                                      S",
             "S          c c                     c   S",
             "S         BBBBB                   BBB  S",
             "S                                      S",
             "S  H         W         J       W     G S",
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

    palette.Charas = {cEdChara(), PaletteChara("主人公", 0, 0, 10), walker, hopper};

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
