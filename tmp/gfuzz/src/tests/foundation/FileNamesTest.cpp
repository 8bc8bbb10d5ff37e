#include "foundation/FileNames.h"

#include "fixtures/TempDir.h"
#include "platform/PathResolver.h"

#include <cstring>
#include <fstream>
#include <gtest/gtest.h>

namespace {

TEST(FileNames, PathToFileNameFindsSeparatorsScanningForwards) {
    const struct {
        std::string path;
        std::string name;
    } cases[] = {
        // ン (83 93) and 亜 (88 9F) end in a byte that is itself a lead byte:
        // read backwards, "93 5C" would look like one character.
        {"data\\\203\223\\a.txt", "a.txt"},
        {"\210\237\\b.stg4", "b.stg4"},
        // ソ (83 5C) ends in the backslash byte: no separator there.
        {"data\\\203\134", "\203\134"},
        {"\203\134\\\225\134", "\225\134"},
        {"a/b\\c", "c"},
        {"noseparator", "noseparator"},
        {"folder\\", ""},
    };
    for (const auto& c : cases) {
        std::string s = c.path;
        PathToFileName(s);
        EXPECT_EQ(s, c.name) << c.path;
        char buf[kMaxPath];
        std::strcpy(buf, c.path.c_str());
        PathToFileName(buf);
        EXPECT_STREQ(buf, c.name.c_str()) << c.path;
    }
}

TEST(FileNames, ExtensionHelpers) {
    const struct {
        std::string path;
        bool has;
        std::string ext;      // GetExtension
        std::string removed;  // RemoveExtension
        std::string replaced; // ReplaceExtension with "mid"
    } cases[] = {
        {"bgm\\Title.MID", true, "MID", "bgm\\Title", "bgm\\Title.mid"},
        {"a.b.c", true, "c", "a.b", "a.b.mid"},
        {"stage.stg4_818", true, "stg4_818", "stage", "stage.mid"},
        // A dot in a folder name is no extension.
        {"data\\v1.2\\readme", false, "", "data\\v1.2\\readme", "data\\v1.2\\readme"},
        {"my.dir/file", false, "", "my.dir/file", "my.dir/file"},
        {"\203\134.d\\\203\223", false, "", "\203\134.d\\\203\223", "\203\134.d\\\203\223"},
        {"name.", true, "", "name", "name.mid"},
        {"", false, "", "", ""},
    };
    for (const auto& c : cases) {
        std::string ext = "x", removed = c.path, replaced;
        EXPECT_EQ(GetExtension(ext, c.path), c.has) << c.path;
        EXPECT_EQ(ext, c.ext);
        EXPECT_EQ(RemoveExtensionStr(removed), c.has);
        EXPECT_EQ(removed, c.removed);
        EXPECT_EQ(ReplaceExtension(replaced, c.path, "mid"), c.has);
        EXPECT_EQ(replaced, c.replaced);

        char out[kMaxPath] = "junk", buf[kMaxPath];
        std::strcpy(buf, c.path.c_str());
        EXPECT_EQ(RemoveExtension(buf), c.has);
        EXPECT_STREQ(buf, c.removed.c_str());
        EXPECT_EQ(GetExtension(out, c.path.c_str()), c.has);
        EXPECT_STREQ(out, c.ext.c_str());
        EXPECT_EQ(ReplaceExtension(out, c.path.c_str(), "mid"), c.has);
        EXPECT_STREQ(out, c.replaced.c_str());
    }
    std::string cut;
    EXPECT_TRUE(ReplaceExtension(cut, "data\\a.stg4", nullptr));
    EXPECT_EQ(cut, "data\\a");
}

TEST(FileNames, BuffersNeverOverflow) {
    std::string longName(250, 'a');
    char out[kMaxPath];
    // 250 + ".extension-too-long" does not fit: unchanged copy, false.
    EXPECT_FALSE(ReplaceExtension(out, (longName + ".x").c_str(), "extension-too-long"));
    EXPECT_EQ(std::string(out), longName + ".x");
    char unterminated[kMaxPath];
    std::memset(unterminated, 'a', sizeof unterminated);
    EXPECT_FALSE(RemoveExtension(unterminated));
    EXPECT_FALSE(MakeNumberedFileName(out, unterminated, 2));
}

TEST(FileNames, MakeNumberedFileName) {
    std::string out;
    ASSERT_TRUE(MakeNumberedFileName(out, "user_data\\replay\\r.rpy", 2));
    EXPECT_EQ(out, "user_data\\replay\\r (2).rpy");
    ASSERT_TRUE(MakeNumberedFileName(out, "a.b.\203\134", 999));
    EXPECT_EQ(out, "a.b (999).\203\134");
    EXPECT_FALSE(MakeNumberedFileName(out, "v1.0\\noext", 2));
    char buf[kMaxPath];
    ASSERT_TRUE(MakeNumberedFileName(buf, "x.rkg", 10));
    EXPECT_STREQ(buf, "x (10).rkg");
}

void Touch(const std::string& p) {
    std::filesystem::create_directories(std::filesystem::path(p).parent_path());
    std::ofstream(p) << "x";
}

TEST(FileNames, FindVersionedFilePicksTheHighestSuffix) {
    TempDir dir;
    ClearPathCache();
    Touch("data/stage/Cave.stg4_003");
    Touch("data/stage/Cave.stg4_010");
    Touch("data/stage/Cave.stg4_1000"); // four digits: never one of the names tried
    std::string out = "x";
    ASSERT_TRUE(FindVersionedFileStr(out, "data\\stage\\cave.stg4", "stg4"));
    EXPECT_EQ(out, "data\\stage\\cave.stg4_010");
    // The extension given replaces the one the path has.
    ASSERT_TRUE(FindVersionedFileStr(out, "DATA\\Stage\\Cave.txt", "STG4"));
    EXPECT_EQ(out, "DATA\\Stage\\Cave.STG4_010");
    char buf[kMaxPath] = "x";
    ASSERT_TRUE(FindVersionedFile(buf, "data\\stage\\Cave.stg4", "stg4"));
    EXPECT_STREQ(buf, "data\\stage\\Cave.stg4_010");

    // A folder counts; a path without '.' is used as it is.
    std::filesystem::create_directories("data/save_000");
    ASSERT_TRUE(FindVersionedFileStr(out, "data\\save", "stg4"));
    EXPECT_EQ(out, "data\\save_000");

    EXPECT_FALSE(FindVersionedFileStr(out, "data\\stage\\none.stg4", "stg4"));
    EXPECT_EQ(out, "");
    EXPECT_FALSE(FindVersionedFile(buf, "data\\stage\\none.stg4", "stg4"));
    EXPECT_STREQ(buf, "");
}

} // namespace
