#include "sound/MidiEncode.h"

#include "platform/MidiSequencer.h"
#include "sound/Smf.h"

#include <algorithm>
#include <cstring>

namespace {

void Put32(std::uint8_t* at, std::uint32_t v) {
    std::memcpy(at, &v, 4);
}

// One event of the image at `pos` (after its delta): what it takes and what it writes.
struct Encoded {
    std::size_t imageBytes = 0;  // 0: damaged
    std::size_t streamBytes = 0; // 0: nothing to write
    std::uint32_t word = 0;
    const std::uint8_t* params = nullptr; // a long event's status and data
    std::size_t paramBytes = 0;
    bool end = false;
};

Encoded Decode(const std::vector<std::uint8_t>& image, std::size_t pos, std::size_t end) {
    Encoded e;
    const std::uint8_t* p = image.data() + pos;
    const std::uint8_t* last = image.data() + end;
    const std::size_t left = end - pos;
    const std::uint8_t status = p[0];
    if (status == 0xFF) {
        if (left >= 3 && p[1] == 0x2F && p[2] == 0x00) {
            e.imageBytes = 3;
            e.streamBytes = kStreamEventHead;
            e.word = kStreamEndMarker;
            e.end = true;
            return e;
        }
        std::uint32_t length = 0;
        const int n = left >= 2 ? ReadVarLen(p + 2, last, length) : 0;
        if (n == 0 || length > left - 2 - n) return e;
        e.imageBytes = 2 + n + length;
        if (p[1] == 0x51 && length == 3) {
            e.streamBytes = kStreamEventHead;
            e.word = (std::uint32_t{MEVT_TEMPO} << 24) | (std::uint32_t{p[2 + n]} << 16) |
                     (std::uint32_t{p[3 + n]} << 8) | p[4 + n];
        }
        return e;
    }
    if (status == 0xF0 || status == 0xF7) {
        std::uint32_t length = 0;
        const int n = ReadVarLen(p + 1, last, length);
        if (n == 0 || length > left - 1 - n) return e;
        e.imageBytes = 1 + n + length;
        e.paramBytes = std::size_t{length} + 1;
        e.streamBytes = kStreamEventHead + ((e.paramBytes + 3) & ~std::size_t{3});
        e.word = MEVT_F_LONG | static_cast<std::uint32_t>(e.paramBytes);
        e.params = p; // the status byte, then (after the length) the data
        return e;
    }
    const std::size_t size = (status >= 0xC0 && status <= 0xDF) ? 2 : 3;
    if (size > left) return e;
    e.imageBytes = size;
    e.streamBytes = kStreamEventHead;
    e.word = status | (std::uint32_t{p[1]} << 8) | (size == 3 ? std::uint32_t{p[2]} << 16 : 0);
    return e;
}

} // namespace

cStreamFill FillStreamBuffer(const std::vector<std::uint8_t>& image, std::size_t pos, std::size_t end,
                             std::uint8_t* buffer, std::size_t capacity, std::uint32_t& carriedDelta) {
    std::memset(buffer, 0, capacity);
    cStreamFill fill;
    std::size_t lastEvent = capacity; // none yet
    end = std::min(end, image.size());
    while (pos + fill.consumed < end) {
        const std::size_t at = pos + fill.consumed;
        std::uint32_t delta = 0;
        const int n = ReadVarLen(image.data() + at, image.data() + end, delta);
        if (n == 0 || at + n >= end) break;
        const Encoded e = Decode(image, at + n, end);
        if (e.imageBytes == 0) break;
        if (e.streamBytes == 0 || e.streamBytes > capacity) {
            // Written as nothing: a meta event, or an event no buffer can hold.
            carriedDelta += delta;
            fill.consumed += n + e.imageBytes;
            continue;
        }
        if (e.streamBytes > capacity - fill.written) break;
        std::uint8_t* out = buffer + fill.written;
        Put32(out, carriedDelta + delta);
        Put32(out + 4, 0);
        Put32(out + 8, e.word);
        if (e.params) {
            out[kStreamEventHead] = e.params[0];
            std::memcpy(out + kStreamEventHead + 1, e.params + e.imageBytes - (e.paramBytes - 1),
                        e.paramBytes - 1);
        }
        carriedDelta = 0;
        lastEvent = fill.written;
        fill.written += e.streamBytes;
        fill.consumed += n + e.imageBytes;
        if (e.end) {
            fill.ended = true;
            return fill;
        }
    }
    // The buffer ends before the image does: its last event calls back for the next one.
    if (lastEvent < capacity) {
        std::uint32_t word;
        std::memcpy(&word, buffer + lastEvent + 8, 4);
        Put32(buffer + lastEvent + 8, word | MEVT_F_CALLBACK);
    }
    return fill;
}
