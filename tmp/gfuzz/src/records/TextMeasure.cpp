#include "records/TextMeasure.h"

#include "platform/Cp932.h"

#include <algorithm>

namespace {

std::int64_t CountChars(std::string_view line) {
    std::int64_t n = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (IsDoubleByteCharAt(line, i)) ++i;
        ++n;
    }
    return n;
}

std::int32_t Clamp32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

} // namespace

TEXTSIZE MeasureMonospaceText(std::string_view text, std::int32_t charWidth, std::int32_t lineHeight) {
    std::int64_t widest = 0;
    std::int64_t lines = 0;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == std::string_view::npos ? text.npos : end - start);
        widest = std::max(widest, CountChars(line));
        ++lines;
        if (end == std::string_view::npos || end + 1 == text.size()) break;
        start = end + 1;
    }
    return TEXTSIZE{Clamp32(widest * charWidth), Clamp32(lines * lineHeight)};
}
