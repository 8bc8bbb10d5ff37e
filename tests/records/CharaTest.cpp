#include "RecordFixtures.h"
#include "records/EdChara.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

struct Field {
    const char* name;
    std::function<std::int64_t(const cEdChara&)> get;
};

#define F(x)                                                                                                 \
    Field {                                                                                                  \
#x, [](const cEdChara& c) -> std::int64_t { return c.x; }                                            \
    }

// Every value a definition carries, for "exactly these changed" checks.
const std::vector<Field>& AllFields() {
    static const std::vector<Field> fields = {
        F(PaletteSource),
        F(PaletteIndex),
        F(CondCombine),
        F(CondOnce),
        F(Facing),
        F(ObjectCount),
        F(OffsetBaseX),
        F(OffsetStepX),
        F(OffsetBaseY),
        F(OffsetStepY),
        F(OffsetMirrorX),
        F(OffsetMirrorY),
        F(GraphicIndex),
        F(GraphicKind),
        F(CellBase),
        F(AnimeSet),
        F(z),
        F(Transparent),
        F(CharaEffectA),
        F(CharaEffectAParam),
        F(CharaEffectAOption),
        F(CharaEffectB),
        F(CharaEffectBParam),
        F(MarkShow),
        F(MarkNumber),
        F(Control),
        F(InputRecord),
        F(Placed),
        F(Faction),
        F(Flying),
        F(FixedFacing),
        F(Invincible),
        F(TintSelect),
        F(BlockChara),
        F(CharaScale),
        F(ScrollSync),
        F(SightShape),
        F(sight),
        F(mhp),
        F(msp),
        F(stop),
        F(HitRange),
        F(power),
        F(imp),
        F(Effect),
        F(def),
        F(impd),
        F(getsc),
        F(cid),
        F(InActivationGroup),
        F(ActivationGroup),
        F(ActiveArea),
        F(ActivationKind),
        F(Column),
        F(Row),
        F(CarriedItem),
        Field{"Name",
              [](const cEdChara& c) -> std::int64_t { return static_cast<std::int64_t>(c.Name.size()); }},
        Field{"Conds",
              [](const cEdChara& c) -> std::int64_t { return static_cast<std::int64_t>(c.Conds.size()); }},
        Field{"Flows",
              [](const cEdChara& c) -> std::int64_t { return static_cast<std::int64_t>(c.Flows.size()); }},
    };
    return fields;
}
#undef F

// A template in which every value differs from a new definition's.
cEdChara Template() {
    cEdChara t;
    std::int64_t n = 2;
    // Set each field through its own type by writing raw distinct bytes.
    auto set = [&n](auto& member) { member = static_cast<std::remove_reference_t<decltype(member)>>(n++); };
    set(t.CondCombine), set(t.CondOnce), set(t.Facing), set(t.ObjectCount), set(t.OffsetBaseX);
    set(t.OffsetStepX), set(t.OffsetBaseY), set(t.OffsetStepY), set(t.OffsetMirrorX), set(t.OffsetMirrorY);
    set(t.GraphicIndex), set(t.GraphicKind), set(t.CellBase), set(t.AnimeSet), set(t.z);
    set(t.Transparent), set(t.CharaEffectA), set(t.CharaEffectAParam), set(t.CharaEffectAOption),
        set(t.CharaEffectB);
    set(t.CharaEffectBParam), set(t.MarkShow), set(t.MarkNumber), set(t.Control), set(t.InputRecord);
    set(t.Placed), set(t.Faction), set(t.Flying), set(t.FixedFacing), set(t.Invincible), set(t.TintSelect);
    set(t.BlockChara), set(t.CharaScale), set(t.ScrollSync), set(t.SightShape), set(t.sight), set(t.mhp);
    set(t.msp), set(t.stop), set(t.HitRange), set(t.power), set(t.imp), set(t.Effect), set(t.def);
    set(t.impd), set(t.getsc), set(t.cid), set(t.InActivationGroup), set(t.ActivationGroup),
        set(t.ActiveArea), set(t.ActivationKind);
    set(t.Column), set(t.Row), set(t.CarriedItem);
    t.Name = "template";
    t.Conds.resize(2);
    t.Flows.resize(3);
    return t;
}

