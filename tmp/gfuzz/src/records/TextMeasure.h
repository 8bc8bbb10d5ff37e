// The size of a multi-line text in a font whose characters all have one width.
#pragma once

#include <cstdint>
#include <string_view>

struct TEXTSIZE {
    std::int32_t nWidth = 0;
    std::int32_t nHeight = 0;
};

// Lines end at "\n"; a final line without one counts, an empty text is one
// line. A Shift-JIS lead and trail byte count as one character. Lines of any
// length are measured whole.
TEXTSIZE MeasureMonospaceText(std::string_view text, std::int32_t charWidth, std::int32_t lineHeight);
