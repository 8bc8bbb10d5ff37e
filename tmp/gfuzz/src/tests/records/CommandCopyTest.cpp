#include "RecordFixtures.h"
#include "records/EdCommand.h"
#include "records/EdFlow.h"

#include <gtest/gtest.h>

namespace {

using CommandCopy = RecordTest;

cEdCommand Full() {
    cEdCommand c;
    c.cKind = 11;
    c.strText = "code";
    c.sWait = 12;
    ResetShared(c.pMove);
    ResetShared(c.pShot);
    ResetShared(c.pCondList);
    c.pMove->sAngle = 30;
    c.pShot->nPower = 500;
    c.pCondList->vCond.resize(1);
    c.pCondList->vCond[0].nValue1 = 4;
    c.vFlow.resize(1);
    c.vFlow[0].vCmd.resize(1);
    c.vFlow[0].vCmd[0].cKind = 11;
    ResetShared(c.vFlow[0].vCmd[0].pShot);
    c.vFlow[0].vCmd[0].pShot->nPower = 7;
    return c;
}

void Scribble(cEdCommand& c) {
    c.pMove->sAngle = -1;
    c.pShot->nPower = -1;
    c.pCondList->vCond[0].nValue1 = -1;
    c.vFlow[0].vCmd[0].pShot->nPower = -1;
}

void ExpectOriginal(const cEdCommand& c) {
    EXPECT_EQ(c.pMove->sAngle, 30);
    EXPECT_EQ(c.pShot->nPower, 500);
    EXPECT_EQ(c.pCondList->vCond[0].nValue1, 4);
    EXPECT_EQ(c.vFlow[0].vCmd[0].pShot->nPower, 7);
}

TEST_F(CommandCopy, CopiesGetTheirOwnPartsAtEveryLevel) {
    cEdCommand source = Full();
    const std::vector<std::uint8_t> before = source.SaveToBytes();

    cEdCommand constructed(source);
    EXPECT_NE(constructed.pShot.get(), source.pShot.get());
    EXPECT_NE(constructed.vFlow[0].vCmd[0].pShot.get(), source.vFlow[0].vCmd[0].pShot.get());
    Scribble(constructed);
    ExpectOriginal(source);

    cEdCommand assigned;
    ResetShared(assigned.pMove);
    assigned = source;
    Scribble(assigned);
    ExpectOriginal(source);
    EXPECT_EQ(assigned.strText, "code");

    // A source without parts leaves the target without them.
    cEdCommand empty;
    assigned = empty;
    EXPECT_FALSE(assigned.pMove);
    EXPECT_FALSE(assigned.pShot);
    EXPECT_FALSE(assigned.pCondList);

    cEdCommand& self = source;
    source = self;
    ExpectOriginal(source);
    EXPECT_EQ(source.SaveToBytes(), before);
}

TEST_F(CommandCopy, GrowingAVectorOfCommandsKeepsEveryCommandsBytes) {
    cVector<cEdCommand> v;
    v.push_back(Full());
    const std::vector<std::uint8_t> before = v[0].SaveToBytes();
    for (int i = 1; i < 100; ++i) v.push_back(v[0]);
    for (auto& c : v) EXPECT_EQ(c.SaveToBytes(), before);
    Scribble(v[99]);
    ExpectOriginal(v[0]);
}

TEST_F(CommandCopy, RoundTripKeepsPartsFlowsAndParameters) {
    cEdCommand source = Full();
    source.cKind = 19;
    source.vParam.assign(18, 3);
    cEdCommand back;
    ASSERT_TRUE(back.LoadFromBytes(source.SaveToBytes()));
    ExpectOriginal(back);
    EXPECT_EQ(back.strText, "code");
    EXPECT_EQ(std::vector<std::int32_t>(back.vParam), std::vector<std::int32_t>(18, 3));
    EXPECT_EQ(back.SaveToBytes(), source.SaveToBytes());
}

TEST_F(CommandCopy, NestedFlowsMarkedForDroppingGoOutsideTheEditor) {
    cEdCommand c;
    c.vFlow.resize(3);
    c.vFlow[0].bDrop = 1;
    c.vFlow[1].bDrop = 1;
    c.vFlow[2].bySet1 = 9;
    const std::vector<std::uint8_t> bytes = c.SaveToBytes();
    cEdCommand back;
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    ASSERT_EQ(back.vFlow.size(), 1u);
    EXPECT_EQ(back.vFlow[0].bySet1, 9);
    ctx().editorStarted = true;
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    EXPECT_EQ(back.vFlow.size(), 3u);
    ctx().editorStarted = false;
    ctx().keepFlows = true;
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    EXPECT_EQ(back.vFlow.size(), 3u);
}

using CommandDamage = RecordTest;

TEST_F(CommandDamage, EveryTruncationIsRefusedAndLeavesTheCommand) {
    const std::vector<std::uint8_t> good = Full().SaveToBytes();
    cEdCommand keep;
    keep.strText = "kept";
    for (std::size_t n = 4; n < good.size(); ++n) {
        std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_FALSE(keep.LoadFromBytes(cut)) << n;
        EXPECT_EQ(keep.strText, "kept");
        EXPECT_FALSE(keep.pShot);
    }
}

TEST_F(CommandDamage, CountsLargerThanTheFileAreRefused) {
    for (std::uint32_t count : {0x7FFFFFFFu, 0xFFFFFFFFu, 1000u}) {
        ByteBuilder params;
        params.u32(818);
        CommandHead(params, 0, 19);
        params.u32(0).u32(0).u32(0).u32(0).u32(count);
        cEdCommand c;
        EXPECT_FALSE(c.LoadFromBytes(params.get()));
        ByteBuilder flows;
        flows.u32(818);
        CommandHead(flows, 0, 19);
        flows.u32(0).u32(0).u32(0).u32(count);
        EXPECT_FALSE(c.LoadFromBytes(flows.get()));
    }
}

// A command holding a flow holding a command ... `depth` levels deep.
std::vector<std::uint8_t> Nested(int depth) {
    ByteBuilder b;
    b.u32(818);
    for (int i = 0; i < depth; ++i) {
        CommandHead(b, 0, 1);
        b.u32(0).u32(0).u32(0).u32(1);                               // no parts, one nested flow
        b.u32(6).u8(0).u8(0).u8(0).u8(0).u8(0).u8(0).u32(1).str(""); // the flow's record
        b.u32(0).u32(0).u32(1);                                      // no conditions, one command
    }
    CommandHead(b, 0, 1);
    b.u32(0).u32(0).u32(0).u32(0).u32(0);
    for (int i = 0; i < depth; ++i) b.u32(0); // each enclosing command's parameters
    return b.get();
}

TEST_F(CommandDamage, FlowsNestedDeeperThanAnyProjectNestsAreRefused) {
    cEdCommand c;
    EXPECT_TRUE(c.LoadFromBytes(Nested(20)));
    EXPECT_EQ(c.vFlow.size(), 1u);
    EXPECT_FALSE(c.LoadFromBytes(Nested(5000)));
    EXPECT_EQ(c.vFlow.size(), 1u);
}

} // namespace
