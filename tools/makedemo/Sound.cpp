#include "tools/makedemo/Sound.h"

#include "tools/makedemo/Bytes.h"
#include "tools/makedemo/Tune.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;

// The builder's own noise, the same on every machine.
struct Noise {
    std::uint32_t x = 12345;
    float Next() {
        x = x * 214013u + 2531011u;
        return static_cast<float>((x >> 16) & 0x7FFF) / 16383.5f - 1.0f;
    }
};

// A tone gliding from f0 to f1 Hz over `seconds`, square or sine, fading out.
void Glide(Sound& s, double f0, double f1, double seconds, bool square, float volume) {
    std::size_t n = static_cast<std::size_t>(seconds * s.rate);
    double phase = 0;
    for (std::size_t i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / n;
        phase += kTwoPi * (f0 + (f1 - f0) * t) / s.rate;
        double v = std::sin(phase);
        if (square) v = v >= 0 ? 0.6 : -0.6;
        s.samples.push_back(static_cast<float>(v * volume * (1.0 - t)));
    }
}

void Burst(Sound& s, double seconds, float volume, int smoothing) {
    Noise noise;
    std::size_t n = static_cast<std::size_t>(seconds * s.rate);
    float held = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i % static_cast<std::size_t>(smoothing) == 0) held = noise.Next();
        s.samples.push_back(held * volume * static_cast<float>(1.0 - static_cast<double>(i) / n));
    }
}

} // namespace

Sound SynthEffect(const std::string& name) {
    Sound s;
    if (name == "jump")
        Glide(s, 300, 900, 0.18, true, 0.5f);
    else if (name == "coin" || name == "item") {
        Glide(s, 988, 988, 0.06, true, 0.4f);
        Glide(s, 1319, 1319, name == "coin" ? 0.2 : 0.12, true, 0.4f);
    } else if (name == "hit")
        Burst(s, 0.12, 0.8f, 3);
    else if (name == "shot")
        Glide(s, 1400, 200, 0.12, true, 0.4f);
    else if (name == "explode")
        Burst(s, 0.6, 0.9f, 8);
    else if (name == "select")
        Glide(s, 880, 880, 0.04, true, 0.3f);
    else if (name == "decide") {
        Glide(s, 660, 660, 0.05, true, 0.4f);
        Glide(s, 990, 990, 0.1, true, 0.4f);
    } else if (name == "cancel")
        Glide(s, 500, 250, 0.1, true, 0.4f);
    else if (name == "clear") {
        for (double f : {523.25, 659.25, 783.99, 1046.5}) Glide(s, f, f, 0.15, false, 0.6f);
    } else if (name == "miss")
        Glide(s, 600, 100, 0.7, false, 0.7f);
    else
        Glide(s, 440, 440, 0.1, false, 0.5f); // "pause" and anything else: a short beep
    return s;
}

Sound SynthTune(int rate, double seconds) {
    Sound s;
    s.rate = rate;
    std::size_t n = static_cast<std::size_t>(seconds * rate);
    s.samples.assign(n, 0.0f);
    const double beat = 60.0 / kTuneTempoBpm;
    for (const TuneNote& note : TitleTune()) {
        double freq = 440.0 * std::pow(2.0, (note.key - 69) / 12.0);
        std::size_t start = static_cast<std::size_t>(note.beat * beat * rate);
        std::size_t length = static_cast<std::size_t>(note.length * beat * rate);
        for (std::size_t i = 0; i < length && start + i < n; ++i) {
            double t = static_cast<double>(i) / rate;
            double env = std::min(1.0, t * 50) * std::exp(-3.0 * t);
            s.samples[start + i] += static_cast<float>(0.25 * env * std::sin(kTwoPi * freq * t));
        }
    }
    return s;
}

std::vector<std::uint8_t> EncodeWave(const Sound& sound, int bitsPerSample) {
    const std::uint32_t bytesPerSample = bitsPerSample == 8 ? 1 : 2;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(sound.samples.size()) * bytesPerSample;
    Bytes out;
    out.text("RIFF").u32(4 + 8 + 16 + 8 + dataBytes + (dataBytes & 1)).text("WAVE");
    out.text("fmt ").u32(16).u16(1).u16(1).u32(static_cast<std::uint32_t>(sound.rate));
    out.u32(static_cast<std::uint32_t>(sound.rate) * bytesPerSample)
        .u16(static_cast<std::uint16_t>(bytesPerSample));
    out.u16(static_cast<std::uint16_t>(bitsPerSample));
    out.text("data").u32(dataBytes);
    for (float v : sound.samples) {
        float c = std::clamp(v, -1.0f, 1.0f);
        if (bytesPerSample == 1)
            out.u8(static_cast<std::uint8_t>(std::lround(c * 127.0f) + 128));
        else
            out.i16(static_cast<std::int16_t>(std::lround(c * 32767.0f)));
    }
    if (dataBytes & 1) out.u8(0);
    return out.data;
}
