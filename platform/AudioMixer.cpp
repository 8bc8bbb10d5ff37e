#include "platform/AudioMixer.h"

#include <algorithm>
#include <cmath>

float VolumeToGain(std::int32_t volume) {
    if (volume <= kVolumeMin) return 0.0f;
    if (volume >= kVolumeMax) return 1.0f;
    return static_cast<float>(std::pow(10.0, volume / 2000.0));
}

void PanToGains(std::int32_t pan, float& left, float& right) {
    pan = std::clamp(pan, kPanLeft, kPanRight);
    left = pan > 0 ? VolumeToGain(-pan) : 1.0f;
    right = pan < 0 ? VolumeToGain(pan) : 1.0f;
}

namespace {

float SampleAt(const cPcmSamples& s, std::size_t frame, int channel) {
    const std::size_t offset = frame * s.frameBytes() + channel * (s.bitsPerSample / 8);
    if (s.bitsPerSample == 8) return (static_cast<int>(s.bytes[offset]) - 128) / 128.0f;
    const auto v = static_cast<std::int16_t>(s.bytes[offset] | (s.bytes[offset + 1] << 8));
    return v / 32768.0f;
}

} // namespace

cVoice::cVoice(std::shared_ptr<cPcmSamples> s, std::uint32_t f) : samples(std::move(s)), frequency(f) {}

bool cVoice::MixInto(float* out, std::size_t frames) {
    const cPcmSamples& s = *samples;
    const std::size_t count = s.frames();
    if (!playing || count == 0 || frequency == 0) return false;
    const std::uint64_t step = (static_cast<std::uint64_t>(frequency) << 16) / kMixRate;
    const std::uint64_t end = static_cast<std::uint64_t>(count) << 16;
    float left = 0, right = 0;
    PanToGains(pan, left, right);
    const float gain = VolumeToGain(volume);
    left *= gain;
    right *= gain;
    const bool stereo = s.channels >= 2;
    for (std::size_t i = 0; i < frames; ++i) {
        if (position >= end) {
            if (!looping) {
                playing = false;
                position = 0;
                return false;
            }
            position %= end;
        }
        const std::size_t frame = static_cast<std::size_t>(position >> 16);
        const float t = (position & 0xFFFF) / 65536.0f;
        const std::size_t next = frame + 1 < count ? frame + 1 : (looping ? 0 : frame);
        const float l0 = SampleAt(s, frame, 0), l1 = SampleAt(s, next, 0);
        const float l = l0 + (l1 - l0) * t;
        float r = l;
        if (stereo) {
            const float r0 = SampleAt(s, frame, 1), r1 = SampleAt(s, next, 1);
            r = r0 + (r1 - r0) * t;
        }
        out[2 * i] += l * left;
        out[2 * i + 1] += r * right;
        position += step;
    }
    return true;
}

void cAudioMixer::Mix(std::int16_t* out, std::size_t frames) {
    std::lock_guard<std::mutex> lock(mutex_);
    scratch_.assign(frames * 2, 0.0f);
    // Voices that end are dropped after the walk, never during it.
    for (auto& voice : voices_) {
        if (!voice->MixInto(scratch_.data(), frames)) voice->inMixer = false;
    }
    std::erase_if(voices_, [](const std::shared_ptr<cVoice>& v) { return !v->inMixer; });
    for (cAudioSource* source : sources_) source->MixInto(scratch_.data(), frames);
    for (std::size_t i = 0; i < frames * 2; ++i) {
        const float v = std::clamp(scratch_[i], -1.0f, 1.0f);
        out[i] = static_cast<std::int16_t>(std::lrint(v * 32767.0f));
    }
}

std::vector<std::int16_t> cAudioMixer::Render(std::size_t frames) {
    std::vector<std::int16_t> out(frames * 2);
    Mix(out.data(), frames);
    return out;
}

void cAudioMixer::PlayLocked(const std::shared_ptr<cVoice>& voice, bool looping) {
    voice->playing = true;
    voice->looping = looping;
    if (!voice->inMixer) {
        voice->inMixer = true;
        voices_.push_back(voice);
    }
}

void cAudioMixer::AddSourceLocked(cAudioSource* source) {
    if (std::find(sources_.begin(), sources_.end(), source) == sources_.end()) sources_.push_back(source);
}

void cAudioMixer::RemoveSourceLocked(cAudioSource* source) {
    std::erase(sources_, source);
}

cAudioMixer& AudioMixer() {
    // Never destroyed: players held by other globals may still leave it at exit.
    static cAudioMixer* mixer = new cAudioMixer;
    return *mixer;
}
