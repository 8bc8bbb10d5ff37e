// The events of a merged MIDI image (Smf.h) encoded as stream events
// (MidiSequencer.h gives the layout), a buffer at a time:
// - a channel message: its status and data bytes as one short event;
// - a tempo (FF 51 03 tt tt tt): a tempo event;
// - any other meta event: nothing; its delta time goes to the next event written;
// - a system-exclusive event (F0 or F7, length, data): a long event whose
//   parameters are the status byte and the data;
// - the end marker (FF 2F 00): the short event 0x40002FFF, with the callback flag.
// When the next event does not fit, the last event written gets the callback
// flag and the buffer ends there. An event too large for an empty buffer is
// left out (its delta time goes on), so the stream never stalls on it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr std::uint32_t kStreamEndMarker = 0x40002FFF;
constexpr std::size_t kStreamEventHead = 12;

struct cStreamFill {
    std::size_t consumed = 0; // image bytes taken
    std::size_t written = 0;  // buffer bytes written
    bool ended = false;       // the end marker was written
};

// Fills `buffer` (cleared first) from the image position `pos` up to `end`.
// `carriedDelta` holds the delta time of left-out events between calls, so a
// meta event just before a buffer break keeps its time.
cStreamFill FillStreamBuffer(const std::vector<std::uint8_t>& image, std::size_t pos, std::size_t end,
                             std::uint8_t* buffer, std::size_t capacity, std::uint32_t& carriedDelta);
