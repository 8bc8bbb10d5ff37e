// A modal dialog keeps serving messages that workers send to the UI thread.
#include "platform/Dialog.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

HWND gDialog = nullptr;
std::thread gWorker;
LRESULT gAnswer = 0;

// On set-up the dialog starts a worker that sends it a request (the UI thread
// is inside the modal loop then) and, once answered, presses OK.
INT_PTR WorkerDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        gDialog = hwnd;
        gWorker = std::thread([hwnd] {
            gAnswer = SendMessageA(hwnd, WM_USER + 7, 20, 0);
            PostMessageA(hwnd, WM_COMMAND, MakeWParam(1, BN_CLICKED), 0);
        });
        return 1;
    case WM_USER + 7:
        return static_cast<INT_PTR>(wParam) + 1;
    case WM_COMMAND:
        if (LoWord(wParam) == 1) EndDialog(hwnd, 5);
        return 1;
    default:
        return 0;
    }
}

} // namespace

TEST(DialogThreads, AWorkersSendIsServedWhileTheDialogIsOpen) {
    ClearScriptedDialogs();
    const DLGTEMPLATE t{77, "wait", 10, 10, {{DlgItemKind::PushButton, 1, 0, 0, 5, 5, "OK"}}};
    // The script waits for the worker's posted click; without it the default would end the dialog at once.
    PushScriptedDialog(77, {{DialogStep::Wait}, {DialogStep::Wait}});
    std::string answered;
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, t, WorkerDialogProc, 0, &answered), 5);
    gWorker.join();
    EXPECT_EQ(gAnswer, 21);
}
