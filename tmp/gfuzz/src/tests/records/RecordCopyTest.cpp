#include "RecordFixtures.h"
#include "records/EdBackground.h"
#include "records/EdBlock.h"
#include "records/EdChara.h"
#include "records/EdItem.h"
#include "records/StageParams.h"

#include <gtest/gtest.h>

namespace {

using RecordCopy = RecordTest;

cEdChara Rich(int seed) {
    cEdChara c;
    c.Name = "chara" + std::to_string(seed);
    c.mhp = 100 + seed;
    c.Column = static_cast<std::int16_t>(seed);
    c.Conds.resize(2);
    c.Conds[1].nValue2 = seed;
    c.Flows.resize(2);
    for (auto& f : c.Flows) {
        f.bySet1 = 1;
        f.vKeyCond.resize(1);
        f.vKeyCond[0].KeyStates = {1, 2, 3};
        f.vCmd.resize(1);
        f.vCmd[0].cKind = 11;
        ResetShared(f.vCmd[0].pShot);
        f.vCmd[0].pShot->nPower = seed;
    }
    return c;
}

// Every field descriptor of a record points inside that record.
template <class T> void ExpectOwnDescriptors(T& r) {
    r.RegisterFields(dwDataVersion);
    const auto* lo = reinterpret_cast<const std::uint8_t*>(&r);
    const auto* hi = lo + sizeof(T);
    for (const SAVEBLOCK& f : r.Fields()) {
        const auto* p = static_cast<const std::uint8_t*>(f.address);
        EXPECT_TRUE(p >= lo && p < hi);
        EXPECT_EQ(f.owner, &r);
    }
    for (const SAVESTRING& s : r.Strings()) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(s.address);
        EXPECT_TRUE(p >= lo && p < hi);
    }
}

TEST_F(RecordCopy, GrowingDefinitionVectorsKeepsTheirBytes) {
    cVector<cEdChara> charas;
    charas.push_back(Rich(0));
    const std::vector<std::uint8_t> before = charas[0].SaveToBytes();
    for (int i = 1; i < 100; ++i) charas.push_back(charas[0]);
    for (auto& c : charas) EXPECT_EQ(c.SaveToBytes(), before);
    ExpectOwnDescriptors(charas[57]);
    // The copies share nothing with the first.
    charas[99].Flows[0].vCmd[0].pShot->nPower = -1;
    charas[99].Flows[0].vKeyCond[0].KeyStates[0] = 9;
    EXPECT_EQ(charas[0].SaveToBytes(), before);

    cVector<cEdItem> items(1);
    items[0].Commands.resize(2);
    items[0].Name = "item";
    cVector<cEdBlock> blocks(1);
    blocks[0].GraphicIndex = 3;
    blocks[0].Conds.resize(1);
    const auto itemBytes = items[0].SaveToBytes();
    const auto blockBytes = blocks[0].SaveToBytes();
    for (int i = 1; i < 100; ++i) {
        items.push_back(items[0]);
        blocks.push_back(blocks[0]);
    }
    EXPECT_EQ(items[99].SaveToBytes(), itemBytes);
    EXPECT_EQ(blocks[99].SaveToBytes(), blockBytes);
    EXPECT_EQ(items[0].SaveToBytes(), itemBytes);
}

TEST_F(RecordCopy, AssignmentTakesTheSourcesVectorsWhole) {
    cEdChara five = Rich(5);
    five.Flows.resize(5);
    cEdChara three = Rich(3);
    three.Flows.resize(3);
    three.Flows[2].cTrigger = 4;
    five = three;
    ASSERT_EQ(five.Flows.size(), 3u);
    EXPECT_EQ(five.SaveToBytes(), three.SaveToBytes());
    EXPECT_EQ(five.Flows[2].cTrigger, 4);
    ExpectOwnDescriptors(five);

    const std::vector<std::uint8_t> before = three.SaveToBytes();
    cEdChara& self = three;
    three = self;
    EXPECT_EQ(three.SaveToBytes(), before);
}

TEST_F(RecordCopy, FrameworkCopyMovesRegisteredValuesOnly) {
    cEdChara a = Rich(1);
    cEdChara b;
    b.CopyFrom(a);
    EXPECT_EQ(b.mhp, a.mhp);
    EXPECT_EQ(b.Name, a.Name);
    EXPECT_TRUE(b.Flows.empty()); // vectors are the record's own business
    ExpectOwnDescriptors(a);
    ExpectOwnDescriptors(b);
}

TEST_F(RecordCopy, SmallRecordsCopyEveryField) {
    cEdBackground bg;
    bg.FileName = "x";
    bg.AutoOffsetX = 2.5;
    cEdBackground bg2(bg);
    EXPECT_EQ(bg2.SaveToBytes(), bg.SaveToBytes());
    ExpectOwnDescriptors(bg2);
    cStageParams p;
    p.Set(1, 2, 3, 4, 5, 6, 7, 8);
    cVector<cStageParams> ps(3);
    ps[2] = p;
    EXPECT_EQ(ps[2].nValue[7], 8);
    ExpectOwnDescriptors(ps[2]);
    cEdKeyCond k;
    k.KeyStates = {4, 5};
    k.sValue1 = 3;
    cEdKeyCond k2;
    k2 = k;
    EXPECT_EQ(k2.SaveToBytes(), k.SaveToBytes());
}

TEST_F(RecordCopy, KeyConditionsWithNoStatesLoadEmpty) {
    cEdKeyCond k;
    k.KeyStates = {1};
    ByteBuilder b;
    b.u32(818).u32(5).u8(1).u16(2).u16(3).u8(4).u8(5).u32(0).u32(0);
    ASSERT_TRUE(k.LoadFromBytes(b.get()));
    EXPECT_TRUE(k.KeyStates.empty());
    EXPECT_EQ(k.sValue2, 3);
}

TEST_F(RecordCopy, FlowUpgradesAndNames) {
    cEdFlow f;
    f.cTrigger = 11;
    f.bySet2 = 5;
    f.strName = "name";
    std::vector<std::uint8_t> bytes;
    {
        WriteVersion w(131);
        bytes = f.SaveToBytes();
    }
    cEdFlow back;
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    EXPECT_EQ(back.cTrigger, 14);
    EXPECT_EQ(back.bySet2, 0);
    EXPECT_TRUE(back.strName.empty());
    f.cTrigger = 18;
    {
        WriteVersion w(761);
        bytes = f.SaveToBytes();
    }
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    EXPECT_EQ(back.cTrigger, 21);
    EXPECT_EQ(back.bySet2, 5);
    ASSERT_TRUE(back.LoadFromBytes(f.SaveToBytes()));
    EXPECT_EQ(back.cTrigger, 18);
    EXPECT_TRUE(back.strName.empty());
}

} // namespace
