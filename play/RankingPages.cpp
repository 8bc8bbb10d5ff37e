// The page thread: after a clear reached a place, the ranking tables are
// shown one page a table over the frozen world until confirm, with a button
// turning to the next table when the game kind keeps more than one.
#include "foundation/Input.h"
#include "graphics/Graphics.h"
#include "gui/RankingDraw.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "play/PlayHost.h"
#include "play/PlayScene.h"
#include "play/Workers.h"
#include "project/PlayData.h"
#include "project/RankSet.h"
#include "project/SystemData.h"

namespace {

constexpr WORD kConfirm = 1, kNextTable = 8;
constexpr int kSeConfirm = 1, kSePage = 6;
constexpr int kPageX = 184, kPageY = 64;

} // namespace

DWORD PageThreadProc(void* argument) {
    cPlayScene& scene = *static_cast<cPlayScene*>(argument);
    cPlayHost& host = PlayHost();
    const int kind = host.GameKind();
    PlayData.StepRankingTable(kind, 0);
    for (;;) {
        const WorkerTurn turn = NextWorkerTurn(host);
        if (turn == WorkerTurn::Quit) break;
        if (turn == WorkerTurn::Inactive) continue;
        host.WaitNextFrame();
        UpdateInput(InputList);
        cInput& in = InputList.At(0);
        in.TriggerButtons(0);
        in.RepeatDirection();
        if (in.wButton & kConfirm) {
            scene.PlaySe(kSeConfirm);
            break;
        }
        if ((in.wButton & kNextTable) && SystemData.CountSetFlags(kind) >= 2) {
            scene.PlaySe(kSePage);
            PlayData.StepRankingTable(kind, 1);
        }
        scene.DrawWorld(0, 1, 0, 1);
        if (DDIsRunning()) {
            const int table = PlayData.nRankingTable;
            const int place = table >= 0 && table < cRankSet::kTables ? scene.nRankPlaces[table] : -1;
            DrawRankTable(&BackBuffer, kPageX, kPageY, RankSet, table, place, kind);
        }
        host.Present();
    }
    // The confirm that closed the pages is not taken by the clear display too.
    scene.bHeldButtons = 1;
    return 1;
}