// What each inherit flag copies.
const std::vector<std::set<std::string>> kGroups = {
    {"Name"},
    {"Control", "InputRecord"},
    {"Placed"},
    {"Faction"},
    {"Conds", "CondCombine", "CondOnce"},
    {"Facing"},
    {"ObjectCount"},
    {"OffsetBaseX", "OffsetStepX", "OffsetMirrorX"},
    {"OffsetBaseY", "OffsetStepY", "OffsetMirrorY"},
    {"GraphicKind", "GraphicIndex", "CellBase"},
    {"AnimeSet"},
    {"z"},
    {"Transparent"},
    {"CharaEffectA", "CharaEffectAParam", "CharaEffectAOption"},
    {"CharaEffectB", "CharaEffectBParam"},
    {"MarkShow", "MarkNumber"},
    {"FixedFacing"},
    {"Flying"},
    {"Invincible", "TintSelect"},
    {"BlockChara"},
    {"CharaScale"},
    {"ScrollSync"},
    {"SightShape", "sight"},
    {"mhp"},
    {"msp"},
    {"HitRange"},
    {"power"},
    {"imp"},
    {"Effect"},
    {"def"},
    {"impd"},
    {"stop"},
    {"ActiveArea", "ActivationKind"},
    {"InActivationGroup", "ActivationGroup"},
    {"getsc"},
    {"cid"},
    {"Flows"},
};

class CharaTest : public RecordTest {
protected:
    void SetUp() override {
        RecordTest::SetUp();
        common.resize(2);
        common[1] = Template();
        stage.resize(3);
        ctx().charaTables[0] = cTableView<cEdChara>(common);
        ctx().charaTables[1] = cTableView<cEdChara>(stage);
    }
    cVector<cEdChara> common, stage;
};

TEST_F(CharaTest, EachInheritFlagCopiesExactlyItsGroup) {
    ASSERT_EQ(kGroups.size(), kCharaInheritGroups);
    for (std::size_t g = 0; g < kCharaInheritGroups; ++g) {
        cEdChara own;
        own.PaletteSource = 1;
        own.PaletteIndex = 1;
        own.InheritFlags[g] = 1;
        const cEdChara before = own;
        own.Inherit();
        std::set<std::string> changed;
        for (const Field& f : AllFields())
            if (f.get(own) != f.get(before)) changed.insert(f.name);
        EXPECT_EQ(changed, kGroups[g]) << "group " << g;
    }
}

TEST_F(CharaTest, TemplateOutsideItsPaletteIsDropped) {
    cEdChara own;
    own.PaletteSource = 2;
    own.PaletteIndex = 3; // the stage palette has 3 definitions
    own.InheritFlags.assign(kCharaInheritGroups, 1);
    own.mhp = 55;
    own.Inherit();
    EXPECT_EQ(own.PaletteSource, 0);
    EXPECT_EQ(own.PaletteIndex, 3);
    EXPECT_EQ(own.mhp, 55);
    own.PaletteSource = 1;
    own.PaletteIndex = -1; // a negative index is outside as well
    own.Inherit();
    EXPECT_EQ(own.PaletteSource, 0);
    EXPECT_EQ(own.mhp, 55);
    // Saving drops a reference outside its palette altogether.
    own.PaletteSource = 2;
    own.PaletteIndex = 3;
    own.ClampRefs();
    EXPECT_EQ(own.PaletteSource, 0);
    EXPECT_EQ(own.PaletteIndex, 0);
}

