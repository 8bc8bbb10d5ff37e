#include "play/MessageText.h"

#include "platform/Cp932.h"

#include <cstdlib>

namespace {

constexpr std::int64_t kDigitCap = 1000000; // any number past the variables' range

// One code as read from the text.
struct cCode {
    bool common = false, stage = false;
    bool hasDigits = false;
    std::int64_t number = 0; // saturates: a run of digits can't overflow
    bool zeros = false, plus = false;
    std::int32_t width = 0;
    std::size_t end = 0; // one past its last character
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

cCode ReadCode(const std::string& text, std::size_t hash) {
    cCode code;
    bool options = false;
    std::size_t j = hash + 1;
    for (; j < text.size(); ++j) {
        const char c = text[j];
        if (c == '.') {
            ++j;
            break;
        }
        if (!options) {
            if (c == 'C' || c == 'c') {
                code.common = true;
            } else if (c == 'S' || c == 's') {
                code.stage = true;
            } else if (IsDigit(c)) {
                code.hasDigits = true;
                code.number = std::min(code.number * 10 + (c - '0'), kDigitCap);
            } else if (c == '_') {
                options = true;
            } else {
                break;
            }
        } else {
            if (c == 'Z' || c == 'z')
                code.zeros = true;
            else if (c == 'P' || c == 'p')
                code.plus = true;
            else if (IsDigit(c))
                code.width = c - '0';
            else
                break;
        }
    }
    code.end = j;
    return code;
}

std::string Format(std::int32_t value, const cCode& code) {
    const std::int64_t v = value;
    std::string digits = std::to_string(v < 0 ? -v : v);
    if (static_cast<std::int32_t>(digits.size()) < code.width)
        digits.insert(0, static_cast<std::size_t>(code.width) - digits.size(), '0');
    if (!code.zeros)
        for (std::size_t i = 0; i + 1 < digits.size() && digits[i] == '0'; ++i) digits[i] = ' ';
    if (v < 0) return "-" + digits;
    if (code.plus) return "+" + digits;
    return digits;
}

} // namespace

std::string ReplaceVariableCodes(const std::string& text, const cVector<std::int32_t>& common,
                                 const cVector<std::int32_t>& stage) {
    std::string out = text;
    std::size_t i = 0;
    while (i < out.size()) {
        // A lead byte takes the byte after it, whatever that is: a '#' there is
        // part of a character, not a code.
        if (IsCp932LeadByte(static_cast<unsigned char>(out[i])) && i + 1 < out.size()) {
            i += 2;
            continue;
        }
        if (out[i] != '#') {
            ++i;
            continue;
        }
        const cCode code = ReadCode(out, i);
        const cVector<std::int32_t>* source = nullptr;
        if (code.common && code.hasDigits)
            source = &common;
        else if (code.stage && code.hasDigits)
            source = &stage;
        // A code without a source, or naming no variable of the list, stays as written.
        if (!source || code.number < 1 || code.number > 1000 || !source->InRange(code.number)) {
            i = code.end;
            continue;
        }
        const std::string value = Format((*source)[static_cast<std::size_t>(code.number)], code);
        out.replace(i, code.end - i, value);
        i += value.size();
    }
    return out;
}
