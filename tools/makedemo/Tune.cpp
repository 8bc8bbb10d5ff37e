#include "tools/makedemo/Tune.h"

const std::vector<TuneNote>& TitleTune() {
    static const std::vector<TuneNote> notes = [] {
        std::vector<TuneNote> n;
        // Melody: C major, two bars of rising and falling quavers, then a held note.
        const int melody[] = {72, 74, 76, 79, 77, 76, 74, 72, 74, 76, 77, 79, 81, 79, 76, 74};
        for (int i = 0; i < 16; ++i) n.push_back({i * 0.5, 0.45, melody[i], 0});
        n.push_back({8.0, 2.0, 72, 0});
        // Bass: one note a beat.
        const int bass[] = {48, 48, 55, 55, 53, 53, 55, 55, 48, 48};
        for (int i = 0; i < 10; ++i) n.push_back({static_cast<double>(i), 0.9, bass[i], 1});
        return n;
    }();
    return notes;
}

double TitleTuneBeats() {
    return 10.0;
}
