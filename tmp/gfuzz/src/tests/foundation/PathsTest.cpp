#include "foundation/Paths.h"

#include "fixtures/TempDir.h"
#include "platform/Cp932.h"
#include "platform/PathResolver.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// The temp folder in the program's form: '\' separators, code page 932.
std::string ProgramForm(const fs::path& p) {
    std::string s = p.string();
    std::replace(s.begin(), s.end(), '/', '\\');
    return Utf8ToCp932(s);
}

TEST(Paths, MakeFullPath) {
    TempDir dir;
    fs::create_directories(fs::path(u8"ソフト"));
    fs::current_path(fs::path(u8"ソフト"));
    std::string cwd = ProgramForm(dir.path()) + "\\\203\134\203\164\203\147";
    std::string cur;
    ASSERT_TRUE(GetCurrentFolder(cur));
    EXPECT_EQ(cur, cwd);

    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {"Report_Game.txt", cwd + "\\Report_Game.txt"},
        {"default\\", cwd + "\\default\\"}, // the trailing separator stays
        {".\\data\\..\\data\\a.stg4", cwd + "\\data\\a.stg4"},
        {"..\\\225\134", ProgramForm(dir.path()) + "\\\225\134"},
        {"\\already\\absolute", "\\already\\absolute"},
        {"/linux/form", "/linux/form"},
    };
    for (const auto& c : cases) {
        std::string s = c.in;
        EXPECT_TRUE(MakeFullPath(s));
        EXPECT_EQ(s, c.out) << c.in;
        char buf[kMaxPath];
        std::strcpy(buf, c.in.c_str());
        EXPECT_TRUE(MakeFullPath(buf));
        EXPECT_STREQ(buf, c.out.c_str());
    }
    // The full path is one the resolver finds.
    std::ofstream("Report_Game.txt") << "x";
    std::string full = "report_game.TXT";
    ASSERT_TRUE(MakeFullPath(full));
    EXPECT_TRUE(PathExists(full));

    // Too long for a path: unchanged, false.
    std::string tooLong(255, 'a');
    std::string s = tooLong;
    EXPECT_FALSE(MakeFullPath(s));
    EXPECT_EQ(s, tooLong);
}

TEST(Paths, MakeRelativePath) {
    TempDir dir;
    std::string root = ProgramForm(dir.path());
    fs::create_directories("game");
    fs::current_path("game");
    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {root + "\\game\\data\\a.stg4", ".\\data\\a.stg4"},
        {root + "\\GAME\\data\\", ".\\data\\"},
        {root + "\\other\\\203\134.stg4", "..\\other\\\203\134.stg4"},
        {root + "\\game", "."},
        {"data\\a.stg4", "data\\a.stg4"}, // relative paths stay
    };
    for (const auto& c : cases) {
        std::string s = c.in;
        EXPECT_TRUE(MakeRelativePathStr(s));
        EXPECT_EQ(s, c.out) << c.in;
        char buf[kMaxPath];
        std::strcpy(buf, c.in.c_str());
        EXPECT_TRUE(MakeRelativePath(buf));
        EXPECT_STREQ(buf, c.out.c_str());
    }
    // Made relative and full again, the path is the same file.
    std::string p = root + "\\game\\x.txt";
    ASSERT_TRUE(MakeRelativePathStr(p));
    ASSERT_TRUE(MakeFullPath(p));
    EXPECT_EQ(p, root + "\\game\\x.txt");
}

} // namespace
