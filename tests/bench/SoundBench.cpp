// What sound costs on the audio thread: one second of mix (44100 frames in
// periods of 1024) with sixteen sound-effect voices, with the synthesiser
// playing a dense MIDI track, and with the Ogg decoder. Not a test; run
// build/brindle_bench --benchmark_filter=Sound to see the figures (a second of
// sound in 10 ms is 1% of one core).
#include "platform/AudioMixer.h"
#include "platform/MidiSynth.h"
#include "platform/Vox.h"
#include "sound/Ggs4Library.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

constexpr std::size_t kPeriod = 1024;

void RenderSecond(cAudioMixer& mixer) {
    for (std::size_t done = 0; done < kMixRate; done += kPeriod)
        benchmark::DoNotOptimize(mixer.Render(std::min<std::size_t>(kPeriod, kMixRate - done)));
}

void SixteenVoices(benchmark::State& state) {
    cAudioMixer mixer;
    auto samples = std::make_shared<cPcmSamples>();
    samples->bitsPerSample = 8;
    samples->bytes.assign(22050 * 10, 0x90);
    std::vector<std::shared_ptr<cVoice>> voices;
    for (int i = 0; i < 16; ++i) {
        auto v = std::make_shared<cVoice>(samples, 22050);
        v->volume = -300;
        v->pan = (i - 8) * 500;
        auto lock = mixer.Lock();
        mixer.PlayLocked(v, true);
        voices.push_back(v);
    }
    for (auto _ : state) RenderSecond(mixer);
}
BENCHMARK(SixteenVoices)->Name("Sound/SixteenVoicesOneSecond")->Unit(benchmark::kMillisecond);

// A track of four-note chords on every sixteenth at 120 beats a minute.
std::vector<std::uint8_t> DenseMidi() {
    std::vector<std::uint8_t> t = {0x00, 0xC0, 0x00, 0x00, 0xC1, 0x30};
    for (int i = 0; i < 64; ++i) {
        const std::uint8_t k = static_cast<std::uint8_t>(48 + i % 24);
        for (std::uint8_t n : {k, std::uint8_t(k + 4), std::uint8_t(k + 7), std::uint8_t(k + 12)})
            t.insert(t.end(), {0x00, static_cast<std::uint8_t>(n < 60 ? 0x91 : 0x90), n, 0x60});
        t.insert(t.end(), {0x18, 0x80, k, 0x00});
        t.insert(t.end(), {0x00, 0x80, std::uint8_t(k + 4), 0x00, 0x00, 0x80, std::uint8_t(k + 7), 0x00});
        t.insert(t.end(), {0x00, 0x80, std::uint8_t(k + 12), 0x00});
    }
    t.insert(t.end(), {0x00, 0xFF, 0x2F, 0x00});
    std::vector<std::uint8_t> f = {'M',
                                   'T',
                                   'h',
                                   'd',
                                   0,
                                   0,
                                   0,
                                   6,
                                   0,
                                   0,
                                   0,
                                   1,
                                   0,
                                   96,
                                   'M',
                                   'T',
                                   'r',
                                   'k',
                                   0,
                                   0,
                                   static_cast<std::uint8_t>(t.size() >> 8),
                                   static_cast<std::uint8_t>(t.size())};
    f.insert(f.end(), t.begin(), t.end());
    return f;
}

void SynthesiserPlaying(benchmark::State& state) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "brindle-bench-dense.mid";
    const auto bytes = DenseMidi();
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    cGgs4Library& lib = Ggs4Library();
    if (lib.OpenDevice(-1, nullptr) != 0 || lib.AddListFromFileA(file.c_str(), 0, 0) != 0 ||
        lib.Play(1, 0, 0, 0, 0)) {
        state.SkipWithError("no synthesiser");
        return;
    }
    for (auto _ : state) RenderSecond(AudioMixer());
    lib.CloseDevice();
    std::filesystem::remove(file);
}
BENCHMARK(SynthesiserPlaying)->Name("Sound/SynthesiserOneSecond")->Unit(benchmark::kMillisecond);

void OggPlaying(benchmark::State& state) {
    const std::string path = "demo/bgm/Stage.ogg"; // run from the build folder
    cVox* vox = CreateVox();
    if (!vox || !vox->Load(path.c_str())) {
        state.SkipWithError("no demo Ogg file");
        if (vox) vox->Release();
        return;
    }
    vox->SetLoop(kVoxLoopEndless);
    vox->Play();
    for (auto _ : state) RenderSecond(AudioMixer());
    vox->Release();
}
BENCHMARK(OggPlaying)->Name("Sound/OggOneSecond")->Unit(benchmark::kMillisecond);

} // namespace
