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

// What a user does on a window: xdotool commands ("{w}" stands for the
// window's id), then the one that ends it; `again` is sent instead when the
// window stays, as a lost key leaves it.
struct UserActs {
    std::vector<std::string> commands;
    std::string last, again;
};

// On a worker: once the window titled `title` is up, a send to the UI
// thread's window must come back answered before the user acts; then the
// acts run on the window. A window that never goes is failed and the UI
// thread told to quit, so that the test ends instead of waiting for ever.
std::thread User(const XvfbServer& x, HWND uiWindow, const std::string& title, UserActs acts,
                 LRESULT& sendAnswer) {
    const DWORD uiThread = GetCurrentThreadId();
    return std::thread([&x, uiWindow, uiThread, title, acts, &sendAnswer] {
        const std::string id = FindWindowNamed(x, title);
        if (id.empty()) return;
        sendAnswer = SendMessageA(uiWindow, kPing, 0, 0);
        auto onWindow = [&id](std::string c) {
            const std::size_t at = c.find("{w}");
            if (at != std::string::npos) c.replace(at, 3, id);
            return c;
        };
        for (const std::string& c : acts.commands) {
            // A focus not taken fails the command before it acts: it is run again.
            int status = -1;
            for (int n = 0; n < 5 && status != 0; ++n)
                x.Run("xdotool windowfocus --sync " + id + " " + onWindow(c) + " 2>/dev/null", &status);
            EXPECT_EQ(status, 0) << c;
        }
        if (!ActUntilGone(x, id, onWindow(acts.last), onWindow(acts.again))) {
            ADD_FAILURE() << "the window " << title << " did not go";
            PostThreadMessageA(uiThread, WM_QUIT, 0, 0);
        }
    });
}

TEST(GtkDialogs, WhileUpTheUiThreadServesSendsAndTheUsersActionsReachTheDialogsCode) {
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
                            {{"type --delay 30 'abc'", "mousemove --window {w} " + barAt + " click 1",
                              "mousemove --window {w} " + checkAt + " click 1"},
                             "key Return",
                             "key Return"},
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
    // Typed again over the whole field (or, where the location field never
    // opened, into the file list, which opens it for a typed '/').
    const std::string typePath = "type --delay 20 '" + (dir.path() / "data/stg4/a.stg4_818").string() + "'";
    struct Case {
        UserActs acts;
        bool chosen;
        std::string path;
    } cases[] = {
        {{{"key ctrl+l", typePath}, "key Return", "key ctrl+a " + typePath + " key Return"},
         true,
         "data\\stg4\\a.stg4_818"},
        {{{}, "key Escape", "key Escape"}, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        answer = 0;
        std::thread chooserUser = User(x, ui, "chooser-under-test", c.acts, answer);
        std::string chosen = "untouched";
        EXPECT_EQ(RunFileDialog(request, chosen, &answered), c.chosen);
        chooserUser.join();
        EXPECT_GT(answer, 41) << "the send was served while the chooser was up";
        EXPECT_EQ(chosen, c.path);
        EXPECT_EQ(answered, "");
    }
    // A quit posted by a user whose window never went is not left to the tests after.
    for (MSG m; PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);) {
    }
    DestroyWindow(ui);
    UnregisterWindowClass("GtkDialogsPing");
    StopGtkSession();
}

} // namespace gtk_dialog_test
