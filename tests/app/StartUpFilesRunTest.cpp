// The real player started headless on copies of the demo game with one
// start-up file missing or damaged at a time: each start either stops with the
// message of its step, before any frame runs, or goes on and closes in order;
// either way no file of the game or of user_data\ is changed.
#include "app/PlayerRun.h"
#include "fixtures/ReadAll.h"
#include "fixtures/TempDir.h"
#include "platform/Cp932.h"

#include <gtest/gtest.h>

#include <functional>

#ifdef BRINDLE_DEMO_DIR

namespace fs = std::filesystem;

namespace {

// What a failed start ends with.
constexpr int kFailedStartStatus = 1;
constexpr char kFramesRan[] = "Scripted close done: threads ended";

void Remove(const fs::path& file) {
    ASSERT_TRUE(fs::remove(file)) << file;
}
// The first half of the file: what a copy or a write cut short leaves.
void CutInHalf(const fs::path& file) {
    ASSERT_TRUE(fs::exists(file)) << file;
    fs::resize_file(file, fs::file_size(file) / 2);
}
void Overwrite(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

constexpr char kWindowIni[] = "Direct3D=0\r\nWindowMode=1\r\nBpp=0\r\nVSync=2\r\nShowFps=1\r\n";

// The paths whose state differs between two snapshots.
std::vector<std::string> Changed(const std::map<std::string, std::string>& before,
                                 const std::map<std::string, std::string>& after) {
    std::vector<std::string> out;
    for (const auto& [path, state] : before) {
        auto it = after.find(path);
        if (it == after.end() || it->second != state) out.push_back(path);
    }
    for (const auto& [path, state] : after)
        if (!before.count(path)) out.push_back(path);
    return out;
}

struct StartCase {
    std::string name;
    std::function<void(const fs::path& game, PlayerRun& run)> damage;
    bool goesOn;
    std::string message; // a part of the report (code page 932); empty: none asked for
    // What the run may write: the start-up dialog stores the player's choice.
    std::vector<std::string> writes = {};
};

class StartUpFilesRun : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // The demo as a player leaves it after its first start: data\ made
        // from default\, the user folders there and the window's record.
        base_ = new TempDir();
        const fs::path game = base_->path() / "game";
        fs::copy(BRINDLE_DEMO_DIR, game, fs::copy_options::recursive);
        const fs::path runtime = MakeFolder(base_->path(), "runtime", 0700);
        PlayerRun run;
        run.Start(game, runtime, 5);
        baseReady_ = run.Wait(60) && run.EndedNormallyWith(0) && fs::exists(game / "data" / "System.dat");
        fs::remove(game / "Report_Game.txt");
    }
    static void TearDownTestSuite() {
        delete base_;
        base_ = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(fs::exists(PlayerPath())) << "build the player first: " << PlayerPath();
        ASSERT_TRUE(baseReady_) << "the demo starts and closes";
        runtime_ = MakeFolder(dir_.path(), "runtime", 0700);
    }

    void Check(const StartCase& c) {
        SCOPED_TRACE(c.name);
        const fs::path game = dir_.path() / "game";
        fs::remove_all(game);
        fs::copy(base_->path() / "game", game, fs::copy_options::recursive);
        PlayerRun run;
        run.stderrPath = dir_.path() / "stderr.txt";
        c.damage(game, run);
        if (HasFatalFailure()) return;
        std::map<std::string, std::string> before = FolderState(game);
        run.Start(game, runtime_, 5);
        ASSERT_TRUE(run.Wait(60)) << "the player did not end";
        const std::string report = ReadAll(game / "Report_Game.txt");
        if (c.goesOn) {
            EXPECT_TRUE(run.EndedNormallyWith(0)) << run.status;
            EXPECT_NE(report.find(kFramesRan), std::string::npos) << report;
        } else {
            EXPECT_TRUE(run.EndedNormallyWith(kFailedStartStatus)) << run.status;
            EXPECT_EQ(report.find(kFramesRan), std::string::npos) << "no frame ran\n" << report;
        }
        if (!c.message.empty()) {
            EXPECT_NE(report.find(Cp932ToUtf8(c.message)), std::string::npos) << report;
        }
        std::map<std::string, std::string> after = FolderState(game);
        std::vector<std::string> writes = c.writes;
        // A run that closes in order writes where its window stood.
        if (c.goesOn) writes.push_back("user_data/Window.dat");
        for (const std::string& file : writes) {
            before.erase(file);
            after.erase(file);
        }
        EXPECT_EQ(Changed(before, after), std::vector<std::string>{}) << "no file of the game changed\n"
                                                                      << report;
    }

