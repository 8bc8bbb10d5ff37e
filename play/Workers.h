// The play scene's worker threads. While a message, a wait, an effect or the
// stage bonus holds the game thread, the pause thread draws and presents the
// frames and watches the job's end; the game thread waits for it.
#pragma once

#include "platform/Thread.h"

class cThread;
class cPlayHost;
class cPlayScene;
struct cPauseJob;

// Runs `proc` with the play scene on `thread` and waits until it has ended.
// False (with a report line) when the thread could not be started: the
// caller's wait is then over at once.
bool RunPlayWorker(cThread& thread, THREADPROC proc, cPlayScene& scene);
// One turn of a worker's frame loop: Quit once WM_QUIT has arrived; while the
// program is inactive it waits for a message (no polling) and says Inactive,
// so the loop looks again.
enum class WorkerTurn { Quit, Inactive, Active };
WorkerTurn NextWorkerTurn(cPlayHost& host);
// The game thread's wait while the program is inactive, woken as the
// workers are: true once it is active, false when WM_QUIT came meanwhile
// (left in the queue for the thread's own loop).
bool WaitUntilActive(cPlayHost& host);
// Sets the pause job and runs the pause thread on it. A pause thread told to
// quit (the program closes) sets the scene's quit flag.
bool RunPauseJob(cPlayScene& scene, const cPauseJob& job);

// The pause thread: draws frames until the job ends (1), or returns 0 at
// once when the quit flag is already set.
DWORD PauseThreadProc(void* scene);
// The page thread: the ranking tables of the last clear, one page a table,
// until confirm (RankingPages.cpp).
DWORD PageThreadProc(void* scene);
