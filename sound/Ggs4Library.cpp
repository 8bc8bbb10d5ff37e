#include "sound/Ggs4Library.h"

#include "platform/MidiSynth.h"
#include "sound/MidiEncode.h"
#include "sound/Smf.h"

#include <algorithm>

namespace {

enum : int { kOk = 0, kNoDevice = 1, kNoFile = 2, kNoList = 3 };
constexpr std::uint32_t kDefaultTempo = 500000;

} // namespace

cGgs4Library::~cGgs4Library() {
    CloseDevice();
}

int cGgs4Library::OpenDevice(int, HWND) {
    if (sequencer_) return kOk;
    std::string error;
    std::unique_ptr<cMidiOut> synth = CreateMidiSynth(error);
    if (!synth) return kNoDevice;
    sequencer_ = std::make_unique<cMidiSequencer>(AudioMixer(), std::move(synth), this);
    return kOk;
}

void cGgs4Library::CloseDevice() {
    if (!sequencer_) return;
    StopDevice();
    sequencer_.reset();
    lists_.clear();
}

bool cGgs4Library::IsOpen() {
    CloseIfLoadFailed();
    return sequencer_ != nullptr;
}

void cGgs4Library::CloseIfLoadFailed() {
    // The device opened while its SoundFont was still loading; that load failed.
    if (sequencer_ && sequencer_->OutputFailed()) CloseDevice();
}

void cGgs4Library::StopDevice() {
    auto lock = sequencer_->Mixer().Lock();
    stopping_ = true;
    sequencer_->StopLocked();
    stopping_ = false;
    current_ = nullptr;
}

int cGgs4Library::AddListFromFileA(const char* fileName, int, int id) {
    CloseIfLoadFailed();
    if (!sequencer_) return kNoDevice;
    cSmf smf(fileName ? fileName : "");
    if (!smf.HasImage()) return kNoFile;
    // The whole track in one buffer: every image byte gives at most six stream bytes.
    List list;
    list.division = smf.Division();
    list.events.resize(smf.m_Image.size() * 6 + kStreamEventHead);
    std::uint32_t carried = 0;
    const cStreamFill fill = FillStreamBuffer(smf.m_Image, kSmfImageHeader, smf.ImageEnd(),
                                              list.events.data(), list.events.size(), carried);
    list.events.resize(fill.written);
    auto lock = sequencer_->Mixer().Lock();
    if (current_ == &lists_[id]) {
        stopping_ = true;
        sequencer_->StopLocked();
        stopping_ = false;
        current_ = nullptr;
    }
    lists_[id] = std::move(list);
    return kOk;
}

int cGgs4Library::Play(int option, int id, int, int, int) {
    CloseIfLoadFailed();
    if (!sequencer_) return kNoDevice;
    auto it = lists_.find(id);
    if (it == lists_.end() || it->second.events.empty()) return kNoList;
    auto lock = sequencer_->Mixer().Lock();
    stopping_ = true;
    sequencer_->StopLocked();
    stopping_ = false;
    current_ = &it->second;
    loop_ = (option & 1) != 0;
    sequencer_->SetDivisionLocked(current_->division);
    sequencer_->SetTempoLocked(kDefaultTempo);
    sequencer_->QueueLocked(current_->events.data(), current_->events.size(), nullptr);
    sequencer_->RestartLocked();
    return kOk;
}

void cGgs4Library::OnBufferDone(void*) {
    // The end of the music: from its start again when it loops.
    if (stopping_ || !loop_ || !current_) return;
    sequencer_->SetTempoLocked(kDefaultTempo);
    sequencer_->QueueLocked(current_->events.data(), current_->events.size(), nullptr);
}

void cGgs4Library::Stop(int) {
    CloseIfLoadFailed();
    if (sequencer_) StopDevice();
}

void cGgs4Library::Pause() {
    CloseIfLoadFailed();
    if (!sequencer_) return;
    auto lock = sequencer_->Mixer().Lock();
    sequencer_->PauseLocked();
}

void cGgs4Library::SetMasterVolume(int volume) {
    CloseIfLoadFailed();
    if (!sequencer_) return;
    auto lock = sequencer_->Mixer().Lock();
    sequencer_->SetGainLocked((std::clamp(volume, -127, 0) + 127) / 127.0f);
}

bool cGgs4Library::IsPlaying() {
    CloseIfLoadFailed();
    if (!sequencer_) return false;
    auto lock = sequencer_->Mixer().Lock();
    return sequencer_->IsPlayingLocked() && sequencer_->HasQueuedLocked();
}

cGgs4Library& Ggs4Library() {
    static cGgs4Library library;
    return library;
}
