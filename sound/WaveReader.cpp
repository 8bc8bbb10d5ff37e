// Wave files for sound effects: only PCM, with a format chunk of at most 18 bytes.
#include "foundation/ErrorLog.h"
#include "platform/Mmio.h"
#include "sound/SoundEffects.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

bool ReadOpened(const char* name, HMMIO file, DSWAVE& wave) {
    MMCKINFO riff{};
    riff.fccType = MakeFourCC('W', 'A', 'V', 'E');
    if (mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF) != MMSYSERR_NOERROR) {
        ReportError("%s の読み込みに失敗しました…\n不正なファイルです。", name);
        return false;
    }
    MMCKINFO chunk{};
    chunk.ckid = MakeFourCC('f', 'm', 't', ' ');
    if (mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR) return false;
    const LONG formatSize = static_cast<LONG>(chunk.cksize);
    if (chunk.cksize > sizeof(WAVEFORMATEX) ||
        mmioRead(file, reinterpret_cast<char*>(&wave.Format), formatSize) != formatSize) {
        ReportError("%s "
                    "の読み込みに失敗しました…\n対応していない形式か、不正なwavファイルです。\n本ソフトではPC"
                    "M形式のみ再"
                    "生できます。",
                    name);
        return false;
    }
    if (wave.Format.wFormatTag != WAVE_FORMAT_PCM) {
        ReportError(
            "%s の読み込みに失敗しました…\nPCM形式以外の形式です。\n本ソフトではPCM形式のみ再生できます。",
            name);
        return false;
    }
    mmioAscend(file, &chunk, 0);
    MMCKINFO data{};
    data.ckid = MakeFourCC('d', 'a', 't', 'a');
    if (mmioDescend(file, &data, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR || data.cksize == 0) return false;
    // The stated size is only believed as far as the file bears it out: the
    // samples grow by steps while the reads come back full.
    constexpr std::size_t kStep = 1 << 20;
    const std::size_t stated = data.cksize;
    try {
        while (wave.Samples.size() < stated) {
            const std::size_t at = wave.Samples.size();
            const std::size_t want = std::min(kStep, stated - at);
            wave.Samples.resize(at + want);
            const LONG got =
                mmioRead(file, reinterpret_cast<char*>(wave.Samples.data() + at), static_cast<LONG>(want));
            wave.Samples.resize(at + static_cast<std::size_t>(std::max<LONG>(got, 0)));
            if (static_cast<std::size_t>(std::max<LONG>(got, 0)) < want) break;
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return !wave.Samples.empty();
}

bool ReadAndClose(const char* name, HMMIO file, DSWAVE& wave) {
    wave = DSWAVE{};
    if (!file) return false;
    const bool ok = ReadOpened(name, file, wave);
    mmioClose(file, 0);
    if (!ok) wave = DSWAVE{};
    return ok;
}

} // namespace

bool DS_ReadWave(const char* fileName, DSWAVE& wave) {
    return ReadAndClose(fileName, mmioOpenA(fileName, nullptr, MMIO_READ), wave);
}

bool DS_ReadWaveBytes(const char* fileName, std::vector<std::uint8_t> bytes, DSWAVE& wave) {
    return ReadAndClose(fileName, mmioOpenMemory(std::move(bytes)), wave);
}

void DS_FreeWave(DSWAVE& wave) {
    wave.Samples.clear();
    wave.Samples.shrink_to_fit();
}
