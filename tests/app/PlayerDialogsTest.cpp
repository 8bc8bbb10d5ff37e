// The real player's dialogs on a real (virtual) X display, answered through
// xdotool as a person would: the start-up dialog's choice is stored and the
// next start skips it; the stage file dialog, opened through its program
// message, picks a demo stage that then starts; the ranking name typed into
// the name entry is kept in the options. Screenshots of each dialog are left
// in <build>/screenshots/.
#include "app/PlayerRun.h"
#include "fixtures/TempDir.h"
#include "fixtures/XWindows.h"
#include "fixtures/Xvfb.h"
#include "gui/DialogTemplates.h"
#include "gui/Dlg.h"
#include "platform/Cp932.h"
#include "platform/GtkDialogPresenter.h"
#include "project/BootData.h"
#include "project/OptionData.h"
#include "project/SystemData.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#ifdef BRINDLE_DEMO_DIR

namespace fs = std::filesystem;

namespace {

// A key script for the game's own navigation (each key held a frame, then
// let go for three); it stands still while a dialog holds the game.
class cKeys {
public:
    cKeys& Keys(const char* key, int times = 1) {
        for (int i = 0; i < times; ++i) text_ << key << "\n3:\n";
        frames_ += times * 4;
        return *this;
    }
    cKeys& Wait(int frames = 40) {
        text_ << frames << ":\n";
        frames_ += frames;
        return *this;
    }
    int Frames() const { return frames_; }
    void Write(const fs::path& path) const { std::ofstream(path) << text_.str(); }

private:
    std::ostringstream text_;
    int frames_ = 0;
};

// "xdotool mousemove --window W X Y click 1" on a control of the template,
// a little inside its left edge (where a check or radio box has its box).
std::string ClickOn(const std::string& window, WORD templateId, WORD controlId) {
    const DLGTEMPLATE* t = FindDialogTemplate(templateId);
    for (const DLGITEM& item : t ? t->items : std::vector<DLGITEM>{}) {
        if (item.id != controlId || item.kind == DlgItemKind::Picture) continue;
        const int x = DialogUnitsToPixelsX(item.x) + std::min(10, DialogUnitsToPixelsX(item.cx) / 2);
        const int y = DialogUnitsToPixelsY(item.y) + DialogUnitsToPixelsY(item.cy) / 2;
        return "xdotool mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y) +
               " click 1";
    }
    ADD_FAILURE() << "no control " << controlId << " in dialog " << templateId;
    return "false";
}

class PlayerDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(PlayerPath())) << "build the player first: " << PlayerPath();
        ASSERT_TRUE(x.Start()) << "no Xvfb could be started (tools/setup.sh installs it)";
        runtime = MakeFolder(dir.path(), "runtime", 0700);
        game = dir.path() / "demo";
        fs::copy(BRINDLE_DEMO_DIR, game, fs::copy_options::recursive);
        // The first-start question is another test's: data\ is there already.
        fs::copy(game / "default", game / "data", fs::copy_options::recursive);
    }
    void Start(PlayerRun& run, const cKeys* keys, int closeAfter) {
        run.OnDisplay(x.Display());
        if (keys) {
            run.keyScript = (dir.path() / "keys.txt").string();
            keys->Write(run.keyScript);
        }
        run.Start(game, runtime, closeAfter);
    }
    // Runs `command` on the display; EXPECTs it to succeed.
    void Do(const std::string& command) {
        int status = -1;
        x.Run(command, &status);
        EXPECT_EQ(status, 0) << command;
    }
    std::string GameTitle() {
        cSystemData system;
        EXPECT_TRUE(system.LoadFromFile((game / "data" / "System.dat").string()));
        return Cp932ToUtf8(system.GameTitle);
    }
    TempDir dir;
    XvfbServer x;
    fs::path runtime;
    fs::path game;
};

