#include "project/CommonPalette.h"
#include "project/Stage.h"
#include "records/RecordContext.h"

#include "StageFixture.h"
#include "fixtures/ByteBuilder.h"

#include <gtest/gtest.h>

namespace {

// The default record context pointed at the global palettes, as the program
// sets it up; cleared again afterwards.
class BoundPalettes : public ::testing::Test {
protected:
    void SetUp() override {
        DefaultRecordContext().Clear(8);
        BindPalettesToDefaultContext();
    }
    void TearDown() override {
        Stage.Init();
        CommonPalette = cCommonPalette();
        DefaultRecordContext().Clear();
    }
};

cEdChara NamedChara(const std::string& name) {
    cEdChara c;
    c.Name = name;
    return c;
}

// A placement taking its name (inherit group 0) from palette `source`, entry `index`.
cEdChara Inheriting(std::uint8_t source, std::int16_t index, const std::string& own) {
    cEdChara c = NamedChara(own);
    c.PaletteSource = source;
    c.PaletteIndex = index;
    c.InheritFlags[0] = 1;
    return c;
}

// A stage with something in every table.
cStage FullStage() {
    cStage s;
    s.nMapWidth = 64;
    s.nMapHeight = 20;
    s.strText = "すてーじ";
    s.Switches = {1, 0, 1, 0, 1};
    s.Params2.Set(1, 2, 3, 4, 5, 6, 7, 8);
    s.PaletteBlocks.resize(3);
    s.PaletteBlocks[2].Name = "壁";
    s.PaletteBlocks[2].GraphicIndex = 4;
    s.PaletteCharas.push_back(NamedChara("ghost"));
    s.PaletteItems.resize(2);
    s.PaletteItems[1].Name = "coin";
    s.Blocks.resize(2);
    s.Blocks[1].Column = 5;
    s.Blocks[1].Row = -1;
    s.Charas.push_back(Inheriting(2, 1, "ghost")); // as the template: a fixed point
    s.Charas[0].Control = 0;
    s.Charas[0].Column = 3;
    s.Charas[0].Row = 9;
    s.Charas[0].CarriedItem = -1;
    s.Items.resize(1);
    s.Items[0].Column = 7;
    s.Backgrounds.resize(2);
    s.Backgrounds[1].FileName = "bmp\\back\\sky.bmp";
    s.Texts.resize(3);
    s.Texts[2].str = "text";
    return s;
}

TEST_F(BoundPalettes, FullStageRoundTripsByteForByte) {
    cStage src = FullStage();
    std::vector<std::uint8_t> bytes = src.SaveToBytes();
    cStage back;
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    EXPECT_EQ(back.SaveToBytes(), bytes);
    EXPECT_EQ(back.strText, "すてーじ");
    EXPECT_EQ(back.Params2.nValue[7], 8);
    EXPECT_EQ(back.PaletteBlocks[2].Name, "壁");
    EXPECT_EQ(back.Blocks[1].Row, -1);
    EXPECT_EQ(back.Charas[0].PaletteSource, 2);
    EXPECT_EQ(back.Charas[0].CarriedItem, -1);
    EXPECT_EQ(back.Backgrounds[1].FileName, "bmp\\back\\sky.bmp");
    EXPECT_EQ(back.Texts[2].str, "text");
    // The file ends in the end marker.
    std::uint32_t last = 0;
    std::memcpy(&last, bytes.data() + bytes.size() - 4, 4);
    EXPECT_EQ(last, kStageEndMarker);
}

TEST_F(BoundPalettes, PlacementsInheritFromTheLoadingStagesOwnPalette) {
    Stage.PaletteCharas.push_back(NamedChara("playing"));
    Stage.PaletteCharas.push_back(NamedChara("playing"));
    cStage src = FullStage();
    src.Charas.push_back(Inheriting(2, 2, "beyond")); // past this stage's palette
    cStage s;
    ASSERT_TRUE(s.LoadFromBytes(StageFile(src)));
    EXPECT_EQ(s.Charas[0].Name, "ghost");
    EXPECT_EQ(s.Charas[1].Name, "beyond");
    EXPECT_EQ(s.Charas[1].PaletteSource, 0);
    EXPECT_EQ(Stage.PaletteCharas.size(), 3u); // the playing stage is not touched
}

TEST_F(BoundPalettes, PlacementsInheritFromTheCommonPalette) {
    CommonPalette.Charas.push_back(NamedChara("common"));
    cStage src;
    src.Charas.push_back(Inheriting(1, 1, "mine"));
    cStage s;
    ASSERT_TRUE(s.LoadFromBytes(StageFile(src)));
    EXPECT_EQ(s.Charas[0].Name, "common");
}

// An entry that names another entry of the palette being loaded keeps that
// reference: a stage palette's entry inherits from the entries loaded before
// it, copies nothing from one not loaded yet, and loses only a reference
// outside the palette. The playing stage's palette is never consulted.
TEST_F(BoundPalettes, StagePaletteEntriesInheritFromTheEntriesLoadedBeforeThem) {
    // Room in the playing stage's palette, so that writing the file clamps nothing.
    Stage.PaletteCharas.assign(10, NamedChara("playing"));
    cStage src;
    src.PaletteCharas.push_back(NamedChara("first"));        // 1
    src.PaletteCharas.push_back(Inheriting(2, 1, "second")); // 2
    src.PaletteCharas.push_back(Inheriting(2, 4, "third"));  // 3: its template comes later
    src.PaletteCharas.push_back(NamedChara("fourth"));       // 4
    src.PaletteCharas.push_back(Inheriting(2, 9, "fifth"));  // 5: outside the palette
    cStage s;
    ASSERT_TRUE(s.LoadFromBytes(StageFile(src)));
    struct Expect {
        std::size_t entry;
        const char* name;
        std::uint8_t source;
        std::int16_t index;
    };
    for (Expect e : {Expect{2, "first", 2, 1}, Expect{3, "third", 2, 4}, Expect{5, "fifth", 0, 0}}) {
        const cEdChara& c = s.PaletteCharas[e.entry];
        EXPECT_EQ(c.Name, e.name) << e.entry;
        EXPECT_EQ(c.PaletteSource, e.source) << e.entry;
        EXPECT_EQ(c.PaletteIndex, e.index) << e.entry;
    }
    // Saved, the references are still there.
    cStage back;
    ASSERT_TRUE(back.LoadFromBytes(s.SaveToBytes()));
    EXPECT_EQ(back.PaletteCharas[2].PaletteSource, 2);
    EXPECT_EQ(back.PaletteCharas[3].PaletteIndex, 4);
}

TEST_F(BoundPalettes, CommonPaletteEntriesKeepTheirReferencesAndNeverInherit) {
    cCommonPalette palette;
    palette.Charas.push_back(NamedChara("first"));
    palette.Charas.push_back(Inheriting(1, 1, "second"));
    CommonPalette.Charas.push_back(NamedChara("global"));
    CommonPalette.Charas.push_back(NamedChara("global"));
    std::vector<std::uint8_t> bytes = palette.SaveToBytes();
    cCommonPalette back;
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    EXPECT_EQ(back.Charas[2].Name, "second");
    EXPECT_EQ(back.Charas[2].PaletteSource, 1);
    EXPECT_EQ(back.Charas[2].PaletteIndex, 1);
    for (auto flag : back.Charas[2].InheritFlags) EXPECT_EQ(flag, 0);
}

TEST_F(BoundPalettes, CommonPaletteTables) {
    // Empty tables load as two entries each.
    ByteBuilder empty;
    empty.u32(818).u32(0).u32(0).u32(0).u32(0).u32(0);
    cCommonPalette p;
    ASSERT_TRUE(p.LoadFromBytes(empty.get()));
    EXPECT_EQ(p.Blocks.size(), 2u);
    EXPECT_EQ(p.Charas.size(), 2u);
    EXPECT_EQ(p.Items.size(), 2u);

    // Three entries are kept; entry 0 goes back to its defaults; flags are cleared.
    cCommonPalette src;
    src.Items.resize(3);
    src.Items[0].Name = "not kept";
    src.Items[2].Name = "third";
    src.Charas.resize(3);
    src.Charas[2].InheritFlags.assign(kCharaInheritGroups, 1);
    cCommonPalette back;
    ASSERT_TRUE(back.LoadFromBytes(src.SaveToBytes()));
    ASSERT_EQ(back.Items.size(), 3u);
    EXPECT_EQ(back.Items[0].Name, "");
    EXPECT_EQ(back.Items[2].Name, "third");
    for (auto flag : back.Charas[2].InheritFlags) EXPECT_EQ(flag, 0);

    // A damaged file keeps the palette.
    std::vector<std::uint8_t> cut = src.SaveToBytes();
    cut.resize(cut.size() - 3);
    EXPECT_FALSE(back.LoadFromBytes(cut));
    EXPECT_EQ(back.Items[2].Name, "third");
}

TEST(Stage, FindHeroTakesThePlacedPlayerCharacter) {
    cStage s;
    EXPECT_EQ(s.FindHero(), -1);
    s.Charas.resize(4);
    s.Charas[0].Control = 1; // computer-controlled
    s.Charas[1].Control = 0;
    s.Charas[1].Placed = 0; // not placed
    s.Charas[2].Control = 0;
    s.Charas[3].Control = 0;
    EXPECT_EQ(s.FindHero(), 2);
    EXPECT_TRUE(s.HasHero());
    s.Charas[2].Placed = 0;
    s.Charas[3].Control = 1;
    EXPECT_FALSE(s.HasHero());
}

TEST_F(BoundPalettes, SaveForReplayTakesSettingsFromTheStartStage) {
    cStage playing = FullStage();
    cStage start;
    start.nMapWidth = 77;
    start.Switches = {0, 0, 0, 0, 1};
    start.Backgrounds.resize(3);
    start.Texts.resize(1);
    start.Texts[0].str = "start";
    start.Params5.Set(9, 9, 9, 9, 9, 9, 9, 9);
    RecordFilePtr f = OpenRecordMemoryWrite();
    playing.SaveForReplay(*f, start);
    std::vector<std::uint8_t> bytes = f->Bytes();
    cStage back;
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    EXPECT_EQ(back.nMapWidth, 77);
    EXPECT_EQ(back.Switches, start.Switches);
    EXPECT_EQ(back.Backgrounds.size(), 3u);
    EXPECT_EQ(back.Texts[0].str, "start");
    EXPECT_EQ(back.Params5.nValue[0], 9);
    EXPECT_EQ(back.PaletteBlocks.size(), 3u);
    EXPECT_EQ(back.Charas.size(), 1u);
    EXPECT_EQ(back.Charas[0].Column, 3);
    EXPECT_EQ(back.Blocks.size(), 2u);
}

} // namespace

namespace {

// Every cut of a full file is refused, and the stage keeps its content.
TEST_F(BoundPalettes, EveryTruncationOfAStageFileIsRefused) {
    cStage src = FullStage();
    std::vector<std::uint8_t> bytes = src.SaveToBytes();
    cStage s;
    s.nMapWidth = 3;
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
        ASSERT_FALSE(s.LoadFromBytes(cut)) << n;
        ASSERT_EQ(s.nMapWidth, 3);
    }
    EXPECT_TRUE(s.LoadFromBytes(bytes));
}

} // namespace