    static TempDir* base_;
    static bool baseReady_;
    TempDir dir_;
    fs::path runtime_;
};

TempDir* StartUpFilesRun::base_ = nullptr;
bool StartUpFilesRun::baseReady_ = false;

TEST_F(StartUpFilesRun, AMissingOrDamagedProjectFileStopsTheStartWithItsMessage) {
    std::vector<StartCase> cases;
    for (const char* db : {"AnimeSet", "Anime", "Bmp_CharaExc", "SwordType", "Effect", "CharaEffect",
                           "ScrEffect", "Picture", "Sound", "Bgm"}) {
        const std::string file = std::string("data/database/") + db + ".dat";
        cases.push_back({file + " missing", [file](const fs::path& g, PlayerRun&) { Remove(g / file); },
                         false, "データベースの読み込みに失敗…"});
        cases.push_back({file + " cut short", [file](const fs::path& g, PlayerRun&) { CutInHalf(g / file); },
                         false, "データベースの読み込みに失敗…"});
    }
    const struct {
        const char* file;
        const char* message;
    } project[] = {
        {"data/System.dat", "data\\System.dat の読み込みに失敗…"},
        {"data/WorldMap.dat", "data\\WorldMap.dat のロードに失敗！"},
        {"data/CommonPalette.cplt4", "data\\CommonPalette.cplt4 のロードに失敗！"},
    };
    for (const auto& p : project) {
        const std::string file = p.file;
        cases.push_back({file + " missing", [file](const fs::path& g, PlayerRun&) { Remove(g / file); },
                         false, p.message});
        cases.push_back({file + " cut short", [file](const fs::path& g, PlayerRun&) { CutInHalf(g / file); },
                         false, p.message});
    }
    cases.push_back({"bmp/Debug.bmp missing",
                     [](const fs::path& g, PlayerRun&) { Remove(g / "bmp/Debug.bmp"); }, false,
                     "bmp\\Debug.bmp の読み込みに失敗！"});
    cases.push_back(
        {"bmp/Debug.bmp damaged",
         [](const fs::path& g, PlayerRun&) { Overwrite(g / "bmp/Debug.bmp", "BM not a picture"); }, false,
         "bmp\\Debug.bmp の読み込みに失敗！"});
    cases.push_back({"no font installed",
                     [](const fs::path& g, PlayerRun& run) {
                         // A font configuration without a single font folder.
                         Overwrite(g.parent_path() / "fonts.conf",
                                   "<?xml version=\"1.0\"?>\n<fontconfig/>\n");
                         run.env["FONTCONFIG_FILE"] = (g.parent_path() / "fonts.conf").string();
                     },
                     false, "CreateFont Err"});
    cases.push_back({"Palette.bmp missing in Direct3D",
                     [](const fs::path& g, PlayerRun&) {
                         Remove(g / "bmp/plt/Palette.bmp");
                         Overwrite(g / "System.ini", "Direct3D=1\r\nWindowMode=1\r\nExit\r\n");
                     },
                     false, "DDLoadPaletteFromFile失敗"});
    cases.push_back(
        {"a screen mode the window can't have",
         [](const fs::path& g, PlayerRun&) {
             Overwrite(g / "System.ini", std::string(kWindowIni) + "Bpp=16\r\nExit\r\n");
         },
         false,
         "画面モードが不正です！\nウインドウモードではSystem.iniの設定と画面の色の設定を合わせて下さい！"});
    cases.push_back({"a stage file that is not a stage",
                     [](const fs::path& g, PlayerRun&) {
                         Overwrite(g / "data/stg4/bad.stg4_818", "not a stage");
                         Overwrite(g / "System.ini",
                                   std::string(kWindowIni) + "FreeStage=data\\stg4\\bad.stg4\r\nExit\r\n");
                     },
                     false, ""});
    for (const StartCase& c : cases) Check(c);
}

