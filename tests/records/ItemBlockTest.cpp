#include "RecordFixtures.h"
#include "records/EdBlock.h"
#include "records/EdItem.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

template <class T> struct ItemField {
    const char* name;
    std::function<std::int64_t(const T&)> get;
};

#define F(T, x)                                                                                              \
    ItemField<T> {                                                                                               \
#x, [](const T& c) -> std::int64_t { return static_cast<std::int64_t>(c.x); }                        \
    }
#define SIZE(T, x)                                                                                           \
    ItemField<T> {                                                                                               \
#x, [](const T& c) -> std::int64_t { return static_cast<std::int64_t>(c.x.size()); }                 \
    }

const std::vector<ItemField<cEdBlock>> kBlockFields = {
    F(cEdBlock, PaletteSource),  F(cEdBlock, PaletteIndex), F(cEdBlock, CondCombine),
    F(cEdBlock, CondOnce),       F(cEdBlock, GraphicIndex), F(cEdBlock, GraphicKind),
    F(cEdBlock, GraphicSetting), F(cEdBlock, Layer),        F(cEdBlock, Hidden),
    F(cEdBlock, MarkShow),       F(cEdBlock, MarkNumber),   F(cEdBlock, Solid),
    F(cEdBlock, PassSide),       F(cEdBlock, FloorKind),    F(cEdBlock, FloorValue),
    F(cEdBlock, ItemSource),     F(cEdBlock, ItemIndex),    F(cEdBlock, Indestructible),
    F(cEdBlock, Column),         F(cEdBlock, Row),          SIZE(cEdBlock, Name),
    SIZE(cEdBlock, Conds),
};

const std::vector<ItemField<cEdItem>> kItemFields = {
    F(cEdItem, PaletteSource), F(cEdItem, PaletteIndex),  F(cEdItem, CondCombine),
    F(cEdItem, CondOnce),      F(cEdItem, OffsetX),       F(cEdItem, OffsetY),
    F(cEdItem, GraphicIndex),  F(cEdItem, GraphicKind),   F(cEdItem, CellBase),
    F(cEdItem, MessagePlace),  F(cEdItem, MessageOption), F(cEdItem, MessageTimeMode),
    F(cEdItem, MessageTime),   F(cEdItem, ShowMessage),   F(cEdItem, TakeRule),
    F(cEdItem, Scale),         F(cEdItem, Sound),         F(cEdItem, Column),
    F(cEdItem, Row),           SIZE(cEdItem, Name),       SIZE(cEdItem, Conds),
    SIZE(cEdItem, Commands),
};
#undef F
#undef SIZE

cEdBlock BlockTemplate() {
    cEdBlock t;
    std::int64_t n = 2;
    auto set = [&n](auto& m) { m = static_cast<std::remove_reference_t<decltype(m)>>(n++); };
    set(t.CondCombine), set(t.CondOnce), set(t.GraphicIndex), set(t.GraphicKind), set(t.GraphicSetting);
    set(t.Layer), set(t.Hidden), set(t.MarkShow), set(t.MarkNumber), set(t.Solid), set(t.PassSide);
    set(t.FloorKind), set(t.FloorValue), set(t.ItemSource), set(t.ItemIndex), set(t.Indestructible);
    set(t.Column), set(t.Row);
    t.Name = "template";
    t.Conds.resize(2);
    return t;
}

cEdItem ItemTemplate() {
    cEdItem t;
    std::int64_t n = 20;
    auto set = [&n](auto& m) { m = static_cast<std::remove_reference_t<decltype(m)>>(n++); };
    set(t.CondCombine), set(t.CondOnce), set(t.OffsetX), set(t.OffsetY), set(t.GraphicIndex);
    set(t.GraphicKind), set(t.CellBase), set(t.MessagePlace), set(t.MessageOption), set(t.MessageTimeMode),
        set(t.MessageTime);
    set(t.ShowMessage), set(t.TakeRule), set(t.Scale), set(t.Sound), set(t.Column), set(t.Row);
    t.Name = "template";
    t.Conds.resize(2);
    t.Commands.resize(3);
    return t;
}

template <class T>
std::set<std::string> Changed(const std::vector<ItemField<T>>& fields, const T& a, const T& b) {
    std::set<std::string> out;
    for (const auto& f : fields)
        if (f.get(a) != f.get(b)) out.insert(f.name);
    return out;
}

class ItemBlockTest : public RecordTest {
protected:
    void SetUp() override {
        RecordTest::SetUp();
        blocks.resize(2);
        blocks[1] = BlockTemplate();
        stageBlocks.resize(5);
        items.resize(2);
        items[1] = ItemTemplate();
        stageItems.resize(4);
        ctx().blockTables[0] = cTableView<cEdBlock>(blocks);
        ctx().blockTables[1] = cTableView<cEdBlock>(stageBlocks);
        ctx().itemTables[0] = cTableView<cEdItem>(items);
        ctx().itemTables[1] = cTableView<cEdItem>(stageItems);
    }
    cVector<cEdBlock> blocks, stageBlocks;
    cVector<cEdItem> items, stageItems;
};

