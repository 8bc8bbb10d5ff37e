#include "platform/Vox.h"

#include "platform/AudioMixer.h"
#include "platform/PathResolver.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <new>

namespace {

class cVoxPlayer : public cVox, public cAudioSource {
public:
    explicit cVoxPlayer(cAudioMixer& mixer) : mixer_(mixer) {
        auto lock = mixer_.Lock();
        mixer_.AddSourceLocked(this);
    }

    BYTE Load(const char* fileName) override {
        Close();
        if (!fileName) return 0;
        std::FILE* fp = std::fopen(ResolvePath(fileName).c_str(), "rb");
        if (!fp) return 0;
        auto lock = mixer_.Lock();
        if (ov_open_callbacks(fp, &file_, nullptr, 0, OV_CALLBACKS_DEFAULT) != 0) {
            std::fclose(fp);
            return 0;
        }
        const vorbis_info* info = ov_info(&file_, -1);
        if (!info || info->channels < 1 || info->rate <= 0) {
            ov_clear(&file_);
            return 0;
        }
        open_ = true;
        rate_ = info->rate;
        channels_ = info->channels;
        ResetDecodeLocked();
        return 1;
    }

    void Play() override {
        auto lock = mixer_.Lock();
        if (open_) playing_ = true;
    }

    void Stop() override {
        auto lock = mixer_.Lock();
        playing_ = false;
    }

    void Close() override {
        auto lock = mixer_.Lock();
        playing_ = false;
        if (open_) ov_clear(&file_);
        open_ = false;
    }

    void SetLoop(std::int32_t count) override {
        auto lock = mixer_.Lock();
        loops_ = count;
    }

    void SetVolume(float volume) override {
        auto lock = mixer_.Lock();
        volume_ = std::clamp(volume, 0.0f, 1.0f);
    }

    void Release() override {
        Close();
        {
            auto lock = mixer_.Lock();
            mixer_.RemoveSourceLocked(this);
        }
        delete this;
    }

    void MixInto(float* out, std::size_t frames) override {
        if (!playing_) return;
        const double step = static_cast<double>(rate_) / kMixRate;
        for (std::size_t i = 0; i < frames; ++i) {
            // Two decoded frames around the position: `prev_` and `next_`.
            while (phase_ >= 1.0) {
                if (!AdvanceLocked()) {
                    playing_ = false;
                    return;
                }
                phase_ -= 1.0;
            }
            const float t = static_cast<float>(phase_);
            out[2 * i] += (prev_[0] + (next_[0] - prev_[0]) * t) * volume_;
            out[2 * i + 1] += (prev_[1] + (next_[1] - prev_[1]) * t) * volume_;
            phase_ += step;
        }
    }

private:
    void ResetDecodeLocked() {
        decoded_ = nullptr;
        decodedFrames_ = 0;
        decodedAt_ = 0;
        prev_[0] = prev_[1] = next_[0] = next_[1] = 0;
        phase_ = 1.0;
        primed_ = false;
    }

    // Reads the next decoded frame into next_ (the old one into prev_);
    // at the end of the file it loops or reports the end.
    bool AdvanceLocked() {
        prev_[0] = next_[0];
        prev_[1] = next_[1];
        for (int tries = 0; decodedAt_ >= decodedFrames_; ++tries) {
            const long got = ov_read_float(&file_, &decoded_, 1024, &section_);
            if (got > 0) {
                decodedFrames_ = got;
                decodedAt_ = 0;
                break;
            }
            // The end (or a damaged stretch that cannot be decoded).
            if (got < 0 && got != OV_HOLE) return false;
            if (got == OV_HOLE) continue;
            if (tries > 0 || loops_ == 0 || ov_pcm_seek(&file_, 0) != 0) return false;
            if (loops_ != kVoxLoopEndless) --loops_;
        }
        next_[0] = decoded_[0][decodedAt_];
        next_[1] = channels_ > 1 ? decoded_[1][decodedAt_] : next_[0];
        ++decodedAt_;
        if (!primed_) {
            // The very first frame plays as it is, not faded in from silence.
            primed_ = true;
            prev_[0] = next_[0];
            prev_[1] = next_[1];
        }
        return true;
    }

    cAudioMixer& mixer_;
    OggVorbis_File file_{};
    bool open_ = false;
    bool playing_ = false;
    bool primed_ = false;
    long rate_ = 0;
    int channels_ = 0;
    std::int32_t loops_ = 0;
    float volume_ = 1.0f;
    float** decoded_ = nullptr;
    long decodedFrames_ = 0;
    long decodedAt_ = 0;
    int section_ = 0;
    float prev_[2] = {};
    float next_[2] = {};
    double phase_ = 1.0;
};

} // namespace

cVox* CreateVox() {
    return new (std::nothrow) cVoxPlayer(AudioMixer());
}
