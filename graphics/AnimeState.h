// The animation state every stage object carries: its table of animations and
// a cursor (animation, frame, tick) into it. The object steps it once per frame
// and draws the cell it returns.
#pragma once

#include "foundation/Containers.h"
#include "records/AnimeFrame.h"

class cAnimeState {
public:
    // A table of frame arrays ended by a null pointer; each array is frames with
    // cell 0 or more ended by one control frame, which is kept. Null: nothing.
    void SetAnimeTable(const ANIMEFRAME* const* table);
    // The same from frame arrays already built.
    void SetAnimeTable(const cVector<cVector<ANIMEFRAME>>& table);
    // 0 (refused) when not forced and the current frame may not be interrupted.
    int SetAnime(int n, int force);
    // 1 at once when n is already running (it does not restart).
    int ChangeAnime(int n, int force);
    // One tick; the cell of the frame then current (0 for an empty table).
    int StepAnime();
    int GetAnimeCell();

    int Anime() const { return nAnime_; }
    int Frame() const { return nFrame_; }
    int Tick() const { return nTick_; }
    const cVector<cVector<ANIMEFRAME>>& Table() const { return table_; }

private:
    ANIMEFRAME& Current();

    cVector<cVector<ANIMEFRAME>> table_;
    std::int32_t nAnime_ = 0;
    std::int32_t nFrame_ = 0;
    std::int32_t nTick_ = 0;
};
