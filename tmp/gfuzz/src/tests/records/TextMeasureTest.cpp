#include "records/TextMeasure.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextMeasure, WidestLineTimesWidthAndLinesTimesHeight) {
    struct Case {
        std::string text;
        std::int32_t w, h;
    };
    const std::vector<Case> cases = {
        {"ab\nc", 16, 32},
        {"", 0, 16},
        {"abc\n", 24, 16}, // a final newline starts no line
        {"\n\n", 0, 32},
        {"\202\240\202\242\nx", 16, 32},                        // a double-byte character counts once
        {std::string(600, 'x') + "\nab", 4800, 32}, // longer than any fixed line buffer
    };
    for (const Case& c : cases) {
        TEXTSIZE s = MeasureMonospaceText(c.text, 8, 16);
        EXPECT_EQ(s.nWidth, c.w) << c.text.size();
        EXPECT_EQ(s.nHeight, c.h) << c.text.size();
    }
}

} // namespace
