// The program's dialogs answered by the scripted presenter, as a headless run
// answers them: the start-up dialog, the ranking name entry and the stage and
// replay file dialog.
#include "gui/BootDlg.h"
#include "gui/DialogTemplates.h"
#include "gui/FileDlg.h"
#include "gui/NameEntryDlg.h"

#include "fixtures/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct ScriptGuard {
    ScriptGuard() {
        ClearScriptedDialogs();
        ClearScriptedFileDialogs();
    }
    ~ScriptGuard() {
        ClearScriptedDialogs();
        ClearScriptedFileDialogs();
    }
};

using S = DialogStep;

} // namespace

TEST(BootDialog, StartStoresTheChoiceAndCancelStoresNothing) {
    TempDir dir;
    ScriptGuard guard;
    cWnd main;
    {
        cBootData data;
        PushScriptedDialog(IDD_BOOT,
                           {{S::Click, IDC_DDRAW}, {S::Click, IDC_DONT_ASK}, {S::Click, IDC_CANCEL}});
        cBootDlg dlg(&main, nullptr, data, "Game", false, "Boot.dat");
        EXPECT_EQ(dlg.DoModal(0), 0);
        EXPECT_FALSE(std::filesystem::exists("Boot.dat")) << "Cancel writes nothing";
        EXPECT_EQ(data.nDrawMode, 1) << "the choice is read only on Start";
    }
    {
        cBootData data;
        PushScriptedDialog(IDD_BOOT, {{S::Click, IDC_DDRAW}, {S::Click, IDC_DONT_ASK}, {S::Click, IDC_OK}});
        cBootDlg dlg(&main, nullptr, data, "Game", false, "Boot.dat");
        EXPECT_EQ(dlg.DoModal(0), 1);
        cBootData stored;
        stored.nDrawMode = 9;
        ASSERT_TRUE(stored.LoadFromFile("Boot.dat"));
        EXPECT_EQ(stored.nDrawMode, 0);
        EXPECT_EQ(stored.bDoNotAsk, 1);
    }
    {
        // Unscripted, the dialog takes its default: Start with the stored choice shown.
        cBootData data;
        data.nDrawMode = 0;
        cBootDlg dlg(&main, nullptr, data, "Game", true, "Boot.dat");
        EXPECT_EQ(dlg.DoModal(0), 1);
        EXPECT_EQ(dlg.Answered(), "dialog 103 default: click 1000");
        cBootData stored;
        ASSERT_TRUE(stored.LoadFromFile("Boot.dat"));
        EXPECT_EQ(stored.nDrawMode, 0) << "the radio pair showed the stored mode and read it back";
        EXPECT_EQ(stored.bDoNotAsk, 0);
    }
}

TEST(BootDialog, StandsInTheMiddleOfTheMainWindowWithTheCursorOnStart) {
    cWnd main;
    main.Move(100, 50);
    cBootData data;
    cBootDlg dlg(&main, nullptr, data, "", false, "Boot.dat");
    int x = 0, y = 0;
    dlg.GetPos(x, y);
    EXPECT_EQ(x, 233);
    EXPECT_EQ(y, 154);
    EXPECT_EQ(dlg.CursorX(), 414);
    EXPECT_EQ(dlg.CursorY(), 352);
}

TEST(NameEntryDialog, KeepsThreeCharactersAndClosingKeepsTheOldName) {
    ScriptGuard guard;
    cWnd main;
    struct Case {
        const char* what;
        std::vector<DialogStep> steps;
        INT_PTR result;
        std::string name;
    } cases[] = {
        {"a fourth character is dropped", {{S::Type, IDC_NAME, "abcd"}, {S::Click, IDC_OK}}, 1, "abc"},
        {"double-byte characters count once",
         {{S::Type, IDC_NAME, "あいうえ"}, {S::Click, IDC_OK}},
         1,
         "あいう"},
        {"an empty box stores an empty name", {{S::Type, IDC_NAME, ""}, {S::Click, IDC_OK}}, 1, ""},
        {"the close box keeps the old name", {{S::Type, IDC_NAME, "xyz"}, {S::Close}}, 0, "old"},
        {"Escape cancels", {{S::Type, IDC_NAME, "xyz"}, {S::Key, 0, "", 0x1B}}, 0, "old"},
        {"the default is OK with the name shown", {}, 1, "old"},
    };
    for (const Case& c : cases) {
        std::string name = "old";
        PushScriptedDialog(IDD_NAME_ENTRY, c.steps);
        cNameEntryDlg dlg(&main, nullptr, &name, false);
        EXPECT_EQ(dlg.DoModal(0), c.result) << c.what;
        EXPECT_EQ(name, c.name) << c.what;
    }
}

