// Message boxes as GTK dialogs on a throwaway X display, answered with the
// keyboard as a user would: the answers follow the buttons, the default
// button and the close key, from the UI thread and from another thread alike.
#include "platform/GtkMessageBox.h"
#include "fixtures/XWindows.h"
#include "fixtures/Xvfb.h"
#include "platform/GtkSession.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

TEST(GtkMessageBox, AnswersFollowTheButtonsTheDefaultButtonAndTheCloseKey) {
    XvfbServer x;
    ASSERT_TRUE(x.Start()) << "no Xvfb could be started (tools/setup.sh installs it)";
    ::setenv("DISPLAY", x.Display().c_str(), 1);
    ::unsetenv("SDL_VIDEODRIVER");
    ::setenv("NO_AT_BRIDGE", "1", 1);
    // GTK opens one display per process: a run of every test in one process reaches here once.
    if (!StartGtkSession()) GTEST_SKIP() << "GTK was opened and closed in this process already";
    cScopedMessageBoxPresenter gtk(GtkMessageBoxPresenter());
    struct Case {
        UINT type;
        const char* key;
        int answer;
    } cases[] = {
        {MB_YESNO, "Return", IDYES},
        {MB_YESNO | MB_DEFBUTTON2, "Return", IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, "Return", IDCANCEL},
        {MB_YESNO, "Escape", IDNO},
        {MB_OKCANCEL | MB_ICONWARNING, "Escape", IDCANCEL},
        {MB_OK | MB_ICONERROR, "Escape", IDOK},
        {MB_RETRYCANCEL | MB_DEFBUTTON2, "Return", IDCANCEL},
    };
    int n = 0;
    for (const Case& c : cases) {
        std::string title = "box" + std::to_string(++n);
        SCOPED_TRACE(title);
        std::thread user([&] {
            std::string id = FindWindowNamed(x, title);
            if (!id.empty()) x.Run("xdotool windowfocus --sync " + id + " key " + c.key);
        });
        MessageBoxOutcome outcome;
        // Every other box is asked for by a thread other than the first asker.
        auto ask = [&] { outcome = ShowMessageBox(nullptr, "データが存在しません！", title, c.type); };
        if (n % 2)
            ask();
        else
            std::thread(ask).join();
        user.join();
        EXPECT_EQ(outcome.answer, c.answer);
        EXPECT_FALSE(outcome.unattended);
    }
    EXPECT_TRUE(GtkSessionRunning());
    StopGtkSession();
}

} // namespace
