#include "engine/CmdRunAnime.h"

#include "engine/Chara.h"
#include "engine/EngineScene.h"
#include "records/AnimeFrame.h"
#include "records/EdCommand.h"

int CmdRunAnime(cChara& chara, cFlowCommand& entry) {
    // The body is called on every sub-step of the command's wait; the
    // animation is queued on the first one only.
    if (entry.bStarted++) return 0;
    const cFlow* flow = Scene().pCurFlow;
    const std::int32_t anime = entry.lpCmd->vParam.At(0);
    cQueuedAnime q;
    q.nFlowTag = flow ? flow->nSerial : -1;
    cVector<cVector<ANIMEFRAME>> table;
    table.push_back(AnimeFrameTable.At(anime));
    q.Anime.SetAnimeTable(table);
    chara.AnimeQueue.push_front(std::move(q));
    chara.AnimeQueue.front().Anime.SetAnime(0, 1);
    return 0;
}
