#include "tools/makedemo/Midi.h"

#include "tools/makedemo/Bytes.h"
#include "tools/makedemo/Tune.h"

#include <algorithm>
#include <tuple>

namespace {

constexpr int kTicksPerBeat = 480;

void VarLen(Bytes& out, std::uint32_t v) {
    std::uint8_t buf[5];
    int n = 0;
    buf[n++] = v & 0x7F;
    while (v >>= 7) buf[n++] = static_cast<std::uint8_t>((v & 0x7F) | 0x80);
    while (n) out.u8(buf[--n]);
}

std::vector<std::uint8_t> Chunk(const Bytes& body) {
    Bytes out;
    out.text("MTrk").be32(static_cast<std::uint32_t>(body.data.size())).append(body.data);
    return out.data;
}

std::vector<std::uint8_t> VoiceTrack(int voice, int channel, int program) {
    // (tick, off-before-on order, key, velocity)
    std::vector<std::tuple<std::uint32_t, int, int, int>> events;
    for (const TuneNote& n : TitleTune()) {
        if (n.voice != voice) continue;
        auto on = static_cast<std::uint32_t>(n.beat * kTicksPerBeat);
        auto off = static_cast<std::uint32_t>((n.beat + n.length) * kTicksPerBeat);
        events.emplace_back(on, 1, n.key, 100);
        events.emplace_back(off, 0, n.key, 0);
    }
    std::sort(events.begin(), events.end());
    Bytes t;
    VarLen(t, 0);
    t.u8(static_cast<std::uint8_t>(0xC0 | channel)).u8(static_cast<std::uint8_t>(program));
    std::uint32_t now = 0;
    for (auto& [tick, on, key, velocity] : events) {
        VarLen(t, tick - now);
        now = tick;
        t.u8(static_cast<std::uint8_t>((on ? 0x90 : 0x80) | channel));
        t.u8(static_cast<std::uint8_t>(key)).u8(static_cast<std::uint8_t>(velocity));
    }
    VarLen(t, 0);
    t.u8(0xFF).u8(0x2F).u8(0);
    return Chunk(t);
}

} // namespace

std::vector<std::uint8_t> EncodeTitleMidi() {
    Bytes tempo;
    VarLen(tempo, 0);
    std::uint32_t usPerBeat = 60000000u / kTuneTempoBpm;
    tempo.u8(0xFF).u8(0x51).u8(3).u8(usPerBeat >> 16).u8((usPerBeat >> 8) & 0xFF).u8(usPerBeat & 0xFF);
    VarLen(tempo, 0);
    tempo.u8(0xFF).u8(0x58).u8(4).u8(4).u8(2).u8(24).u8(8); // 4/4
    VarLen(tempo, static_cast<std::uint32_t>(TitleTuneBeats() * kTicksPerBeat));
    tempo.u8(0xFF).u8(0x2F).u8(0);

    Bytes out;
    out.text("MThd").be32(6).be16(1).be16(3).be16(kTicksPerBeat);
    out.append(Chunk(tempo));
    out.append(VoiceTrack(0, 0, 80)); // square lead
    out.append(VoiceTrack(1, 1, 33)); // finger bass
    return out.data;
}
