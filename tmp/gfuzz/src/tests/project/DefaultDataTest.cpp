#include "project/DefaultData.h"

#include "fixtures/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace fs = std::filesystem;

namespace {

int questions = 0;
bool answer = false;
std::string askedText, askedCaption;

bool Ask(void*, const std::string& text, const std::string& caption) {
    ++questions;
    askedText = text;
    askedCaption = caption;
    return answer;
}

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
    void SetUp() override {
        questions = 0;
        answer = false;
        pfnAskYesNo = Ask;
    }
    void TearDown() override { pfnAskYesNo = nullptr; }

    void MakeDefault() {
        WriteFile("default/System.dat", "sys");
        WriteFile("default/database/Anime.dat", std::string("a\0b", 3));
        WriteFile("default/stg4/Stage1.stg4_818", "stage");
        fs::create_directories("default/work");
    }

    TempDir dir_;
};

TEST_F(DefaultDataTest, PresentDataNeedsNoQuestion) {
    fs::create_directories("data");
    EXPECT_EQ(CreateDefaultData(nullptr), 1);
    MakeDefault();
    EXPECT_EQ(CreateDefaultData(nullptr), 1);
    EXPECT_EQ(questions, 0);
}

TEST_F(DefaultDataTest, NeitherFolderEndsWithoutAQuestion) {
    EXPECT_EQ(CreateDefaultData(nullptr), 0);
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(Entries("."), 0u);
}

TEST_F(DefaultDataTest, AnswerNoCreatesNothing) {
    MakeDefault();
    EXPECT_EQ(CreateDefaultData(nullptr), 0);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(askedText, "\203\146\201\133\203\136\202\252\221\266\215\335\202\265\202\334\202\271\202\361\201\111\203\146\203\164\203\110\203\213\203\147\203\146\201\133\203\136\202\360\215\354\220\254\202\265\202\334\202\267\202\251\201\110\n");
    EXPECT_EQ(askedCaption, "\203\146\203\164\203\110\203\213\203\147\203\146\201\133\203\136\215\354\220\254\202\314\212\155\224\106");
    EXPECT_EQ(Entries("."), 1u); // default only

    pfnAskYesNo = nullptr; // no message boxes yet: counts as No
    EXPECT_EQ(CreateDefaultData(nullptr), 0);
    EXPECT_FALSE(fs::exists("data"));
}

TEST_F(DefaultDataTest, AnswerYesCopiesTheWholeTree) {
    MakeDefault();
    answer = true;
    EXPECT_EQ(CreateDefaultData(nullptr), 1);
    ASSERT_TRUE(fs::is_directory("data"));
    EXPECT_EQ(Tree("data"), Tree("default"));
    EXPECT_EQ(Tree("data").size(), 6u);
    EXPECT_EQ(Entries("."), 2u); // no staging folder left
    EXPECT_EQ(CreateDefaultData(nullptr), 1);
    EXPECT_EQ(questions, 1);
}

TEST_F(DefaultDataTest, FoldersAreFoundInAnyLetterCase) {
    WriteFile("Default/System.dat", "sys");
    answer = true;
    EXPECT_EQ(CreateDefaultData(nullptr), 1);
    EXPECT_EQ(Tree("data"), Tree("Default"));
    fs::remove_all("data");
    fs::create_directories("DATA");
    EXPECT_EQ(CreateDefaultData(nullptr), 1);
    EXPECT_EQ(questions, 1);
}

TEST_F(DefaultDataTest, AFailedCopyLeavesNoData) {
    MakeDefault();
    fs::create_symlink("nowhere", "default/database/Broken.dat"); // can't be copied
    answer = true;
    EXPECT_EQ(CreateDefaultData(nullptr), 0);
    EXPECT_FALSE(fs::exists("data"));
    EXPECT_EQ(Entries("."), 1u);
}

} // namespace
