// Dialogs and the file chooser as GTK windows on a throwaway X display,
// answered with xdotool as a user would: while they are up the UI thread
// keeps serving what another thread sends it; what the user does reaches the
// dialog's code as its messages (typing, a check box, the scroll bar, Enter
// on the default button); the chooser's answer comes back in the program's
// own spelling of the path, and Escape cancels it.
#include "platform/GtkDialogPresenter.h"
#include "fixtures/TempDir.h"
#include "fixtures/XWindows.h"
#include "fixtures/Xvfb.h"
#include "platform/GtkSession.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <thread>

namespace gtk_dialog_test {

constexpr WORD kName = 10, kCheck = 11, kBar = 12, kOk = 13;
constexpr UINT kPing = WM_USER + 5;

// What the dialog's code saw.
struct Seen {
    std::string text;
    LRESULT check = -1;
    int scrolls = 0;
    bool scrollFromTheBar = false;
} seen;

INT_PTR TestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HiWord(wParam) == EN_CHANGE && LoWord(wParam) == kName) {
        char buffer[64];
        GetDlgItemTextA(dialog, kName, buffer, sizeof buffer);
        seen.text = buffer;
    } else if (message == WM_COMMAND && LoWord(wParam) == kOk) {
        seen.check = SendDlgItemMessageA(dialog, kCheck, BM_GETCHECK, 0, 0);
        EndDialog(dialog, 1);
    } else if (message == WM_HSCROLL) {
        ++seen.scrolls;
        seen.scrollFromTheBar = reinterpret_cast<HWND>(lParam) == GetDlgItem(dialog, kBar);
    }
    return message == WM_INITDIALOG ? 1 : 0;
}

std::atomic<int> pings{0};
LRESULT PingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPing) return ++pings + 40;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// On a worker: once the window titled `title` is up, a send to the UI
// thread's window must come back answered before the user acts; then each
// xdotool command runs on the window ("{w}" stands for its id).
std::thread User(const XvfbServer& x, HWND uiWindow, const std::string& title,
                 std::vector<std::string> commands, LRESULT& sendAnswer) {
    return std::thread([&x, uiWindow, title, commands, &sendAnswer] {
        const std::string id = FindWindowNamed(x, title);
        if (id.empty()) return;
        sendAnswer = SendMessageA(uiWindow, kPing, 0, 0);
        for (std::string c : commands) {
            const std::size_t at = c.find("{w}");
            if (at != std::string::npos) c.replace(at, 3, id);
            x.Run("xdotool windowfocus --sync " + id + " " + c);
        }
    });
}

// Disabled: under load a key typed into the file chooser is now and then lost
// and the chooser waits for ever (seen once in several full runs). Run it by
// hand with --gtest_also_run_disabled_tests until the typing is made robust.
TEST(GtkDialogs, DISABLED_WhileUpTheUiThreadServesSendsAndTheUsersActionsReachTheDialogsCode) {
    XvfbServer x;
    ASSERT_TRUE(x.Start()) << "no Xvfb could be started (tools/setup.sh installs it)";
    ::setenv("DISPLAY", x.Display().c_str(), 1);
    ::unsetenv("SDL_VIDEODRIVER");
    ::setenv("NO_AT_BRIDGE", "1", 1);
    ::setenv("GSETTINGS_BACKEND", "memory", 1);
    // GTK opens one display per process: a run of every test in one process reaches here once.
    if (!StartGtkSession()) GTEST_SKIP() << "GTK was opened and closed in this process already";
    cScopedDialogPresenter dialogs(GtkDialogPresenter());
    cScopedFileDialogPresenter files(GtkFileDialogPresenter());
    ASSERT_TRUE(RegisterWindowClass("GtkDialogsPing", PingProc));
    HWND ui = CreateWindowA("GtkDialogsPing", "");

    // A dialog: the field has the focus, the check box and the bar are clicked, Enter ends it.
    DLGTEMPLATE t{900, "dialog-under-test", 200, 100, {}};
    t.items = {{DlgItemKind::Edit, kName, 10, 10, 100, 14, ""},
               {DlgItemKind::CheckBox, kCheck, 10, 30, 100, 12, "check"},
               {DlgItemKind::ScrollBar, kBar, 10, 50, 150, 10, ""},
               {DlgItemKind::DefPushButton, kOk, 120, 75, 50, 16, "OK"}};
    const std::string checkAt = std::to_string(DialogUnitsToPixelsX(10) + 8) + " " +
                                std::to_string(DialogUnitsToPixelsY(30) + DialogUnitsToPixelsY(12) / 2);
    const std::string barAt = std::to_string(DialogUnitsToPixelsX(150)) + " " +
                              std::to_string(DialogUnitsToPixelsY(50) + DialogUnitsToPixelsY(10) / 2);
    LRESULT answer = 0;
    std::thread user = User(x, ui, "dialog-under-test",
                            {"type --delay 30 'abc'", "mousemove --window {w} " + barAt + " click 1",
                             "mousemove --window {w} " + checkAt + " click 1", "key Return"},
                            answer);
    std::string answered = "untouched";
    const INT_PTR result = DialogBoxIndirectParamA(nullptr, t, TestDialogProc, 0, &answered);
    user.join();
    EXPECT_EQ(answer, 41) << "the send was served while the dialog was up";
    EXPECT_EQ(result, 1);
    EXPECT_EQ(answered, "") << "a user answered";
    EXPECT_EQ(seen.text, "abc");
    EXPECT_EQ(seen.check, static_cast<LRESULT>(BST_CHECKED));
    EXPECT_GE(seen.scrolls, 1);
    EXPECT_TRUE(seen.scrollFromTheBar);

    // The chooser: a file typed into its location field comes back relative to
    // the working folder, with '\'; Escape cancels.
    TempDir dir; // the working folder
    std::filesystem::create_directories("data/stg4");
    std::ofstream("data/stg4/a.stg4_818") << "x";
    FileDialogRequest request;
    request.title = "chooser-under-test";
    request.folder = "data\\stg4\\";
    request.filters = {{"StageFile ( *.stg4_* )", "*.stg4_*"}};
    struct Case {
        std::vector<std::string> commands;
        bool chosen;
        std::string path;
    } cases[] = {
        {{"key ctrl+l", "type --delay 20 '" + (dir.path() / "data/stg4/a.stg4_818").string() + "'",
          "key Return"},
         true,
         "data\\stg4\\a.stg4_818"},
        {{"key Escape"}, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        answer = 0;
        std::thread chooserUser = User(x, ui, "chooser-under-test", c.commands, answer);
        std::string chosen = "untouched";
        EXPECT_EQ(RunFileDialog(request, chosen, &answered), c.chosen);
        chooserUser.join();
        EXPECT_GT(answer, 41) << "the send was served while the chooser was up";
        EXPECT_EQ(chosen, c.path);
        EXPECT_EQ(answered, "");
    }
    DestroyWindow(ui);
    UnregisterWindowClass("GtkDialogsPing");
    StopGtkSession();
}

} // namespace gtk_dialog_test