TEST_F(CharaTest, TemplateWithoutFlowsGivesOneDefaultFlow) {
    common[1].Flows.clear();
    cEdChara own;
    own.Flows.resize(4);
    own.PaletteSource = 1;
    own.PaletteIndex = 1;
    own.InheritFlags[36] = 1;
    own.Inherit();
    ASSERT_EQ(own.Flows.size(), 1u);
    EXPECT_EQ(own.Flows[0].bySet5, 3);
}

TEST_F(CharaTest, Version167GainsThreeInheritedGroups) {
    cEdChara t = Template();
    t.def = 77;
    t.HitRange = 2;
    t.ScrollSync = 1;
    common[1] = t;
    cEdChara old;
    old.PaletteSource = 1;
    old.PaletteIndex = 1;
    old.InheritFlags.assign(34, 0);
    old.InheritFlags[30] = 1; // group 30 then; group 31 after the insertion at 27
    old.HitRange = 3;
    old.TintSelect = 0;
    std::vector<std::uint8_t> bytes;
    {
        WriteVersion w(167);
        bytes = old.SaveToBytes();
    }
    cEdChara back;
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    ASSERT_EQ(back.InheritFlags.size(), kCharaInheritGroups);
    for (std::size_t i = 0; i < kCharaInheritGroups; ++i)
        EXPECT_EQ(back.InheritFlags[i], (i == 21 || i == 25 || i == 29 || i == 33) ? 1 : 0) << i;
    EXPECT_EQ(back.def, 77);
    EXPECT_EQ(back.HitRange, 2);
    EXPECT_EQ(back.ScrollSync, 1);
    EXPECT_EQ(back.InActivationGroup, t.InActivationGroup); // the flag at 30 moved to 33 with its group
    EXPECT_EQ(back.TintSelect, 1);
}

TEST_F(CharaTest, OlderStepsOnTheirOwn) {
    cEdChara c;
    c.HitRange = 2;
    c.GraphicKind = 3;
    c.GraphicIndex = 118;
    c.CharaEffectAParam = 5;
    std::vector<std::uint8_t> bytes;
    {
        WriteVersion w(205);
        bytes = c.SaveToBytes();
    }
    cEdChara back;
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    EXPECT_EQ(back.HitRange, 3); // 2 and more raised by one before 206
    EXPECT_EQ(back.GraphicIndex, 119);
    EXPECT_EQ(back.CharaEffectAParam, 5);
    EXPECT_EQ(back.TintSelect, 1);
    EXPECT_EQ(back.ScrollSync, 0);
    c.GraphicIndex = 119;
    {
        WriteVersion w(218);
        bytes = c.SaveToBytes();
    }
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    EXPECT_EQ(back.GraphicIndex, 119);
}

TEST_F(CharaTest, FlagVectorsOfAnyStoredLengthEndAt37) {
    for (std::size_t n : {0u, 5u, 37u, 50u}) {
        cEdChara c;
        c.InheritFlags.assign(n, 1);
        const std::vector<std::uint8_t> bytes = c.SaveToBytes();
        cEdChara back;
        ASSERT_TRUE(back.LoadFromBytes(bytes));
        ASSERT_EQ(back.InheritFlags.size(), kCharaInheritGroups) << n;
        EXPECT_EQ(back.InheritFlags[36], n > 36 ? 1 : 0);
    }
}

TEST_F(CharaTest, ReferencesAreClampedNegativeOnesToo) {
    ctx().Clear(5);
    cEdChara c;
    c.AnimeSet = -1;
    c.CharaEffectA = 5;
    c.CharaEffectB = -7;
    c.Effect = 6;
    c.GraphicKind = 4;
    c.GraphicIndex = -3;
    c.CharaScale = 0;
    c.ObjectCount = 3;
    c.BlockChara = 1;
    c.ClampRefs();
    EXPECT_EQ(c.AnimeSet, 0);
    EXPECT_EQ(c.CharaEffectA, 0);
    EXPECT_EQ(c.CharaEffectB, 0);
    EXPECT_EQ(c.Effect, 0);
    EXPECT_EQ(c.GraphicIndex, 1);
    EXPECT_EQ(c.CharaScale, 1);
    EXPECT_EQ(c.ObjectCount, 3); // a computer character keeps its row of objects
    c.Control = 0;
    c.ClampRefs();
    EXPECT_EQ(c.ObjectCount, 0);
    EXPECT_EQ(c.BlockChara, 0);
}

