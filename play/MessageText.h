// The variable codes of message text and the size of a text block.
//
// A code is '#', then C (common variables) or S (stage variables) and the
// variable's number, optionally '_' and format options: Z keeps leading
// zeros, P writes "+" before a value of 0 or more, one digit is the minimum
// width. A '.' ends the code and belongs to it; any other character ends it
// without belonging. A code without a source or digits, or with a number
// outside 1..1000 or the list, stays in the text as it was.
#pragma once

#include "foundation/Containers.h"

#include <cstdint>
#include <string>

// The text with its codes replaced by the current values.
std::string ReplaceVariableCodes(const std::string& text, const cVector<std::int32_t>& common,
                                 const cVector<std::int32_t>& stage);

// The size of a text block of lines split at line feeds: the widest line
// and the line height times the number of lines, each with 2 added.
// `lineWidth` gives the width of one line.
template <class LineWidth>
void MeasureTextBlock(const std::string& text, std::int32_t lineHeight, LineWidth lineWidth, std::int32_t& w,
                      std::int32_t& h) {
    std::int32_t widest = 0, lines = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        const std::string line =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const std::int32_t lw = lineWidth(line);
        if (lw > widest) widest = lw;
        ++lines;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    w = widest + 2;
    h = lineHeight * lines + 2;
}
