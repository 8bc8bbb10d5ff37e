// The program's one sound mixer. Sound-effect voices and music sources (the
// Ogg player, the synthesiser) all mix here into 16-bit stereo at kMixRate;
// the audio device pulls the mix, and tests render it into memory.
//
// Voices keep DirectSound's meanings: volume in hundredths of a decibel
// (-10000 silent, 0 full), pan in hundredths of a decibel taken off the far
// side, a playback frequency per voice. Voices that share sample memory are
// the copies of one sound.
//
// Locking: the mixer's mutex guards every voice and every source. Mix holds
// it for the whole period, so a source's own control calls take the same
// mutex (through Lock()) and never see a half-mixed state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

constexpr int kMixRate = 44100;

constexpr std::int32_t kVolumeMin = -10000;
constexpr std::int32_t kVolumeMax = 0;
constexpr std::int32_t kPanLeft = -10000;
constexpr std::int32_t kPanRight = 10000;

// The gain of a volume in hundredths of a decibel: 1 at 0, 0 at -10000.
float VolumeToGain(std::int32_t volume);
// The left and right gains of a pan (a negative pan turns the right side down).
void PanToGains(std::int32_t pan, float& left, float& right);

// PCM sample bytes with their layout; shared by the copies of one sound.
struct cPcmSamples {
    std::vector<std::uint8_t> bytes;
    int channels = 1;
    int bitsPerSample = 8; // 8 (unsigned) or 16 (signed little-endian)
    int frameBytes() const { return channels * (bitsPerSample / 8); }
    std::size_t frames() const { return frameBytes() > 0 ? bytes.size() / frameBytes() : 0; }
};

// One playing position over shared samples: a sound buffer or one of its copies.
class cVoice {
public:
    explicit cVoice(std::shared_ptr<cPcmSamples> samples, std::uint32_t frequency);

    std::shared_ptr<cPcmSamples> samples;
    std::uint32_t frequency;    // frames per second of playback
    std::int32_t volume = 0;    // hundredths of a decibel
    std::int32_t pan = 0;       // hundredths of a decibel, -10000 left .. 10000 right
    std::uint64_t position = 0; // in 1/65536 frames
    bool playing = false;
    bool looping = false;
    bool inMixer = false; // on the mixer's voice list

    // Adds this voice's next frames into the float stereo mix; false when it ended.
    bool MixInto(float* out, std::size_t frames);
};

// A music source the mixer pulls every period.
class cAudioSource {
public:
    virtual ~cAudioSource() = default;
    // Adds `frames` stereo frames (interleaved float, -1..1) into `out`.
    // Called with the mixer's mutex held.
    virtual void MixInto(float* out, std::size_t frames) = 0;
};

class cAudioMixer {
public:
    cAudioMixer() = default;
    cAudioMixer(const cAudioMixer&) = delete;
    cAudioMixer& operator=(const cAudioMixer&) = delete;

    std::unique_lock<std::mutex> Lock() { return std::unique_lock<std::mutex>(mutex_); }

    // Renders the next frames (interleaved 16-bit stereo) and advances every voice and source.
    void Mix(std::int16_t* out, std::size_t frames);
    std::vector<std::int16_t> Render(std::size_t frames);

    // With the lock held: starts a voice from its position, or puts it on the list again.
    void PlayLocked(const std::shared_ptr<cVoice>& voice, bool looping);
    void AddSourceLocked(cAudioSource* source);
    void RemoveSourceLocked(cAudioSource* source);
    std::size_t ActiveVoicesLocked() const { return voices_.size(); }

private:
    std::mutex mutex_;
    std::vector<std::shared_ptr<cVoice>> voices_;
    std::vector<cAudioSource*> sources_;
    std::vector<float> scratch_;
};

// The program's mixer, pulled by the audio device when one is open.
cAudioMixer& AudioMixer();
