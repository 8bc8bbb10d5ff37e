// The code language on its own: texts, their results and their errors, on a
// world of plain numbers. The binding to characters has its own tests.
#include "engine/CodeLang.h"

#include "graphics/RandRange.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// Subjects my, tg1 to tg4 and pl, each with the 22 statuses; tg is tg1.
class NumberWorld : public cCodeWorld {
public:
    std::int32_t status[6][CODE_STATUS_COUNT] = {};
    bool present[6] = {true, true, true, false, false, true};
    std::map<std::pair<int, std::int32_t>, std::int32_t> variables;
    std::int32_t system[CODE_SYSTEM_COUNT] = {};
    std::vector<std::string> errors;

    NumberWorld() {
        for (auto& s : status) {
            s[CODE_HP] = 50;
            s[CODE_MHP] = 100;
        }
    }
    static int Slot(int object) {
        return object == CODE_TG ? CODE_TG1 - 1 : object == CODE_MY ? 0 : object - 1;
    }
    bool HasSubject(int object) override { return present[Slot(object)]; }
    std::int32_t& Place(const CodeOperand& op) {
        if (op.nKind == CODE_VARIABLE) return variables[{op.nScope, op.nIndex}];
        if (op.nKind == CODE_SYSTEM) return system[op.nSystem];
        return status[Slot(op.nObject)][op.nStatus];
    }
    std::int32_t Read(const CodeOperand& op) override { return Place(op); }
    // Variables, statuses and system values all within +-999999, hp within the subject's mhp.
    std::int32_t Assign(const CodeOperand& op, std::int64_t value) override {
        std::int32_t high = 999999;
        if (op.nKind == CODE_STATUS && op.nStatus == CODE_HP) high = status[Slot(op.nObject)][CODE_MHP];
        return Place(op) = ClampToRange(value, -999999, high);
    }
    void Error(const std::string& text) override { errors.push_back(text); }
};

struct TextCase {
    const char* text;
    std::int32_t result;
    bool error;          // bCodeError afterwards
    const char* message; // the one message shown, or nullptr for none
};

const TextCase kTexts[] = {
    {"1 + 2 * 3", 7, false, nullptr},
    {"(1 + 2) * 3", 9, false, nullptr},
    {"2 * (3 + (4 - 1)) - 1", 11, false, nullptr},
    {"10 - 4 - 3", 3, false, nullptr},
    {"7 / 2", 3, false, nullptr},
    {"-7 / 2", -3, false, nullptr},
    {"-7 % 3", -1, false, nullptr},
    {"5", 5, false, nullptr},
    {"", 0, false, nullptr},
    {"1 2 3", 3, false, nullptr},
    {"x (1 + 2)", 3, false, nullptr},
    {"abs(3)", 0, false, nullptr},
    {"1 + 3.5", 6, false, nullptr},
    {"2147483647 + 1", 2147483647, false, nullptr},
    {"-2147483648 - 1", -2147483647 - 1, false, nullptr},
    {"-2147483648 / -1", 2147483647, false, nullptr},
    {"-2147483648 % -1", 0, false, nullptr},
    {"65536 * 65536", 2147483647, false, nullptr},
    {"99999999999999999999", 2147483647, false, nullptr},
    {"-99999999999999999999", -2147483647 - 1, false, nullptr},
    {"my.hp=5", 0, false, nullptr},
    {"5 = 3", 0, true, "代入先が不正です！"},
    {"(1) = 3", 0, true, "代入先が不正です！"},
    {"1 / 0", 0, true, "0除算が行われました！(1 / 0)"},
    {"5 % (2 - 2)", 0, true, "0除算が行われました！(5 % 0)"},
    {"(1 / 0) + 5", 5, true, "0除算が行われました！(1 / 0)"},
    {"(1 + 2", 0, true, "\")\"が見つかりません！"},
    {"rand(1, 6", 0, true, "関数 rand で\")\"が見つかりません！"},
    {"rand(1)", 0, true, "関数 rand の引数が不正です！"},
    {"rand(1, 2, 3)", 0, true, "関数 rand の引数が不正です！"},
    {"foo.hp", 0, true, "オブジェクト \"foo.\" が認識できません！"},
    {"3.5", 0, true, "オブジェクト \"3.\" が認識できません！"},
    {"sys.hp", 0, true, "オブジェクト \"sys.\" にステータス \"hp\" はありません！"},
    {"+ 1", 0, true, "演算子 \"+\" の前後に値がありません！"},
    {"1 *", 0, true, "演算子 \"*\" の前後に値がありません！"},
    {"1 + * 2", 0, true, "演算子 \"*\" の前後に値がありません！"},
    {"C1 = - 5", 0, true, "演算子 \"-\" の前後に値がありません！"},
    {"=", 0, true, "演算子 \"=\" の前後に値がありません！"},
    {"tg3.hp + 1", 0, true, nullptr},
    {"tg4.5", 0, true, nullptr},
    {"pl.hp", 50, false, nullptr},
};