TEST_F(PlayerDialogs, TheStartUpChoiceIsStoredAndTheNextStartSkipsTheDialog) {
    // The drawing mode left to the player: the start-up dialog asks.
    std::ofstream(game / "System.ini", std::ios::binary | std::ios::trunc)
        << "Direct3D=2\r\nWindowMode=1\r\nBpp=0\r\nVSync=2\r\nShowFps=1\r\nExit\r\n";
    const fs::path bootFile = game / "user_data" / "Boot.dat";
    ASSERT_FALSE(fs::exists(bootFile));
    const std::string title = GameTitle();
    {
        PlayerRun run;
        Start(run, nullptr, 5);
        const std::string dialog = FindWindowTitled(x, title, 60);
        ASSERT_FALSE(dialog.empty()) << "no dialog titled " << title << "\n" << run.Stderr();
        EXPECT_TRUE(Screenshot(x, "start-up-dialog.png"));
        Do(ClickOn(dialog, IDD_BOOT, IDC_DDRAW));
        Do(ClickOn(dialog, IDD_BOOT, IDC_DONT_ASK));
        EXPECT_TRUE(Screenshot(x, "start-up-dialog-chosen.png"));
        Do(ClickOn(dialog, IDD_BOOT, IDC_OK));
        EXPECT_TRUE(FocusPlayerWindow(x, dialog, 30)) << "the dialog went";
        ASSERT_TRUE(run.Wait(60)) << "the player did not end";
        EXPECT_TRUE(run.EndedNormallyWith(0)) << run.status << "\n" << run.Stderr();
        EXPECT_NE(ReadAll(game / "Report_Game.txt").find("Mode : Window"), std::string::npos);
    }
    cBootData stored;
    ASSERT_TRUE(stored.LoadFromFile(bootFile.string()));
    EXPECT_EQ(stored.nDrawMode, 0) << "DirectDraw";
    EXPECT_EQ(stored.bDoNotAsk, 1);

    // The next start goes straight to the game: nobody answers a dialog here.
    PlayerRun again;
    Start(again, nullptr, 5);
    ASSERT_TRUE(again.Wait(60)) << "the player waited for a dialog";
    EXPECT_TRUE(again.EndedNormallyWith(0)) << again.status << "\n" << again.Stderr();
    EXPECT_NE(ReadAll(game / "Report_Game.txt").find("Scripted close done"), std::string::npos);
}

TEST_F(PlayerDialogs, AStageChosenInTheFileDialogStarts) {
    cKeys keys;
    keys.Wait().Keys("DOWN", 3).Keys("Z").Wait(600); // the title: free play, then the stage runs
    PlayerRun run;
    Start(run, &keys, keys.Frames());
    const std::string chooser = FindWindowTitled(x, Cp932ToUtf8("ステージファイルの読み込み"), 60);
    ASSERT_FALSE(chooser.empty()) << "no file chooser\n" << run.Stderr();
    EXPECT_TRUE(Screenshot(x, "stage-file-dialog.png"));
    // The location field takes a path; the chooser starts in data/stg4.
    // Should a key be lost, the path is typed again over the whole field.
    const std::string typePath =
        "type --delay 20 '" + (game / "data" / "stg4" / "w01-1.stg4_818").string() + "'";
    Do("xdotool windowfocus --sync " + chooser + " key ctrl+l " + typePath);
    EXPECT_TRUE(ActUntilGone(x, chooser, "key Return", "key ctrl+a " + typePath + " key Return"))
        << "the chooser went";
    EXPECT_TRUE(FocusPlayerWindow(x, chooser, 30));
    // The stage is on the screen: its green wall stands where the title's blue sky was.
    const std::string window = FindWindowTitled(x, GameTitle(), 10);
    ASSERT_FALSE(window.empty());
    std::string pixel;
    for (int i = 0; i < 300 && pixel.find("#66FF33") == std::string::npos; ++i) {
        pixel = x.Run("import -window " + window + " -crop 1x1+8+156 -depth 8 txt:- 2>/dev/null");
        ::usleep(100000);
    }
    EXPECT_NE(pixel.find("#66FF33"), std::string::npos) << pixel;
    EXPECT_TRUE(Screenshot(x, "stage-started.png"));
    ASSERT_TRUE(run.Wait(120)) << "the player did not end";
    EXPECT_TRUE(run.EndedNormallyWith(0)) << run.status << "\n" << run.Stderr();
}

TEST_F(PlayerDialogs, TheRankingNameTypedIsKeptInTheOptions) {
    cKeys keys;
    keys.Wait().Keys("DOWN", 5).Keys("Z").Wait(); // the title: options
    keys.Keys("DOWN", 3).Keys("Z");               // the ranking name
    keys.Wait(10).Keys("X").Wait();               // back to the title: the options are stored
    PlayerRun run;
    Start(run, &keys, keys.Frames() + 20);
    // The name entry has no title of its own; nor has the game's window until it is shown.
    const std::string window = FindWindowTitled(x, GameTitle(), 60);
    ASSERT_FALSE(window.empty()) << run.Stderr();
    const std::string dialog = FindWindowTitled(x, "", 60, "brindle4", window);
    ASSERT_FALSE(dialog.empty()) << "no name entry\n" << run.Stderr();
    // The field has the focus: what is typed goes there, three characters kept.
    Do("xdotool windowfocus --sync " + dialog + " type --delay 50 'ABCD'");
    EXPECT_TRUE(Screenshot(x, "name-entry-dialog.png"));
    EXPECT_TRUE(ActUntilGone(x, dialog, "key Return")) << "the dialog went";
    EXPECT_TRUE(FocusPlayerWindow(x, dialog, 30));
    ASSERT_TRUE(run.Wait(120)) << "the player did not end";
    EXPECT_TRUE(run.EndedNormallyWith(0)) << run.status << "\n" << run.Stderr();
    cOptionData options;
    ASSERT_TRUE(options.LoadFromFile((game / "user_data" / "Option.dat").string()));
    EXPECT_EQ(options.RankingName, "ABC");
}

} // namespace

#endif
