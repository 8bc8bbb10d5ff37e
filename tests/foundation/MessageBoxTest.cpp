#include "foundation/MessageBox.h"

#include "fixtures/ReadAll.h"
#include "fixtures/TempDir.h"
#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// Stands in for the user: answers every box it is shown and keeps the last caption.
struct FixedAnswer : cMessageBoxPresenter {
    explicit FixedAnswer(int a) : answer(a) {}
    bool Show(HWND, const std::string&, const std::string& caption, UINT, int& out) override {
        ++calls;
        seenCaption = caption;
        out = answer;
        return true;
    }
    int answer;
    int calls = 0;
    std::string seenCaption;
};

// A report file, the display setting of the test, and no leftovers.
struct BoxFixture : ::testing::Test {
    TempDir dir;
    struct SavedEnv {
        const char* name;
        bool had = false;
        std::string value;
    } saved[2] = {{"SDL_VIDEODRIVER", false, {}}, {"DISPLAY", false, {}}};
    BoxFixture() {
        for (SavedEnv& e : saved) {
            if (const char* v = std::getenv(e.name)) {
                e.had = true;
                e.value = v;
            }
        }
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        SetReportFile("Report_Game.txt");
        ClearScriptedMessageBoxAnswers();
    }
    ~BoxFixture() override {
        for (SavedEnv& e : saved) {
            if (e.had)
                setenv(e.name, e.value.c_str(), 1);
            else
                unsetenv(e.name);
        }
        ClearScriptedMessageBoxAnswers();
        SetErrorLog(false, "");
    }
};

using MessageBoxes = BoxFixture;

TEST_F(MessageBoxes, HeadlessBoxTakesItsDefaultButtonAndGoesToTheReport) {
    FixedAnswer user(IDCANCEL);
    cScopedMessageBoxPresenter installed(user);
    EXPECT_TRUE(IsHeadlessDisplay());
    EXPECT_EQ(MesBox("既に起動しています。", "二重起動", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(ErrorBox("ウインドウが生成出来ません！"), IDOK);
    EXPECT_EQ(user.calls, 0);
    EXPECT_EQ(ReadAll("Report_Game.txt"), U8(u8"MessageBox [二重起動] 既に起動しています。 -> 7\n"
                                             u8"MessageBox [エラー] ウインドウが生成出来ません！ -> 1\n"));
}

TEST_F(MessageBoxes, ScriptedAnswersComeFirstInOrder) {
    PushScriptedMessageBoxAnswer(IDNO);
    PushScriptedMessageBoxAnswer(IDCANCEL);
    EXPECT_EQ(MesBox("a", "c", MB_YESNO), IDNO);
    EXPECT_EQ(MesBox("b", "c", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MesBox("c", "c", MB_OKCANCEL), IDOK); // script used up: the default
}

TEST_F(MessageBoxes, WithADisplayThePresenterAnswersAndNothingIsReported) {
    unsetenv("SDL_VIDEODRIVER");
    setenv("DISPLAY", ":99", 1);
    FixedAnswer user(IDRETRY);
    cScopedMessageBoxPresenter installed(user);
    EXPECT_EQ(ErrorBoxPrintf("oggの初期化に失敗！%d", 2), IDRETRY);
    EXPECT_EQ(user.seenCaption, "エラー");
    EXPECT_EQ(ReadAll("Report_Game.txt"), "");
}

TEST_F(MessageBoxes, DebugBoxOnlyWhileTheLogIsOn) {
    EXPECT_EQ(DebugErrorBoxPrintf("dllがないテスト"), 0);
    EXPECT_EQ(ReadAll("Report_Game.txt"), "");
    SetErrorLog(true, "EC_Game.txt");
    EXPECT_EQ(DebugErrorBoxPrintf("Err %s", "ImmGetContext"), IDOK);
    EXPECT_EQ(ReadAll("Report_Game.txt"), U8(u8"MessageBox [エラー] Err ImmGetContext -> 1\n"));
}

TEST_F(MessageBoxes, OutOfMemoryTellsAndClosesInOrder) {
    RegisterWindowClass("OomMain", DefWindowProcA);
    HWND w = CreateWindowA("OomMain", "");
    hMainWnd = w;
    OutOfMemoryQuit();
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, w, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_CLOSE);
    EXPECT_NE(ReadAll("Report_Game.txt").find(U8(u8"メモリが不足しています！")), std::string::npos);
    hMainWnd = nullptr;
    DestroyWindow(w);
}

TEST(MessageBoxDefaults, DefaultButtonOfEachKind) {
    struct Case {
        UINT type;
        int answer;
    } cases[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
        {MB_RETRYCANCEL, IDRETRY},
        {MB_OK | MB_DEFBUTTON3, IDOK},
    };
    for (const Case& c : cases) EXPECT_EQ(DefaultMessageBoxAnswer(c.type), c.answer) << std::hex << c.type;
}

} // namespace
