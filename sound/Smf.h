// The Standard MIDI File reader: a file of format 0 or 1 becomes one merged
// format-0 image in memory, every event of every track in time order with an
// explicit status byte, ending with one end-of-track event at the latest end
// time. Events at the same tick keep their track order.
//
// The image: "MThd", 6, format 0, 1 track, the source's time division,
// "MTrk", the track length (image size - 22), then the events (delta time,
// status, the event's bytes). All numbers are big-endian.
//
// Every read is bounded by the file: a track that runs past the end, a
// variable-length number of more than four bytes, or a data byte with no
// status before it refuses the whole file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr std::size_t kSmfImageHeader = 22;

// Reads a variable-length number of at most four bytes that end before `end`;
// returns the bytes it took, or 0 for damage (a fifth byte, or the end reached).
int ReadVarLen(const std::uint8_t* bytes, const std::uint8_t* end, std::uint32_t& value);
// Writes 1 to 4 bytes; nothing (0) for a value of 0x10000000 or more.
int WriteVarLen(std::uint8_t* out, std::uint32_t value);

class cSmf {
public:
    explicit cSmf(const std::string& fileName);
    virtual ~cSmf() = default;
    cSmf(const cSmf&) = delete;
    cSmf& operator=(const cSmf&) = delete;

    // Reads the file (a program path) and merges it; on failure the image stays empty.
    void LoadFile(const std::string& fileName);
    // The merged image of the file's bytes, or empty after reporting why it was refused.
    static std::vector<std::uint8_t> Init(const std::vector<std::uint8_t>& file, const std::string& fileName);

    bool HasImage() const { return !m_Image.empty(); }
    // The time division and the track length the image carries.
    std::uint16_t Division() const;
    std::size_t ImageEnd() const;

    std::vector<std::uint8_t> m_Image;
    std::string m_strFileName;
};
