#include "foundation/StringVector.h"

#include "fixtures/ByteBuilder.h"

#include <gtest/gtest.h>

namespace {

RecordFilePtr Reader(const ByteBuilder& b) {
    return OpenRecordMemoryRead(ByteBuilder().u32(818).append(b.get()).get());
}

TEST(StringVector, RoundTripInStoredForm) {
    cVector<std::string> words{"", "ab", "\225\134"};
    RecordFilePtr w = OpenRecordMemoryWrite();
    SaveStringVector(*w, words);
    const ByteBuilder expected = ByteBuilder().u32(3).str("").str("ab").str("\225\134");
    EXPECT_EQ(w->Bytes(), ByteBuilder().u32(818).append(expected.get()).get());
    cVector<std::string> back{"old"};
    RecordFilePtr r = Reader(expected);
    LoadStringVector(*r, back);
    EXPECT_FALSE(r->Damaged());
    EXPECT_EQ(back, words);
}

TEST(StringVector, DamageLeavesTheVector) {
    const ByteBuilder cases[] = {
        ByteBuilder().u32(2).str("a"),                 // one string missing
        ByteBuilder().u32(1).u32(0),                   // a length without its zero
        ByteBuilder().u32(1).u32(100).bytes({'a', 0}), // a length beyond the file
        ByteBuilder().u32(0x7FFFFFFF).str("a"),        // a count beyond the file
        ByteBuilder().u32(0xFFFFFFFF),                 // a negative count
    };
    for (const ByteBuilder& b : cases) {
        cVector<std::string> v{"kept"};
        RecordFilePtr r = Reader(b);
        LoadStringVector(*r, v);
        EXPECT_TRUE(r->Damaged());
        EXPECT_EQ(v, cVector<std::string>{"kept"});
    }
}

} // namespace
