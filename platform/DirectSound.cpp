#include "platform/DirectSound.h"

#include "platform/AudioDevice.h"

#include <algorithm>
#include <new>
#include <string>

cDirectSoundBuffer::cDirectSoundBuffer(cAudioMixer* mixer, DWORD flags, const WAVEFORMATEX& format,
                                       std::shared_ptr<cVoice> voice)
    : mixer_(mixer), flags_(flags), format_(format), primary_(voice == nullptr), voice_(std::move(voice)) {}

cDirectSoundBuffer::~cDirectSoundBuffer() {
    if (voice_) {
        auto lock = mixer_->Lock();
        voice_->playing = false;
    }
}

HRESULT cDirectSoundBuffer::Play(DWORD, DWORD, DWORD flags) {
    if (primary_) return DS_OK;
    auto lock = mixer_->Lock();
    mixer_->PlayLocked(voice_, (flags & DSBPLAY_LOOPING) != 0);
    return DS_OK;
}

HRESULT cDirectSoundBuffer::Stop() {
    if (primary_) return DS_OK;
    auto lock = mixer_->Lock();
    voice_->playing = false;
    return DS_OK;
}

HRESULT cDirectSoundBuffer::SetCurrentPosition(DWORD bytePosition) {
    if (primary_) return DSERR_INVALIDCALL;
    auto lock = mixer_->Lock();
    const int frameBytes = std::max(1, voice_->samples->frameBytes());
    const std::uint64_t frame = std::min<std::uint64_t>(bytePosition / frameBytes, voice_->samples->frames());
    voice_->position = frame << 16;
    return DS_OK;
}

HRESULT cDirectSoundBuffer::GetCurrentPosition(DWORD* playBytes, DWORD* writeBytes) {
    if (primary_) return DSERR_INVALIDCALL;
    auto lock = mixer_->Lock();
    const auto bytes = static_cast<DWORD>((voice_->position >> 16) * voice_->samples->frameBytes());
    if (playBytes) *playBytes = bytes;
    if (writeBytes) *writeBytes = bytes;
    return DS_OK;
}

HRESULT cDirectSoundBuffer::GetStatus(DWORD* status) {
    if (!status) return DSERR_INVALIDPARAM;
    *status = 0;
    if (primary_) return DS_OK;
    auto lock = mixer_->Lock();
    if (voice_->playing) *status = DSBSTATUS_PLAYING | (voice_->looping ? DSBSTATUS_LOOPING : 0);
    return DS_OK;
}

HRESULT cDirectSoundBuffer::SetVolume(LONG volume) {
    if (!(flags_ & DSBCAPS_CTRLVOLUME)) return DSERR_INVALIDCALL;
    if (volume < kVolumeMin || volume > kVolumeMax) return DSERR_INVALIDPARAM;
    if (primary_) return DS_OK;
    auto lock = mixer_->Lock();
    voice_->volume = volume;
    return DS_OK;
}

HRESULT cDirectSoundBuffer::GetVolume(LONG* volume) {
    if (!volume) return DSERR_INVALIDPARAM;
    *volume = 0;
    if (primary_) return DS_OK;
    auto lock = mixer_->Lock();
    *volume = voice_->volume;
    return DS_OK;
}

HRESULT cDirectSoundBuffer::SetPan(LONG pan) {
    if (!(flags_ & DSBCAPS_CTRLPAN)) return DSERR_INVALIDCALL;
    if (pan < kPanLeft || pan > kPanRight) return DSERR_INVALIDPARAM;
    if (primary_) return DS_OK;
    auto lock = mixer_->Lock();
    voice_->pan = pan;
    return DS_OK;
}

HRESULT cDirectSoundBuffer::GetPan(LONG* pan) {
    if (!pan) return DSERR_INVALIDPARAM;
    *pan = 0;
    if (primary_) return DS_OK;
    auto lock = mixer_->Lock();
    *pan = voice_->pan;
    return DS_OK;
}

HRESULT cDirectSoundBuffer::SetFrequency(DWORD frequency) {
    if (primary_ || !(flags_ & DSBCAPS_CTRLFREQUENCY)) return DSERR_INVALIDCALL;
    if (frequency == 0) frequency = format_.nSamplesPerSec;
    if (frequency < DSBFREQUENCY_MIN || frequency > DSBFREQUENCY_MAX) return DSERR_INVALIDPARAM;
    auto lock = mixer_->Lock();
    voice_->frequency = frequency;
    return DS_OK;
}

HRESULT cDirectSoundBuffer::GetFrequency(DWORD* frequency) {
    if (!frequency) return DSERR_INVALIDPARAM;
    if (primary_) return DSERR_INVALIDCALL;
    auto lock = mixer_->Lock();
    *frequency = voice_->frequency;
    return DS_OK;
}