TEST(CodeLang, TextsGiveTheirResultsAndErrors) {
    for (const TextCase& c : kTexts) {
        SCOPED_TRACE(c.text);
        NumberWorld world;
        cCodeRun run(world);
        EXPECT_EQ(run.ParseCodeStatements(c.text), c.result);
        EXPECT_EQ(run.bCodeError, c.error);
        if (c.message) {
            ASSERT_EQ(world.errors.size(), 1u);
            EXPECT_EQ(world.errors[0], c.message);
        } else {
            EXPECT_TRUE(world.errors.empty());
        }
    }
}

TEST(CodeLang, AssignmentsStoreClampedValuesLeftToRight) {
    NumberWorld world;
    cCodeRun run(world);
    EXPECT_EQ(run.ParseCodeStatements("C3 = 5 S3 = 7"), 7);
    EXPECT_EQ((world.variables[{CODE_COMMON, 3}]), 5);
    EXPECT_EQ((world.variables[{CODE_STAGE, 3}]), 7);

    // A variable's value is read where its word stands, before any assignment of the text.
    world.variables[{CODE_COMMON, 1}] = 4;
    EXPECT_EQ(run.ParseCodeStatements("C1 = 9 C2 = C1"), 4);
    EXPECT_EQ((world.variables[{CODE_COMMON, 2}]), 4);

    // A chained assignment reaches a computed value on its second `=`.
    EXPECT_EQ(run.ParseCodeStatements("C5 = C6 = 1"), 0);
    EXPECT_TRUE(run.bCodeError);

    NumberWorld w2;
    cCodeRun run2(w2);
    EXPECT_EQ(run2.ParseCodeStatements("(my.hp = 500) + (tg.cid = -5000000) + tg3.v1"), 0);
    EXPECT_EQ(w2.status[0][CODE_HP], 100); // up to the subject's mhp
    EXPECT_EQ(w2.status[1][CODE_CID], -999999);
    EXPECT_TRUE(run2.bCodeError); // tg3 is empty: the text ends there, what came before stays
    EXPECT_TRUE(w2.errors.empty());
}

TEST(CodeLang, ObjectWordsChooseTheSubjectOfTheNextWordOnly) {
    NumberWorld world;
    world.status[1][CODE_POWER] = 3;  // tg and tg1
    world.status[2][CODE_POWER] = 5;  // tg2
    world.status[5][CODE_POWER] = 11; // pl
    world.status[0][CODE_POWER] = 100;
    cCodeRun run(world);
    EXPECT_EQ(run.ParseCodeStatements("tg.power + tg1.power + tg2.power + pl.power"), 22);
    EXPECT_EQ(run.ParseCodeStatements("tg2.power + power"), 105);
    EXPECT_EQ(run.ParseCodeStatements("my.tg2.power"), 5); // the last object word holds
    EXPECT_EQ(run.ParseCodeStatements("sys.time + 1"), 1);
    EXPECT_FALSE(run.bCodeError);
}

TEST(CodeLang, RandDrawsFromTheGameGeneratorInEitherOrder) {
    for (std::uint32_t seed : {1u, 7u, 12345u}) {
        GameSrand(seed);
        const int a = RandRange(1, 6);
        const int b = RandRange(1, 6);
        GameSrand(seed);
        NumberWorld world;
        cCodeRun run(world);
        EXPECT_EQ(run.ParseCodeStatements("rand(6, 1)"), a);
        EXPECT_EQ(run.ParseCodeStatements("my.hp = my.hp + rand( 1 , (2 * 3) ) * 2"), 50 + b * 2);
        EXPECT_FALSE(run.bCodeError);
    }
}

TEST(CodeLang, DeepNestingIsRefusedNotRecursedWithoutBound) {
    NumberWorld world;
    cCodeRun run(world);
    const std::string deep = std::string(5000, '(') + "1" + std::string(5000, ')');
    EXPECT_EQ(run.ParseCodeStatements(deep), 0);
    EXPECT_TRUE(run.bCodeError);
    EXPECT_EQ(world.errors.back(), std::string("括弧の入れ子が深すぎます！"));

    cCodeRun shallow(world);
    EXPECT_EQ(shallow.ParseCodeStatements(std::string(50, '(') + "4" + std::string(50, ')')), 4);
    EXPECT_FALSE(shallow.bCodeError);
}

TEST(CodeLang, LongTextsAreNotCut) {
    NumberWorld world;
    cCodeRun run(world);
    std::string text = "0";
    for (int i = 0; i < 3000; ++i) text += " + 1";
    EXPECT_EQ(run.ParseCodeStatements(text), 3000);
    EXPECT_EQ(run.ParseCodeStatements(std::string("C1 = 4\0C1 = 5", 13)), 4);
}

} // namespace
