#include "graphics/AnimeState.h"

void cAnimeState::SetAnimeTable(const ANIMEFRAME* const* table) {
    table_.clear();
    nAnime_ = nFrame_ = nTick_ = 0;
    if (!table) return;
    std::size_t count = 0;
    while (table[count]) ++count;
    table_.resize(count);
    for (std::size_t a = 0; a < count; ++a) {
        const ANIMEFRAME* frames = table[a];
        std::size_t pictures = 0;
        while (frames[pictures].nCell >= 0) ++pictures;
        cVector<ANIMEFRAME>& out = table_.At(static_cast<std::int64_t>(a));
        out.resize(pictures + 1);
        for (std::size_t f = 0; f <= pictures; ++f) {
            ANIMEFRAME& dst = out.At(static_cast<std::int64_t>(f));
            dst.nCell = frames[f].nCell;
            dst.nTicks = frames[f].nTicks;
            dst.bNoInterrupt = frames[f].bNoInterrupt;
        }
    }
}

void cAnimeState::SetAnimeTable(const cVector<cVector<ANIMEFRAME>>& table) {
    table_ = table;
    nAnime_ = nFrame_ = nTick_ = 0;
}

ANIMEFRAME& cAnimeState::Current() {
    return table_.At(nAnime_).At(nFrame_);
}

int cAnimeState::SetAnime(int n, int force) {
    if (!force && !table_.empty() && table_.InRange(nAnime_) && table_.At(nAnime_).InRange(nFrame_) &&
        Current().bNoInterrupt)
        return 0;
    nAnime_ = n;
    nFrame_ = 0;
    nTick_ = 0;
    return 1;
}

int cAnimeState::ChangeAnime(int n, int force) {
    if (n == nAnime_) return 1;
    return SetAnime(n, force);
}

int cAnimeState::StepAnime() {
    if (table_.empty()) return 0;
    ++nTick_;
    if (nTick_ >= Current().nTicks) {
        nTick_ = 0;
        const std::int32_t frames = static_cast<std::int32_t>(table_.At(nAnime_).size());
        // An animation read without its control frame stays on its last frame.
        if (nFrame_ + 1 < frames) ++nFrame_;
        const ANIMEFRAME& f = Current();
        switch (f.nCell) {
        case ANIME_JUMP:
            SetAnime(f.nTicks, 1);
            break;
        case ANIME_LOOP:
            nFrame_ = 0;
            break;
        case ANIME_HOLD:
            if (nFrame_ > 0) --nFrame_; // back to the last picture frame
            break;
        default: // ANIME_ENDED stays where it is; picture frames need nothing
            break;
        }
    }
    return Current().nCell;
}

int cAnimeState::GetAnimeCell() {
    if (table_.empty()) return 0;
    return Current().nCell;
}
