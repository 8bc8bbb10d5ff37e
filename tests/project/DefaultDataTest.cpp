#include "project/DefaultData.h"

#include "fixtures/TempDir.h"
#include "project/BoxCapture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

// Every file and folder below `root`, relative, with the contents of the files.
std::map<std::string, std::string> Tree(const fs::path& root) {
    std::map<std::string, std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        std::string rel = fs::relative(e.path(), root).string();
        if (e.is_directory()) {
            out[rel + "/"] = "";
        } else {
            std::ifstream in(e.path(), std::ios::binary);
            out[rel] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return out;
}

std::size_t Entries(const fs::path& dir) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

class DefaultDataTest : public ::testing::Test {
protected:
    void MakeDefault() {
        WriteFile("default/System.dat", "sys");
        WriteFile("default/database/Anime.dat", std::string("a\0b", 3));
        WriteFile("default/stg4/Stage1.stg4_818", "stage");
        fs::create_directories("default/work");
    }

    TempDir dir_;
    BoxCapture box_{IDNO};
};

TEST_F(DefaultDataTest, PresentDataNeedsNoQuestion) {
    fs::create_directories("data");
    EXPECT_EQ(CreateDefaultData(nullptr), 1);
    MakeDefault();
    EXPECT_EQ(CreateDefaultData(nullptr), 1);
    EXPECT_TRUE(box_.boxes.empty());
}

TEST_F(DefaultDataTest, NeitherFolderEndsWithoutAQuestion) {
    EXPECT_EQ(CreateDefaultData(nullptr), 0);
    EXPECT_TRUE(box_.boxes.empty());
    EXPECT_EQ(Entries("."), 0u);
}

TEST_F(DefaultDataTest, AnswerNoCreatesNothing) {
    MakeDefault();
    EXPECT_EQ(CreateDefaultData(nullptr), 0);
    EXPECT_EQ(box_.boxes.size(), 1u);
    EXPECT_EQ(box_.boxes[0].text, "データが存在しません！デフォルトデータを作成しますか？\n");
    EXPECT_EQ(box_.boxes[0].caption, "デフォルトデータ作成の確認");
    EXPECT_EQ(box_.boxes[0].type & MB_TYPEMASK, MB_YESNO);
    EXPECT_EQ(Entries("."), 1u); // default only
}

TEST_F(DefaultDataTest, AnswerYesCopiesTheWholeTree) {
    MakeDefault();
    box_.Answer(IDYES);
    EXPECT_EQ(CreateDefaultData(nullptr), 1);
    ASSERT_TRUE(fs::is_directory("data"));
    EXPECT_EQ(Tree("data"), Tree("default"));
    EXPECT_EQ(Tree("data").size(), 6u);
    EXPECT_EQ(Entries("."), 2u); // no staging folder left
    EXPECT_EQ(CreateDefaultData(nullptr), 1);
    EXPECT_EQ(box_.boxes.size(), 1u);
}

TEST_F(DefaultDataTest, FoldersAreFoundInAnyLetterCase) {
    WriteFile("Default/System.dat", "sys");
    box_.Answer(IDYES);
    EXPECT_EQ(CreateDefaultData(nullptr), 1);
    EXPECT_EQ(Tree("data"), Tree("Default"));
    fs::remove_all("data");
    fs::create_directories("DATA");
    EXPECT_EQ(CreateDefaultData(nullptr), 1);
    EXPECT_EQ(box_.boxes.size(), 1u);
}

TEST_F(DefaultDataTest, AFailedCopyLeavesNoData) {
    MakeDefault();
    fs::create_symlink("nowhere", "default/database/Broken.dat"); // can't be copied
    box_.Answer(IDYES);
    EXPECT_EQ(CreateDefaultData(nullptr), 0);
    EXPECT_FALSE(fs::exists("data"));
    EXPECT_EQ(Entries("."), 1u);
}

} // namespace