TEST(FileDialog, ModesAskForTheirFilesAndNames) {
    const FileDialogRequest stage = MakeFileDialogRequest(FILEDLG_OPEN_STAGE, false, "");
    EXPECT_EQ(stage.title, "ステージファイルの読み込み");
    EXPECT_EQ(stage.folder, "data\\stg4\\");
    ASSERT_EQ(stage.filters.size(), 1u);
    EXPECT_TRUE(FileDialogPatternMatches(stage.filters[0].pattern, "a.stg4_818"));
    EXPECT_TRUE(FileDialogPatternMatches(stage.filters[0].pattern, "b.RPL4_700"));
    EXPECT_FALSE(FileDialogPatternMatches(stage.filters[0].pattern, "c.txt"));

    const FileDialogRequest open = MakeFileDialogRequest(FILEDLG_OPEN_REPLAY, true, "");
    EXPECT_EQ(open.title, "load replay file");
    EXPECT_FALSE(FileDialogPatternMatches(open.filters[0].pattern, "a.stg4_818"));

    const FileDialogRequest save =
        MakeFileDialogRequest(FILEDLG_SAVE_REPLAY, true, "user_data\\rpl4\\s1.rpl4_818");
    EXPECT_TRUE(save.save);
    EXPECT_EQ(save.title, "save replay file");
    EXPECT_EQ(save.filters[0].name, "ReplayFile ( *.rpl4_818 )");
    EXPECT_TRUE(FileDialogPatternMatches(save.filters[0].pattern, "x.rpl4_818"));
    EXPECT_FALSE(FileDialogPatternMatches(save.filters[0].pattern, "x.rpl4_700"));
    EXPECT_EQ(save.suggested, "user_data\\rpl4\\s1.rpl4_818");

    const std::string longName(400, 'n');
    EXPECT_EQ(MakeFileDialogRequest(FILEDLG_SAVE_REPLAY, false, longName).suggested.size(),
              kFileNameBuffer - 1)
        << "a long suggestion is cut to the name buffer";
}

TEST(FileDialog, EndsWithTheChosenPathOrACancel) {
    ScriptGuard guard;
    struct Case {
        const char* what;
        bool scripted;
        std::string answer;
        int mode;
        bool ok;
        std::string path;
    } cases[] = {
        {"a chosen stage", true, "data\\stg4\\demo.stg4_818", FILEDLG_OPEN_STAGE, true,
         "data\\stg4\\demo.stg4_818"},
        {"unscripted, the chooser is cancelled", false, "", FILEDLG_OPEN_REPLAY, false, ""},
        {"a path longer than the program's buffers is no choice", true, std::string(300, 'p'),
         FILEDLG_OPEN_STAGE, false, ""},
    };
    for (const Case& c : cases) {
        if (c.scripted) PushScriptedFileDialog(c.answer);
        std::string path = "left over";
        EXPECT_EQ(ChooseFile(nullptr, c.mode, false, path), c.ok) << c.what;
        EXPECT_EQ(path, c.path) << c.what;
    }
}

TEST(FileDialog, ASuggestedNameIsCutBetweenCharacters) {
    // 129 double-byte characters: 258 bytes fit the buffer, the next one would split.
    std::string name;
    for (int i = 0; i < 130; ++i) name += "\x82\xa0";
    const FileDialogRequest save = MakeFileDialogRequest(FILEDLG_SAVE_REPLAY, false, name);
    EXPECT_EQ(save.suggested.size(), 258u);
    EXPECT_EQ(save.suggested, name.substr(0, 258));
}

TEST(FileDialog, TheInstalledPresenterAnswers) {
    class cFixedAnswer : public cFileDialogPresenter {
    public:
        bool Choose(const FileDialogRequest& request, std::string& chosen, std::string& answered) override {
            title = request.title;
            chosen = "data\\stg4\\picked.stg4_818";
            answered.clear();
            return true;
        }
        std::string title;
    } fixed;
    cScopedFileDialogPresenter install(fixed);
    std::string path;
    EXPECT_TRUE(ChooseFile(nullptr, FILEDLG_OPEN_STAGE, true, path));
    EXPECT_EQ(path, "data\\stg4\\picked.stg4_818");
    EXPECT_EQ(fixed.title, "load stage file");
}
