// Little-endian byte output for the demo builder's file writers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Bytes {
    std::vector<std::uint8_t> data;

    Bytes& u8(std::uint8_t v) {
        data.push_back(v);
        return *this;
    }
    Bytes& u16(std::uint16_t v) { return u8(v & 0xFF).u8(v >> 8); }
    Bytes& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Bytes& i16(std::int16_t v) { return u16(static_cast<std::uint16_t>(v)); }
    Bytes& i32(std::int32_t v) { return u32(static_cast<std::uint32_t>(v)); }
    Bytes& text(const std::string& s) {
        data.insert(data.end(), s.begin(), s.end());
        return *this;
    }
    Bytes& append(const std::vector<std::uint8_t>& v) {
        data.insert(data.end(), v.begin(), v.end());
        return *this;
    }
    // Big-endian, for MIDI files.
    Bytes& be16(std::uint16_t v) { return u8(v >> 8).u8(v & 0xFF); }
    Bytes& be32(std::uint32_t v) { return be16(v >> 16).be16(v & 0xFFFF); }
};