TEST_F(ItemBlockTest, EachBlockFlagCopiesExactlyItsGroup) {
    const std::vector<std::set<std::string>> groups = {
        {"Name"},
        {"Conds", "CondCombine", "CondOnce"},
        {"GraphicKind", "GraphicIndex", "GraphicSetting"},
        {"Layer"},
        {"Hidden"},
        {"MarkShow", "MarkNumber"},
        {"Solid"},
        {"PassSide"},
        {"FloorKind", "FloorValue"},
        {"ItemSource", "ItemIndex"},
        {"Indestructible"},
    };
    ASSERT_EQ(groups.size(), kBlockInheritGroups);
    for (std::size_t g = 0; g < kBlockInheritGroups; ++g) {
        cEdBlock own;
        own.PaletteSource = 1;
        own.PaletteIndex = 1;
        own.InheritFlags[g] = 1;
        const cEdBlock before = own;
        own.Inherit();
        EXPECT_EQ(Changed(kBlockFields, own, before), groups[g]) << "group " << g;
    }
}

TEST_F(ItemBlockTest, EachItemFlagCopiesExactlyItsGroup) {
    const std::vector<std::set<std::string>> groups = {
        {"Name"},
        {"Conds", "CondCombine", "CondOnce"},
        {"OffsetX"},
        {"OffsetY"},
        {"GraphicKind", "GraphicIndex", "CellBase"},
        {"MessagePlace"},
        {"MessageOption"},
        {"MessageTimeMode", "MessageTime"},
        {"Scale"},
        {"TakeRule"},
        {"ShowMessage"},
        {"Sound"},
        {"Commands"},
    };
    ASSERT_EQ(groups.size(), kItemInheritGroups);
    for (std::size_t g = 0; g < kItemInheritGroups; ++g) {
        cEdItem own;
        own.PaletteSource = 1;
        own.PaletteIndex = 1;
        own.InheritFlags[g] = 1;
        own.Commands.resize(1);
        const cEdItem before = own;
        own.Inherit();
        EXPECT_EQ(Changed(kItemFields, own, before), groups[g]) << "group " << g;
    }
}

TEST_F(ItemBlockTest, PlacedCellWhoseTemplateIsBeyondTheStagePaletteKeepsItsFields) {
    cEdBlock cell;
    cell.PaletteSource = 2;
    cell.PaletteIndex = 5; // the stage palette has 5 blocks
    cell.InheritFlags.assign(kBlockInheritGroups, 1);
    cell.GraphicIndex = 9;
    cell.Layer = 1;
    cEdBlock back;
    ASSERT_TRUE(back.LoadFromBytes(cell.SaveToBytes()));
    EXPECT_EQ(back.PaletteSource, 0);
    EXPECT_EQ(back.PaletteIndex, 0);
    EXPECT_EQ(back.GraphicIndex, 9);
    EXPECT_EQ(back.Layer, 1);
    cell.PaletteSource = 2;
    cell.PaletteIndex = 5;
    cell.Inherit(); // without the clamp: the reference goes, the index stays
    EXPECT_EQ(cell.PaletteSource, 0);
    EXPECT_EQ(cell.PaletteIndex, 5);
}

TEST_F(ItemBlockTest, EmptyCellIsNeverSolidNorProtected) {
    cEdBlock b;
    EXPECT_EQ(b.Solid, 1);
    EXPECT_EQ(b.PassSide, 255);
    EXPECT_EQ(b.ExemptGroup(), -1);
    b.Indestructible = 1;
    cEdBlock back;
    ASSERT_TRUE(back.LoadFromBytes(b.SaveToBytes()));
    EXPECT_EQ(back.Solid, 0);
    EXPECT_EQ(back.Indestructible, 0);
}

TEST_F(ItemBlockTest, SolidityBySideAndConditions) {
    cEdBlock b;
    b.GraphicIndex = 1;
    b.Solid = 2;
    b.PassSide = 2;
    for (int side = 0; side < 8; ++side) EXPECT_EQ(b.IsSolid(side, false), side == 2 ? 0 : 2) << side;
    b.Conds.resize(1);
    EXPECT_EQ(b.IsSolid(0, false), 0);
    EXPECT_EQ(b.IsSolid(0, true), 2);
    EXPECT_EQ(b.IsSolid(2, true), 0);
}

TEST_F(ItemBlockTest, OldShotGraphicsMoveUpOneButNotPast119) {
    for (auto [index, expected] : {std::pair{118, 119}, {119, 119}, {5, 6}}) {
        cEdBlock b;
        b.GraphicKind = 3;
        b.GraphicIndex = static_cast<std::int16_t>(index);
        cEdItem i;
        i.GraphicKind = 3;
        i.GraphicIndex = static_cast<std::int16_t>(index);
        std::vector<std::uint8_t> bb, ib;
        {
            WriteVersion w(218);
            bb = b.SaveToBytes();
            ib = i.SaveToBytes();
        }
        cEdBlock b2;
        cEdItem i2;
        ASSERT_TRUE(b2.LoadFromBytes(bb));
        ASSERT_TRUE(i2.LoadFromBytes(ib));
        EXPECT_EQ(b2.GraphicIndex, expected);
        EXPECT_EQ(i2.GraphicIndex, expected);
    }
}

