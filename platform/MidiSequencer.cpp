#include "platform/MidiSequencer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

std::uint32_t Le32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

constexpr std::size_t kEventHead = 12;

} // namespace

cMidiSequencer::cMidiSequencer(cAudioMixer& mixer, std::unique_ptr<cMidiOut> out,
                               cMidiSequencerListener* listener)
    : mixer_(mixer), out_(std::move(out)), listener_(listener) {
    auto lock = mixer_.Lock();
    mixer_.AddSourceLocked(this);
}

cMidiSequencer::~cMidiSequencer() {
    auto lock = mixer_.Lock();
    mixer_.RemoveSourceLocked(this);
}

void cMidiSequencer::QueueLocked(const std::uint8_t* data, std::size_t bytes, void* cookie) {
    queue_.push_back({data, bytes, cookie, 0});
}

void cMidiSequencer::PauseLocked() {
    playing_ = false;
    out_->AllNotesOff();
}

void cMidiSequencer::StopLocked() {
    playing_ = false;
    waiting_ = false;
    wait_ = 0;
    out_->AllNotesOff();
    std::deque<Buffer> returned;
    returned.swap(queue_);
    if (listener_)
        for (const Buffer& b : returned) listener_->OnBufferDone(b.cookie);
}

bool cMidiSequencer::SetDivisionLocked(std::uint32_t division) {
    if ((division & 0xFFFF) == 0 || division > 0xFFFF) return false;
    if ((division & 0x8000) && ((division & 0xFF) == 0 || (division >> 8) == 0x80)) return false;
    division_ = division;
    return true;
}

void cMidiSequencer::SetTempoLocked(std::uint32_t microsecondsPerQuarter) {
    if (microsecondsPerQuarter != 0) tempo_ = microsecondsPerQuarter;
}

double cMidiSequencer::SamplesFor(std::uint32_t ticks) const {
    if (division_ & 0x8000) {
        const int framesPerSecond = -static_cast<std::int8_t>(division_ >> 8);
        const int ticksPerFrame = division_ & 0xFF;
        return ticks * static_cast<double>(kMixRate) / (framesPerSecond * ticksPerFrame);
    }
    return ticks * (tempo_ / 1e6) * kMixRate / division_;
}

void cMidiSequencer::PlayEvent(Buffer& b) {
    const std::size_t at = b.offset;
    const std::uint32_t word = Le32(b.data + at + 8);
    std::size_t size = kEventHead;
    if (word & MEVT_F_LONG) {
        const std::size_t length = word & 0xFFFFFF;
        size += (length + 3) & ~std::size_t{3};
        // A long event that runs past its buffer ends the buffer.
        if (size > b.size - at) {
            b.offset = b.size;
            return;
        }
        out_->SysEx(b.data + at + kEventHead, length);
    } else {
        const std::uint8_t type = (word >> 24) & 0x3F;
        if (type == MEVT_SHORTMSG) {
            if ((word & 0xF0) >= 0x80 && (word & 0xF0) < 0xF0) out_->ShortMessage(word & 0xFFFFFF);
        } else if (type == MEVT_TEMPO) {
            SetTempoLocked(word & 0xFFFFFF);
        }
    }
    b.offset = at + size;
    if (word & MEVT_F_CALLBACK) news_.push_back({b.cookie, static_cast<std::uint32_t>(at), false});
}

void cMidiSequencer::PlayDueEvents() {
    while (playing_ && !queue_.empty()) {
        Buffer& b = queue_.front();
        if (b.size < kEventHead || b.offset > b.size - kEventHead) {
            news_.push_back({b.cookie, 0, true});
            queue_.pop_front();
            continue;
        }
        if (!waiting_) {
            wait_ += SamplesFor(Le32(b.data + b.offset));
            waiting_ = true;
        }
        if (wait_ > 0) return;
        waiting_ = false;
        PlayEvent(b);
    }
}

void cMidiSequencer::MixInto(float* out, std::size_t frames) {
    // An output whose SoundFont still loads holds the clock: the music starts
    // from its first event once the output can sound it.
    if (!out_->Ready()) return;
    std::size_t done = 0;
    while (done < frames) {
        PlayDueEvents();
        std::size_t chunk = frames - done;
        const bool timed = playing_ && !queue_.empty() && waiting_;
        if (timed) chunk = std::min(chunk, static_cast<std::size_t>(std::max(1.0, std::ceil(wait_))));
        out_->RenderAdd(out + 2 * done, chunk, gain_);
        if (timed) wait_ -= static_cast<double>(chunk);
        done += chunk;
    }
    std::vector<News> news;
    news.swap(news_);
    if (!listener_) return;
    for (const News& n : news)
        if (n.done) listener_->OnBufferDone(n.cookie);
    for (const News& n : news)
        if (!n.done) listener_->OnCallbackEvent(n.cookie, n.offset);
}