HRESULT cDirectSoundBuffer::SetFormat(const WAVEFORMATEX* format) {
    if (!primary_) return DSERR_INVALIDCALL;
    if (!format) return DSERR_INVALIDPARAM;
    format_ = *format;
    return DS_OK;
}

HRESULT cDirectSoundBuffer::GetFormat(WAVEFORMATEX* format) {
    if (!format) return DSERR_INVALIDPARAM;
    *format = format_;
    return DS_OK;
}

HRESULT cDirectSoundBuffer::Lock(DWORD offset, DWORD bytes, void** first, DWORD* firstBytes, void** second,
                                 DWORD* secondBytes, DWORD flags) {
    if (primary_ || !first || !firstBytes) return DSERR_INVALIDCALL;
    std::vector<std::uint8_t>& memory = voice_->samples->bytes;
    if (flags & DSBLOCK_ENTIREBUFFER) {
        offset = 0;
        bytes = static_cast<DWORD>(memory.size());
    }
    if (offset > memory.size() || bytes > memory.size() - offset) return DSERR_INVALIDPARAM;
    *first = memory.data() + offset;
    *firstBytes = bytes;
    if (second) *second = nullptr;
    if (secondBytes) *secondBytes = 0;
    return DS_OK;
}

HRESULT cDirectSoundBuffer::Unlock(void*, DWORD, void*, DWORD) {
    return primary_ ? DSERR_INVALIDCALL : DS_OK;
}

cDirectSound::cDirectSound(cAudioMixer* mixer) : mixer_(mixer) {}

HRESULT cDirectSound::SetCooperativeLevel(HWND, DWORD) {
    return DS_OK;
}

HRESULT cDirectSound::CreateSoundBuffer(const DSBUFFERDESC* desc, cDirectSoundBuffer** out, void*) {
    if (!desc || !out) return DSERR_INVALIDPARAM;
    *out = nullptr;
    if (desc->dwFlags & DSBCAPS_PRIMARYBUFFER) {
        if (desc->dwBufferBytes != 0 || desc->lpwfxFormat) return DSERR_INVALIDPARAM;
        WAVEFORMATEX format{WAVE_FORMAT_PCM, 2, kMixRate, kMixRate * 4, 4, 16, 0};
        *out = new (std::nothrow) cDirectSoundBuffer(mixer_, desc->dwFlags, format, nullptr);
        return *out ? DS_OK : DSERR_OUTOFMEMORY;
    }
    const WAVEFORMATEX* f = desc->lpwfxFormat;
    if (!f || desc->dwBufferBytes == 0) return DSERR_INVALIDPARAM;
    if (f->wFormatTag != WAVE_FORMAT_PCM || (f->nChannels != 1 && f->nChannels != 2) ||
        (f->wBitsPerSample != 8 && f->wBitsPerSample != 16) || f->nSamplesPerSec < DSBFREQUENCY_MIN ||
        f->nSamplesPerSec > DSBFREQUENCY_MAX)
        return DSERR_BADFORMAT;
    auto samples = std::make_shared<cPcmSamples>();
    try {
        samples->bytes.assign(desc->dwBufferBytes, f->wBitsPerSample == 8 ? 0x80 : 0x00);
    } catch (const std::bad_alloc&) {
        return DSERR_OUTOFMEMORY;
    }
    samples->channels = f->nChannels;
    samples->bitsPerSample = f->wBitsPerSample;
    auto voice = std::make_shared<cVoice>(std::move(samples), f->nSamplesPerSec);
    *out = new (std::nothrow) cDirectSoundBuffer(mixer_, desc->dwFlags, *f, std::move(voice));
    return *out ? DS_OK : DSERR_OUTOFMEMORY;
}

HRESULT cDirectSound::DuplicateSoundBuffer(cDirectSoundBuffer* source, cDirectSoundBuffer** out) {
    if (!source || !out || source->primary_) return DSERR_INVALIDPARAM;
    *out = nullptr;
    std::shared_ptr<cVoice> voice;
    {
        auto lock = mixer_->Lock();
        voice = std::make_shared<cVoice>(source->voice_->samples, source->voice_->frequency);
        voice->volume = source->voice_->volume;
        voice->pan = source->voice_->pan;
    }
    *out = new (std::nothrow) cDirectSoundBuffer(mixer_, source->flags_, source->format_, std::move(voice));
    return *out ? DS_OK : DSERR_OUTOFMEMORY;
}

HRESULT DirectSoundCreate(const void*, cDirectSound** out, void*) {
    if (!out) return DSERR_INVALIDPARAM;
    *out = nullptr;
    std::string error;
    if (!OpenAudioDevice(error)) return DSERR_NODRIVER;
    *out = new (std::nothrow) cDirectSound(&AudioMixer());
    return *out ? DS_OK : DSERR_OUTOFMEMORY;
}