TEST_F(CharaTest, EmptyAndFlaggedFlowsGoOnLoad) {
    cEdChara c;
    c.Flows.resize(4);
    c.Flows[1].cTrigger = 3;
    c.Flows[2].bDrop = 1;
    c.Flows[2].bySet1 = 1;
    c.Flows[3].vCmd.resize(1);
    // Saving already drops the empty flows 0; dropping by flag happens on load.
    cEdChara back;
    ASSERT_TRUE(back.LoadFromBytes(c.SaveToBytes()));
    ASSERT_EQ(back.Flows.size(), 2u);
    EXPECT_EQ(back.Flows[0].cTrigger, 3);
    EXPECT_EQ(back.Flows[1].vCmd.size(), 1u);
    ctx().editorStarted = true;
    ASSERT_TRUE(back.LoadFromBytes(c.SaveToBytes()));
    EXPECT_EQ(back.Flows.size(), 3u);
}

TEST_F(CharaTest, RowOffsets) {
    cEdChara c;
    c.OffsetBaseX = 4;
    c.OffsetStepX = 10;
    c.OffsetMirrorX = 1;
    EXPECT_DOUBLE_EQ(c.GetOffsetX(3, 1), -34.0);
    EXPECT_DOUBLE_EQ(c.GetOffsetX(3, 0), 34.0);
    c.OffsetStepX = 65535; // the x step is unsigned
    c.OffsetMirrorX = 0;
    EXPECT_DOUBLE_EQ(c.GetOffsetX(1, 1), 65539.0);
    c.OffsetBaseY = -2;
    c.OffsetStepY = -3;
    c.OffsetMirrorY = 1;
    EXPECT_DOUBLE_EQ(c.GetOffsetY(2, 1), 8.0);
    EXPECT_DOUBLE_EQ(c.GetOffsetY(2, 0), -8.0);
}

TEST_F(CharaTest, RoundTripKeepsPlacementWordsAndEveryField) {
    cEdChara c = Template();
    c.PaletteSource = 0;
    c.Control = 1;
    c.CharaScale = 3;
    ctx().Clear(1000);
    c.Column = -5;
    c.Row = 300;
    c.CarriedItem = -1;
    c.Flows[0].bySet1 = 1; // not empty
    c.Flows.resize(1);
    const std::vector<std::uint8_t> bytes = c.SaveToBytes();
    cEdChara back;
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    for (const Field& f : AllFields()) EXPECT_EQ(f.get(back), f.get(c)) << f.name;
    EXPECT_EQ(back.SaveToBytes(), bytes);
}

TEST_F(CharaTest, DamagedDefinitionsAreRefusedAndLeaveTheRecord) {
    cEdChara c = Template();
    c.Flows[0].vCmd.resize(2);
    const std::vector<std::uint8_t> good = c.SaveToBytes();
    cEdChara keep;
    keep.Name = "kept";
    for (std::size_t n = 4; n < good.size(); n += 3) {
        std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_FALSE(keep.LoadFromBytes(cut)) << n;
    }
    EXPECT_EQ(keep.Name, "kept");
    // A flag count far beyond the file.
    ByteBuilder b;
    b.u32(818).u32(0).u32(0).u16(0).u16(0).u32(0).u32(0x7FFFFFFF);
    EXPECT_FALSE(keep.LoadFromBytes(b.get()));
    EXPECT_EQ(keep.Name, "kept");
}

} // namespace
