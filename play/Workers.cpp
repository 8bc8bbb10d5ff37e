#include "play/Workers.h"

#include "foundation/ErrorLog.h"
#include "foundation/Input.h"
#include "foundation/Thread.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "play/PlayHost.h"
#include "play/PlayScene.h"

namespace {

constexpr UINT kWorkerHello = 0x8000;
constexpr DWORD kQuitDelayMs = 2000;
constexpr DWORD kInactiveWaitMs = 100;
constexpr int kSeMessageClosed = 12;
constexpr int kSeConfirm = 1;

// One turn of the job: true when the job has ended.
bool StepJob(cPlayScene& scene, cPauseJob& job, const cInput& in) {
    if (job.nDelay > 0) {
        --job.nDelay;
        return false;
    }
    if (job.bKeyWait) {
        const bool now = (in.wButton & 1) != 0;
        const bool before = (in.GetPastState(1, 1) & 1) != 0;
        if (!now || before) return false;
        scene.PlaySe(job.nMode == kPauseMessage ? kSeMessageClosed : kSeConfirm);
        scene.bHeldButtons = 1;
        return true;
    }
    return --job.nFrames < 0;
}

} // namespace

bool RunPlayWorker(cThread& thread, THREADPROC proc, cPlayScene& scene) {
    scene.bGameHeld = 1;
    const bool started = thread.Start(proc, &scene);
    if (started) {
        // The worker's queue exists from its start, so the hello the workers
        // expect as a first message can only fail to post when the worker has
        // already ended; waiting for it to succeed then would wait for ever.
        PostThreadMessageA(thread.GetThreadId(), kWorkerHello, 0, 0);
        thread.Wait();
    } else {
        ReportError("A worker thread of the play scene could not be started");
    }
    scene.bGameHeld = 0;
    return started;
}

WorkerTurn NextWorkerTurn(cPlayHost& host) {
    MSG msg;
    bool quit = false;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message == WM_QUIT) quit = true;
    if (quit) return WorkerTurn::Quit;
    if (host.IsActive()) return WorkerTurn::Active;
    // The activation posts this thread a message; the limit only bounds a
    // missed one.
    WaitForMessage(kInactiveWaitMs);
    return WorkerTurn::Inactive;
}

bool WaitUntilActive(cPlayHost& host) {
    for (;;) {
        const WorkerTurn turn = NextWorkerTurn(host);
        if (turn == WorkerTurn::Active) return true;
        if (turn == WorkerTurn::Quit) {
            PostThreadMessageA(GetCurrentThreadId(), WM_QUIT, 0, 0);
            return false;
        }
    }
}

bool RunPauseJob(cPlayScene& scene, const cPauseJob& job) {
    scene.scene.PauseJob = job;
    return RunPlayWorker(thPause, PauseThreadProc, scene);
}

void cPlayScene::HoldGame() {
    // The command has set the job already.
    RunPlayWorker(thPause, PauseThreadProc, *this);
}

DWORD PauseThreadProc(void* argument) {
    cPlayScene& scene = *static_cast<cPlayScene*>(argument);
    if (scene.scene.nQuit) return 0;
    cPlayHost& host = PlayHost();
    // Its own fresh copy of the player's input.
    cVector<cInput> inputs = InputList;
    if (!inputs.empty()) {
        cInput& in = inputs[0];
        in.ClearHistory();
        in.ClearKeyStates();
        in.wDir = 0;
        in.wButton = 0;
    }
    DWORD quitNoted = 0;
    bool quitSeen = false;
    for (;;) {
        const WorkerTurn turn = NextWorkerTurn(host);
        if (turn == WorkerTurn::Quit) {
            // Only a close stops a pause thread: the game thread it held
            // drops what it was doing and follows.
            scene.scene.nQuit = 1;
            break;
        }
        if (turn == WorkerTurn::Inactive) continue;
        if (scene.scene.nQuit) {
            if (!quitSeen) {
                quitSeen = true;
                quitNoted = timeGetTime();
            }
            const DWORD waited = timeGetTime() - quitNoted;
            if (waited >= kQuitDelayMs)
                PostThreadMessageA(GetCurrentThreadId(), WM_QUIT, 0, 0);
            else
                WaitForMessage(kQuitDelayMs - waited);
            continue;
        }
        host.WaitNextFrame();
        UpdateInput(inputs);
        if (!inputs.empty()) {
            inputs[0].RecordHistory();
            inputs[0].TriggerButtons(0);
        }
        if (scene.CheckReplayHotKeys()) continue;
        if (StepJob(scene, scene.scene.PauseJob, inputs.empty() ? cInput() : inputs[0])) break;
        scene.DrawWorld(0, 1, 0, 1);
        host.Present();
    }
    return 1;
}
