#include "platform/Cp932.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

bool IsDoubleByteChar(const char* p) {
    return p && IsCp932LeadByte(static_cast<unsigned char>(p[0])) &&
           IsCp932TrailByte(static_cast<unsigned char>(p[1]));
}

bool IsDoubleByteCharAt(std::string_view text, std::size_t pos) {
    return pos + 1 < text.size() && IsCp932LeadByte(static_cast<unsigned char>(text[pos])) &&
           IsCp932TrailByte(static_cast<unsigned char>(text[pos + 1]));
}

std::size_t Cp932SafeLength(std::string_view text, std::size_t maxBytes) {
    std::size_t limit = text.size() < maxBytes ? text.size() : maxBytes;
    std::size_t pos = 0;
    while (pos < limit) {
        std::size_t step = IsDoubleByteCharAt(text, pos) ? 2 : 1;
        if (pos + step > limit) break;
        pos += step;
    }
    return pos;
}

void TruncateCp932(std::string& text, std::size_t maxBytes) {
    text.resize(Cp932SafeLength(text, maxBytes));
}

namespace {

// One converter per thread and direction: an iconv descriptor carries state
// and must not be shared between threads.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (Ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts `in`; an unconvertible or cut-off character is replaced by
    // `replacement` (its bytes, as `charLength` measures them, skipped) or,
    // with none, fails.
    bool Run(std::string_view in, std::string& out, const char* replacement,
             std::size_t (*charLength)(std::string_view, std::size_t)) {
        out.clear();
        if (!Ok()) return false;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buf[256];
        while (srcLeft > 0) {
            char* dst = buf;
            std::size_t dstLeft = sizeof buf;
            std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buf, static_cast<std::size_t>(dst - buf));
            if (r != static_cast<std::size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            if (!replacement) {
                out.clear();
                return false;
            }
            out += replacement;
            std::size_t at = static_cast<std::size_t>(src - in.data());
            std::size_t skip = std::min(charLength(in, at), srcLeft);
            src += skip;
            srcLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        char* dst = buf;
        std::size_t dstLeft = sizeof buf;
        iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
        out.append(buf, static_cast<std::size_t>(dst - buf));
        return true;
    }

private:
    iconv_t cd_;
};

std::size_t Cp932CharLength(std::string_view text, std::size_t pos) {
    return IsDoubleByteCharAt(text, pos) ? 2 : 1;
}

// The length a UTF-8 lead byte announces, counting only continuation bytes that are there.
std::size_t Utf8CharLength(std::string_view text, std::size_t pos) {
    unsigned char c = static_cast<unsigned char>(text[pos]);
    std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    std::size_t len = 1;
    while (len < n && pos + len < text.size() && (static_cast<unsigned char>(text[pos + len]) & 0xC0) == 0x80)
        ++len;
    return len;
}

Converter& ToUtf8() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}

Converter& ToCp932() {
    thread_local Converter c("CP932", "UTF-8");
    return c;
}

} // namespace

bool Cp932ToUtf8(std::string_view cp932, std::string& out) {
    return ToUtf8().Run(cp932, out, nullptr, Cp932CharLength);
}
bool Utf8ToCp932(std::string_view utf8, std::string& out) {
    return ToCp932().Run(utf8, out, nullptr, Utf8CharLength);
}

std::string Cp932ToUtf8(std::string_view cp932) {
    std::string out;
    ToUtf8().Run(cp932, out, "\xEF\xBF\xBD", Cp932CharLength);
    return out;
}

std::string Utf8ToCp932(std::string_view utf8) {
    std::string out;
    ToCp932().Run(utf8, out, "?", Utf8CharLength);
    return out;
}
