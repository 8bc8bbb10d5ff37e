// Synthesised sound effects and their wave files: PCM "RIFF"/"WAVE" files with
// a "fmt " and a "data" chunk, 8-bit unsigned or 16-bit signed samples.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Samples from -1 to 1 at one rate, mono.
struct Sound {
    int rate = 22050;
    std::vector<float> samples;
};

// The effects the demo uses, by name ("jump", "coin", "hit", "shot",
// "explode", "select", "decide", "cancel", "clear", "miss", "item", "pause").
Sound SynthEffect(const std::string& name);
// `seconds` of the title tune as a two-voice melody, for the Ogg track.
Sound SynthTune(int rate, double seconds);

std::vector<std::uint8_t> EncodeWave(const Sound& sound, int bitsPerSample);
