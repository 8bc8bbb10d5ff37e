#include "platform/PathResolver.h"
#include "fixtures/ReadAll.h"

#include "fixtures/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

fs::path U8Path(const char8_t* s) {
    return fs::path(s);
}
void Touch(const fs::path& p) {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << "x";
}

class PathResolverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearPathCache();
        // ソ (83 5C), 表 (95 5C) and 能 (94 5C) end in the backslash byte.
        Touch(U8Path(u8"data/ソフト/A.stg4"));
        Touch(U8Path(u8"data/表示/Map.DAT"));
        Touch(U8Path(u8"Data2/能力/x.txt"));
        Touch(U8Path(u8"data/ａｂｃ.txt"));
        Touch(U8Path(u8"user_data/Option.dat"));
    }
    TempDir dir;
};

TEST_F(PathResolverTest, MatchesPartsWithoutRegardToCase) {
    const struct {
        std::string windows;
        std::string real;
    } cases[] = {
        {"data\\ソフト\\a.stg4", U8(u8"data/ソフト/A.stg4")},
        {"DATA\\ソフト\\A.STG4", U8(u8"data/ソフト/A.stg4")},
        {"data/ソフト/A.stg4", U8(u8"data/ソフト/A.stg4")},
        {"Data\\\\ソフト\\\\a.Stg4", U8(u8"data/ソフト/A.stg4")},
        {"data\\表示\\map.dat", U8(u8"data/表示/Map.DAT")},
        {"data2\\能力\\X.TXT", U8(u8"Data2/能力/x.txt")},
        {"data\\ＡＢＣ.TXT", U8(u8"data/ａｂｃ.txt")},
        {"data\\.\\ソフト\\..\\表示", U8(u8"data/./ソフト/../表示")},
        // Missing parts keep the spelling given, converted.
        {"data\\ソフト\\b.stg4", U8(u8"data/ソフト/b.stg4")},
        {"DATA\\Nothing\\ソフト\\A.STG4", U8(u8"data/Nothing/ソフト/A.STG4")},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ResolvePath(c.windows), c.real) << c.real;
}

TEST_F(PathResolverTest, AbsolutePaths) {
    std::string root = dir.path().string();
    EXPECT_EQ(ResolvePath(root + "\\DATA\\ソフト\\a.STG4"), root + U8(u8"/data/ソフト/A.stg4"));
    EXPECT_EQ(ResolvePath(root + "/user_data/OPTION.DAT"), root + "/user_data/Option.dat");
    EXPECT_EQ(ResolvePath("\\"), "/");
}

TEST_F(PathResolverTest, SplitKeepsBackslashTrailBytes) {
    bool absolute = true;
    auto parts = SplitWindowsPath("data\\ソフト\\表\\a.stg4", &absolute);
    EXPECT_FALSE(absolute);
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[1], "ソフト");
    EXPECT_EQ(parts[2], "表");
    SplitWindowsPath("\\x", &absolute);
    EXPECT_TRUE(absolute);
}

TEST_F(PathResolverTest, WritingMatchesFoldersAndKeepsNewNames) {
    EXPECT_EQ(ResolvePathForWriting("USER_DATA\\Replay.rpy"), "user_data/Replay.rpy");
    // An existing file in another case is the one written, never a second file.
    EXPECT_EQ(ResolvePathForWriting("user_data\\option.DAT"), "user_data/Option.dat");
    EXPECT_EQ(ResolvePathForWriting("New\\Sub\\a.txt"), "New/Sub/a.txt");
}

TEST_F(PathResolverTest, CacheFollowsChangesOnDisk) {
    EXPECT_EQ(ResolvePath("data\\new.txt"), "data/new.txt");
    Touch("data/NEW.txt");
    EXPECT_EQ(ResolvePath("data\\new.txt"), "data/NEW.txt");
    // A cached name that has gone is not handed out.
    fs::rename("data/NEW.txt", "data/gone");
    Touch("data/New.Txt");
    EXPECT_EQ(ResolvePath("data\\NEW.TXT"), "data/New.Txt");
    EXPECT_TRUE(PathExists("DATA\\new.txt"));
    fs::remove("data/New.Txt");
    EXPECT_FALSE(PathExists("DATA\\new.txt"));
}

TEST_F(PathResolverTest, ExactSpellingWinsOverOthers) {
    Touch("data/Case.txt");
    Touch("data/CASE.txt");
    EXPECT_EQ(ResolvePath("data\\CASE.txt"), "data/CASE.txt");
    EXPECT_EQ(ResolvePath("data\\Case.txt"), "data/Case.txt");
    // Neither spelling: the same choice every time.
    std::string pick = ResolvePath("data\\case.TXT");
    EXPECT_TRUE(pick == "data/CASE.txt" || pick == "data/Case.txt");
    ClearPathCache();
    EXPECT_EQ(ResolvePath("data\\case.TXT"), pick);
}

} // namespace
