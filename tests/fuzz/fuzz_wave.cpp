// Wave files for sound effects: any bytes are either read into a format block
// and sample bytes no larger than the file, or refused with nothing kept.
#include "FuzzCheck.h"

#include "sound/SoundEffects.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DSWAVE wave;
    const bool ok = DS_ReadWaveBytes("fuzz.wav", std::vector<std::uint8_t>(data, data + size), wave);
    if (!ok) {
        FuzzRequire(wave.Samples.empty(), "a refused wave kept samples");
        return 0;
    }
    FuzzRequire(wave.Format.wFormatTag == WAVE_FORMAT_PCM, "a wave other than PCM was accepted");
    FuzzRequire(!wave.Samples.empty() && wave.Samples.size() <= size, "samples larger than the file");
    return 0;
}
