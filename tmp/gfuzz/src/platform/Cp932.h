// Code page 932 (Shift-JIS as Windows has it): the program keeps all stored
// text in it. These helpers tell double-byte characters apart from single
// bytes and convert to and from UTF-8 where text leaves for Linux (file names,
// glyphs, logs, the terminal).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// 0x81-0x9F and 0xE0-0xFC start a double-byte character.
constexpr bool IsCp932LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
// 0x40-0x7E and 0x80-0xFC may follow a lead byte; 0x5C ('\') is one of them.
constexpr bool IsCp932TrailByte(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

// True when p[0] is a lead byte and p[1] a trail byte (p[1] may be the terminating zero).
bool IsDoubleByteChar(const char* p);
// The same at a position of a text; false at or past its end.
bool IsDoubleByteCharAt(std::string_view text, std::size_t pos);

// The length of the longest start of `text` of at most `maxBytes` bytes that
// does not end inside a double-byte character. Characters are found scanning
// forwards from the start, the only safe direction in this code page.
std::size_t Cp932SafeLength(std::string_view text, std::size_t maxBytes);
// Cuts `text` to at most `maxBytes` bytes without splitting a double-byte character.
void TruncateCp932(std::string& text, std::size_t maxBytes);

// Strict conversions: false (and `out` empty) when a byte sequence has no
// counterpart in the other encoding.
bool Cp932ToUtf8(std::string_view cp932, std::string& out);
bool Utf8ToCp932(std::string_view utf8, std::string& out);

// Lenient conversions for text that only has to be shown or logged: bytes
// without a counterpart become U+FFFD (to UTF-8) or '?' (to CP932).
std::string Cp932ToUtf8(std::string_view cp932);
std::string Utf8ToCp932(std::string_view utf8);