TEST_F(ItemBlockTest, ItemReferencesAndSounds) {
    cEdBlock b;
    b.ItemSource = 2;
    b.ItemIndex = 4; // the stage has 4 items
    b.ClampItemRef();
    EXPECT_EQ(b.ItemSource, 0);
    EXPECT_EQ(b.ItemIndex, 0);
    b.ItemSource = 1;
    b.ItemIndex = -1;
    b.ClampItemRef();
    EXPECT_EQ(b.ItemSource, 0);
    b.ItemSource = 1;
    b.ItemIndex = 1;
    b.ClampItemRef();
    EXPECT_EQ(b.ItemIndex, 1);

    EXPECT_EQ(GetPaletteItem(2, 4), nullptr);
    EXPECT_EQ(GetPaletteItem(2, 3), &stageItems[3]);
    EXPECT_EQ(GetPaletteItem(1, 1), &items[1]);
    EXPECT_EQ(GetPaletteItem(1, -1), nullptr);
    EXPECT_EQ(GetPaletteItem(0, 1), nullptr);
    EXPECT_EQ(GetPaletteItem(3, 1), nullptr);

    ctx().SetDatabaseSize(eDatabase::Sound, 6);
    cEdItem item;
    item.Sound = 6;
    item.Scale = 0;
    cEdItem back;
    ASSERT_TRUE(back.LoadFromBytes(item.SaveToBytes()));
    EXPECT_EQ(back.Sound, 0);
    EXPECT_EQ(back.Scale, 1);
    item.Sound = -2;
    item.ClampRefs();
    EXPECT_EQ(item.Sound, 0);
}

TEST_F(ItemBlockTest, ItemCommandsAreFixedAndClamped) {
    cEdItem item;
    item.Commands.resize(1);
    item.Commands[0].bFlow = 1;
    item.Commands[0].cKind = 10; // "アイテムの取得"
    item.Commands[0].vParam = {1, 9, 9, 9};
    cEdItem back;
    ASSERT_TRUE(back.LoadFromBytes(item.SaveToBytes()));
    ASSERT_EQ(back.Commands[0].vParam.size(), 2u);
    back.ClampCmdRefs();
    EXPECT_EQ(back.Commands[0].vParam[1], 1); // the stage palette has 4 items
}

TEST_F(ItemBlockTest, FlagVectorsAreBroughtToTheirSize) {
    cEdBlock b;
    b.InheritFlags.assign(3, 1);
    cEdItem i;
    i.InheritFlags.assign(20, 1);
    cEdBlock b2;
    cEdItem i2;
    ASSERT_TRUE(b2.LoadFromBytes(b.SaveToBytes()));
    ASSERT_TRUE(i2.LoadFromBytes(i.SaveToBytes()));
    EXPECT_EQ(b2.InheritFlags.size(), kBlockInheritGroups);
    EXPECT_EQ(b2.InheritFlags[2], 1);
    EXPECT_EQ(b2.InheritFlags[3], 0);
    EXPECT_EQ(i2.InheritFlags.size(), kItemInheritGroups);
}

TEST_F(ItemBlockTest, RoundTripsAndDamage) {
    ctx().Clear(1000);
    cEdBlock b = BlockTemplate();
    cEdItem i = ItemTemplate();
    b.ItemSource = 0;
    b.Column = -3;
    b.Row = 7;
    const auto bb = b.SaveToBytes();
    const auto ib = i.SaveToBytes();
    cEdBlock b2;
    cEdItem i2;
    ASSERT_TRUE(b2.LoadFromBytes(bb));
    ASSERT_TRUE(i2.LoadFromBytes(ib));
    for (const auto& f : kBlockFields) EXPECT_EQ(f.get(b2), f.get(b)) << f.name;
    for (const auto& f : kItemFields) EXPECT_EQ(f.get(i2), f.get(i)) << f.name;
    EXPECT_EQ(b2.SaveToBytes(), bb);
    EXPECT_EQ(i2.SaveToBytes(), ib);
    for (std::size_t n = 4; n < bb.size(); ++n)
        EXPECT_FALSE(
            b2.LoadFromBytes(std::vector<std::uint8_t>(bb.begin(), bb.begin() + static_cast<long>(n))));
    for (std::size_t n = 4; n < ib.size(); n += 2)
        EXPECT_FALSE(
            i2.LoadFromBytes(std::vector<std::uint8_t>(ib.begin(), ib.begin() + static_cast<long>(n))));
    EXPECT_EQ(b2.Column, -3);
}

} // namespace
