// The demo's title tune, shared by the MIDI file and the Ogg track.
#pragma once

#include <vector>

constexpr int kTuneTempoBpm = 120;

struct TuneNote {
    double beat;   // start, in beats
    double length; // in beats
    int key;       // MIDI key number
    int voice;     // 0 melody, 1 bass
};

const std::vector<TuneNote>& TitleTune();
double TitleTuneBeats();
