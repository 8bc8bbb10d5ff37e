#include "engine/Flow.h"
#include "records/EdCommand.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// A list written as text: a letter is a wait command labelled by that letter,
// "L r n" a character loop, "F r n" a flow-command loop.
cVector<cEdCommand> Commands(const std::string& text) {
    cVector<cEdCommand> out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == ' ') continue;
        cEdCommand c;
        if (ch == 'L' || ch == 'F') {
            c.bFlow = ch == 'F';
            c.cKind = ch == 'F' ? 24 : 39;
            c.vParam = {text[i + 1] - '0', text[i + 2] - '0'};
            i += 2;
        } else {
            c.cKind = 1;
            c.sWait = ch;
        }
        out.push_back(c);
    }
    return out;
}

std::string Text(const cVector<cEdCommand>& commands) {
    std::string s;
    for (const cEdCommand& c : commands) s += c.cKind == 1 ? static_cast<char>(c.sWait) : '?';
    return s;
}

struct LoopCase {
    const char* name;
    const char* commands;
    const char* expanded;
};

class LoopExpansion : public ::testing::TestWithParam<LoopCase> {};

TEST_P(LoopExpansion, ExpandsToTheSequence) {
    cVector<cEdCommand> commands = Commands(GetParam().commands);
    EXPECT_TRUE(ExpandLoopCommands(commands));
    EXPECT_EQ(Text(commands), GetParam().expanded);
}

INSTANTIATE_TEST_SUITE_P(Cases, LoopExpansion,
                         ::testing::Values(LoopCase{"RepeatsItsSpan", "L32ABC", "ABABABC"},
                                           LoopCase{"SpanPastTheEndTakesWhatFollows", "L35ABC", "ABCABCABC"},
                                           LoopCase{"FlowLoopLikewise", "F22AB", "ABAB"},
                                           LoopCase{"RepeatOfOneLeavesTheBlockOnce", "L12AB", "AB"},
                                           LoopCase{"RepeatBelowOneLeavesTheBlockOnce", "L02AB", "AB"},
                                           LoopCase{"SpanZeroOnlyRemovesTheLoop", "AL30B", "AB"},
                                           LoopCase{"NestedFromTheOutsideIn", "L22L21AB", "AAAAB"},
                                           LoopCase{"LoopAtTheEnd", "AL33", "A"},
                                           LoopCase{"TwoLoopsInARow", "L21AL21B", "AABB"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoopExpansionBound, ANestedLoopCannotGrowAFlowBeyondTheCap) {
    // Nine nested loops of 9 repeats would stand 9^9 commands.
    cVector<cEdCommand> commands = Commands("L92L92L92L92L92L92L92L92L91A");
    EXPECT_FALSE(ExpandLoopCommands(commands));
    EXPECT_LE(commands.size(), kMaxExpandedCommands);
    for (const cEdCommand& c : commands) EXPECT_EQ(c.cKind, 1);
}

} // namespace

namespace {

TEST(LoopExpansionBound, ALoopThatOnlyRepeatsLoopsEnds) {
    // Each pass of the plain rewriting would give back the same list.
    cVector<cEdCommand> commands = Commands("L21L21L21A");
    EXPECT_FALSE(ExpandLoopCommands(commands));
    EXPECT_EQ(Text(commands), "A");
}

} // namespace