TEST_F(StartUpFilesRun, AMissingOrDamagedSettingOrSoundGoesOn) {
    const std::vector<StartCase> cases = {
        {"System.ini missing",
         [](const fs::path& g, PlayerRun&) { Remove(g / "System.ini"); },
         true,
         "System.ini の読み込みに失敗しました！",
         {"user_data/Boot.dat"}},
        {"System.ini without its Exit line",
         [](const fs::path& g, PlayerRun&) { Overwrite(g / "System.ini", kWindowIni); },
         true,
         "System.ini の読み込みに失敗しました！",
         {"user_data/Boot.dat"}},
        {"Boot.dat missing: the start-up dialog asks",
         [](const fs::path& g, PlayerRun&) {
             fs::remove(g / "user_data/Boot.dat");
             Overwrite(g / "System.ini", "Direct3D=2\r\nWindowMode=1\r\nExit\r\n");
         },
         true,
         "",
         {"user_data/Boot.dat"}},
        {"Boot.dat cut short",
         [](const fs::path& g, PlayerRun&) {
             Overwrite(g / "user_data/Boot.dat", "\x01");
             Overwrite(g / "System.ini", "Direct3D=2\r\nWindowMode=1\r\nExit\r\n");
         },
         true,
         "",
         {"user_data/Boot.dat"}},
        {"Window.dat missing", [](const fs::path& g, PlayerRun&) { Remove(g / "user_data/Window.dat"); },
         true, ""},
        {"Window.dat cut short", [](const fs::path& g, PlayerRun&) { CutInHalf(g / "user_data/Window.dat"); },
         true, ""},
        {"KeyConfig.dat damaged",
         [](const fs::path& g, PlayerRun&) { Overwrite(g / "user_data/KeyConfig.dat", "xy"); }, true, ""},
        {"Option.dat damaged",
         [](const fs::path& g, PlayerRun&) { Overwrite(g / "user_data/Option.dat", "xyz"); }, true, ""},
        {"Palette.bmp missing in a true-colour DirectDraw window",
         [](const fs::path& g, PlayerRun&) { Remove(g / "bmp/plt/Palette.bmp"); }, true, ""},
        {"the title music missing", [](const fs::path& g, PlayerRun&) { Remove(g / "bgm/Title.mid"); }, true,
         "Midi bgm\\Title.mid Create"},
        {"a wave missing", [](const fs::path& g, PlayerRun&) { Remove(g / "wave/jump.wav"); }, true,
         "wave\\jump.wav の読み込みに失敗しました！"},
        {"a wave damaged", [](const fs::path& g, PlayerRun&) { Overwrite(g / "wave/jump.wav", "RIFF"); },
         true, "wave\\jump.wav の読み込みに失敗しました！"},
        {"a stage named in System.ini that does not exist",
         [](const fs::path& g, PlayerRun&) {
             Overwrite(g / "System.ini",
                       std::string(kWindowIni) + "FreeStage=data\\stg4\\none.stg4\r\nExit\r\n");
         },
         true, "「data\\stg4\\none.stg4」の読み込みに失敗しました！"},
    };
    for (const StartCase& c : cases) Check(c);
}

} // namespace

#endif
