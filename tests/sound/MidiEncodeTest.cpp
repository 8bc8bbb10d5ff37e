// The merged image encoded as stream events, a buffer at a time: each kind of
// event by table, then the buffer breaks.
#include "sound/MidiEncode.h"
#include "fixtures/SmfBuilder.h"
#include "sound/Smf.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct StreamEvent {
    std::uint32_t delta, id, word;
    std::vector<std::uint8_t> params;
    bool operator==(const StreamEvent&) const = default;
};

std::uint32_t Le32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

std::vector<StreamEvent> Events(const std::vector<std::uint8_t>& buffer, std::size_t written) {
    std::vector<StreamEvent> out;
    for (std::size_t at = 0; at + 12 <= written;) {
        StreamEvent e{Le32(&buffer[at]), Le32(&buffer[at + 4]), Le32(&buffer[at + 8]), {}};
        at += 12;
        if (e.word & 0x80000000) {
            const std::size_t padded = ((e.word & 0xFFFFFF) + 3) & ~std::size_t{3};
            e.params.assign(buffer.begin() + at, buffer.begin() + at + padded);
            at += padded;
        }
        out.push_back(e);
    }
    return out;
}

struct Filled {
    cStreamFill fill;
    std::vector<StreamEvent> events;
};

Filled Fill(const SmfBytes& image, std::size_t pos, std::size_t capacity, std::uint32_t& carried) {
    std::vector<std::uint8_t> buffer(capacity, 0xEE);
    Filled f;
    f.fill = FillStreamBuffer(image, pos, image.size(), buffer.data(), capacity, carried);
    f.events = Events(buffer, f.fill.written);
    return f;
}

TEST(MidiEncode, EachKindOfEvent) {
    struct Case {
        const char* what;
        SmfBytes image;
        std::vector<StreamEvent> expected;
    } cases[] = {
        {"note on",
         Image(96, {0x10, 0x90, 0x3C, 0x64, 0x00, 0xFF, 0x2F, 0x00}),
         {{16, 0, 0x00643C90, {}}, {0, 0, 0x40002FFF, {}}}},
        {"program change takes two bytes",
         Image(96, {0x00, 0xC0, 0x05, 0x05, 0xD0, 0x40, 0x00, 0xFF, 0x2F, 0x00}),
         {{0, 0, 0x000005C0, {}}, {5, 0, 0x000040D0, {}}, {0, 0, 0x40002FFF, {}}}},
        {"tempo",
         Image(96, {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x2F, 0x00}),
         {{0, 0, 0x0107A120, {}}, {0, 0, 0x40002FFF, {}}}},
        {"a text event gives its delta to the next note",
         Image(96, {0x10, 0x90, 0x3C, 0x64, 0x20, 0xFF, 0x01, 0x02, 'h', 'i', 0x30, 0x80, 0x3C, 0x00, 0x00,
                    0xFF, 0x2F, 0x00}),
         {{0x10, 0, 0x00643C90, {}}, {0x50, 0, 0x00003C80, {}}, {0, 0, 0x40002FFF, {}}}},
        {"pitch bend takes three bytes",
         Image(96, {0x00, 0xE0, 0x00, 0x40, 0x00, 0xFF, 0x2F, 0x00}),
         {{0, 0, 0x004000E0, {}}, {0, 0, 0x40002FFF, {}}}},
        {"a marker just before the end gives the end marker its delta",
         Image(96, {0x00, 0x90, 0x3C, 0x64, 0x10, 0xFF, 0x06, 0x01, 'A', 0x08, 0xFF, 0x2F, 0x00}),
         {{0, 0, 0x00643C90, {}}, {0x18, 0, 0x40002FFF, {}}}},
        {"an escape (F7) of 2 data bytes: 12 + 4",
         Image(96, {0x00, 0xF7, 0x02, 0xAA, 0xBB, 0x00, 0xFF, 0x2F, 0x00}),
         {{0, 0, 0x80000003, {0xF7, 0xAA, 0xBB, 0}}, {0, 0, 0x40002FFF, {}}}},
        {"system exclusive of 5 data bytes: 12 + 8",
         Image(96, {0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7, 0x00, 0xFF, 0x2F, 0x00}),
         {{0, 0, 0x80000006, {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7, 0, 0}}, {0, 0, 0x40002FFF, {}}}},
    };
    for (const Case& c : cases) {
        std::uint32_t carried = 0;
        Filled f = Fill(c.image, kSmfImageHeader, 24000, carried);
        EXPECT_EQ(f.events, c.expected) << c.what;
        EXPECT_TRUE(f.fill.ended) << c.what;
        EXPECT_EQ(kSmfImageHeader + f.fill.consumed, c.image.size()) << c.what;
    }
}

TEST(MidiEncode, AFullBufferCallsBackAndTheRestOpensTheNext) {
    // Two notes fill a 24-byte buffer exactly; the end marker opens the next one.
    const SmfBytes image =
        Image(96, {0x00, 0x90, 0x3C, 0x64, 0x10, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00});
    std::uint32_t carried = 0;
    Filled first = Fill(image, kSmfImageHeader, 24, carried);
    ASSERT_EQ(first.events.size(), 2u);
    EXPECT_EQ(first.events[1].word, 0x40003C80u) << "the last event asks for the callback";
    EXPECT_EQ(first.events[0].word, 0x00643C90u);
    EXPECT_FALSE(first.fill.ended);
    Filled second = Fill(image, kSmfImageHeader + first.fill.consumed, 24, carried);
    ASSERT_EQ(second.events.size(), 1u);
    EXPECT_EQ(second.events[0].word, kStreamEndMarker);
    EXPECT_TRUE(second.fill.ended);
}

TEST(MidiEncode, ADeltaCarriedOverABufferBreakAndAnOversizedEventLeftOut) {
    // A note, a text event that is left out at the break, a system exclusive
    // too large for any buffer of 24 bytes, a note: the deltas add up.
    const SmfBytes image =
        Image(96, {0x00, 0x90, 0x3C, 0x64,                                                         //
                   0x20, 0xFF, 0x01, 0x01, 'x',                                                    //
                   0x08, 0xF0, 0x10, 1,    2,   3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0xF7, //
                   0x04, 0x80, 0x3C, 0x00,                                                         //
                   0x00, 0xFF, 0x2F, 0x00});
    std::uint32_t carried = 0;
    Filled first = Fill(image, kSmfImageHeader, 12, carried);
    ASSERT_EQ(first.events.size(), 1u);
    EXPECT_EQ(first.events[0].word, 0x40643C90u);
    Filled second = Fill(image, kSmfImageHeader + first.fill.consumed, 24, carried);
    ASSERT_EQ(second.events.size(), 2u);
    EXPECT_EQ(second.events[0].delta, 0x20u + 0x08 + 0x04);
    EXPECT_EQ(second.events[0].word, 0x00003C80u);
    EXPECT_TRUE(second.fill.ended);
}

} // namespace
