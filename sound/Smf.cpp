#include "sound/Smf.h"

#include "foundation/ErrorLog.h"
#include "platform/PathResolver.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <new>
#include <queue>

int ReadVarLen(const std::uint8_t* bytes, const std::uint8_t* end, std::uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
        if (bytes + i >= end) return 0;
        value = (value << 7) | (bytes[i] & 0x7F);
        if (!(bytes[i] & 0x80)) return i + 1;
    }
    return 0;
}

int WriteVarLen(std::uint8_t* out, std::uint32_t value) {
    int n;
    if (value < 0x80)
        n = 1;
    else if (value < 0x4000)
        n = 2;
    else if (value < 0x200000)
        n = 3;
    else if (value < 0x10000000)
        n = 4;
    else
        return 0;
    for (int i = 0; i < n; ++i) {
        const int shift = 7 * (n - 1 - i);
        out[i] = static_cast<std::uint8_t>(((value >> shift) & 0x7F) | (i + 1 < n ? 0x80 : 0));
    }
    return n;
}

namespace {

std::uint32_t Be32(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}
std::uint16_t Be16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

// One event while merging: its absolute time, its status and where its bytes
// after the status lie in the file.
struct Event {
    std::uint64_t time;
    std::uint8_t status;
    std::size_t at;
    std::size_t size;
};

// Decodes one track from `pos`; on success `pos` is just past its
// end-of-track event and `end` holds the track's end time.
bool DecodeTrack(const std::vector<std::uint8_t>& file, std::size_t& pos, std::vector<Event>& out,
                 std::uint64_t& endTime) {
    const std::uint8_t* base = file.data();
    const std::uint8_t* last = base + file.size();
    std::uint64_t time = 0;
    std::uint8_t running = 0;
    for (;;) {
        std::uint32_t delta = 0;
        const int n = ReadVarLen(base + pos, last, delta);
        if (n == 0) return false;
        pos += n;
        time += delta;
        if (pos >= file.size()) return false;
        std::uint8_t status = running;
        if (file[pos] & 0x80) status = file[pos++];
        if (status == 0) return false; // a data byte with no status before it
        running = status;
        const std::size_t at = pos;
        if (status == 0xFF) {
            if (pos + 2 > file.size()) return false;
            if (file[pos] == 0x2F && file[pos + 1] == 0x00) {
                pos += 2;
                endTime = time;
                return true;
            }
            std::uint32_t length = 0;
            const int m = ReadVarLen(base + pos + 1, last, length);
            if (m == 0) return false;
            if (length > file.size() - (pos + 1 + m)) return false;
            pos += 1 + m + length;
        } else if (status == 0xF0 || status == 0xF7) {
            std::uint32_t length = 0;
            const int m = ReadVarLen(base + pos, last, length);
            if (m == 0) return false;
            if (length > file.size() - (pos + m)) return false;
            pos += m + length;
        } else {
            const std::size_t data = (status >= 0xC0 && status <= 0xDF) ? 1 : 2;
            if (data > file.size() - pos) return false;
            pos += data;
        }
        out.push_back({time, status, at, pos - at});
    }
}

} // namespace

std::vector<std::uint8_t> cSmf::Init(const std::vector<std::uint8_t>& file, const std::string& fileName) {
    const char* name = fileName.c_str();
    auto hasTag = [&file](std::size_t at, const char* tag) {
        return file.size() >= at + 4 &&
               std::equal(tag, tag + 4, file.begin() + static_cast<std::ptrdiff_t>(at));
    };
    if (!hasTag(0, "MThd")) {
        ReportError("Midi %s Init 標準MIDIでない(4)", name);
        return {};
    }
    if (file.size() < 14 || Be32(&file[4]) != 6) {
        ReportError("Midi %s Init 標準MIDIでない(6)", name);
        return {};
    }
    const std::uint16_t format = Be16(&file[8]);
    if (format == 2) {
        ReportError("Midi %s Init 対応フォーマットが2でない", name);
        return {};
    }
    if (format > 2) {
        ReportError("Midi %s Init 対応フォーマットが0または1でない", name);
        return {};
    }
    if (!hasTag(14, "MTrk")) {
        ReportError("Midi %s Init 標準MIDIでない(4)", name);
        return {};
    }
    const std::uint16_t tracks = Be16(&file[10]);
    const std::uint16_t division = Be16(&file[12]);

    // Each track's events: the first begin at 22, each next one 8 bytes after
    // the previous track's end (its "MTrk" header is skipped unread).
    std::vector<std::vector<Event>> lists(tracks);
    std::uint64_t latestEnd = 0;
    std::size_t pos = kSmfImageHeader;
    std::size_t total = 0;
    for (std::uint16_t t = 0; t < tracks; ++t) {
        if (t > 0) pos += 8;
        std::uint64_t end = 0;
        if (pos > file.size() || !DecodeTrack(file, pos, lists[t], end)) {
            ReportError("Midi %s Init 標準MIDIでない(4)", name);
            return {};
        }
        latestEnd = std::max(latestEnd, end);
        total += lists[t].size();
    }

    // Merge: the earliest event first; at equal times the lower track first.
    using Cursor = std::pair<std::uint64_t, std::uint32_t>; // (time, track)
    std::priority_queue<Cursor, std::vector<Cursor>, std::greater<Cursor>> heads;
    std::vector<std::size_t> next(tracks, 0);
    for (std::uint32_t t = 0; t < tracks; ++t) {
        if (!lists[t].empty()) heads.push({lists[t][0].time, t});
    }
    std::vector<std::uint8_t> image;
    try {
        image.reserve(kSmfImageHeader + total * 4 + file.size() + 8);
    } catch (const std::bad_alloc&) {
        ReportError("Midi %s Init 標準MIDIでない(4)", name);
        return {};
    }
    const std::uint8_t header[kSmfImageHeader] = {'M',
                                                  'T',
                                                  'h',
                                                  'd',
                                                  0,
                                                  0,
                                                  0,
                                                  6,
                                                  0,
                                                  0,
                                                  0,
                                                  1,
                                                  static_cast<std::uint8_t>(division >> 8),
                                                  static_cast<std::uint8_t>(division & 0xFF),
                                                  'M',
                                                  'T',
                                                  'r',
                                                  'k',
                                                  0,
                                                  0,
                                                  0,
                                                  0};
    image.assign(header, header + kSmfImageHeader);
    std::uint64_t now = 0;
    auto writeDelta = [&image, &now](std::uint64_t time) {
        std::uint8_t v[4];
        // Consecutive merged events are never further apart than one track's own delta.
        const int n = WriteVarLen(v, static_cast<std::uint32_t>(time - now));
        image.insert(image.end(), v, v + n);
        now = time;
    };
    while (!heads.empty()) {
        const auto [time, t] = heads.top();
        heads.pop();
        const Event& e = lists[t][next[t]];
        writeDelta(time);
        image.push_back(e.status);
        image.insert(image.end(), file.begin() + static_cast<std::ptrdiff_t>(e.at),
                     file.begin() + static_cast<std::ptrdiff_t>(e.at + e.size));
        if (++next[t] < lists[t].size()) heads.push({lists[t][next[t]].time, t});
    }
    writeDelta(latestEnd);
    image.insert(image.end(), {0xFF, 0x2F, 0x00});
    const auto length = static_cast<std::uint32_t>(image.size() - kSmfImageHeader);
    image[18] = static_cast<std::uint8_t>(length >> 24);
    image[19] = static_cast<std::uint8_t>(length >> 16);
    image[20] = static_cast<std::uint8_t>(length >> 8);
    image[21] = static_cast<std::uint8_t>(length);
    return image;
}

cSmf::cSmf(const std::string& fileName) {
    LoadFile(fileName);
}

void cSmf::LoadFile(const std::string& fileName) {
    m_strFileName = fileName;
    m_Image.clear();
    std::ifstream in(ResolvePath(fileName), std::ios::binary);
    if (!in) {
        ReportError("Midi %s Create ファイルが開けません", fileName.c_str());
        return;
    }
    std::vector<std::uint8_t> bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::bad_alloc&) {
        ReportError("Midi %s Create ファイルが開けません", fileName.c_str());
        return;
    }
    m_Image = Init(bytes, fileName);
}

std::uint16_t cSmf::Division() const {
    return HasImage() ? Be16(&m_Image[12]) : 0;
}

std::size_t cSmf::ImageEnd() const {
    return HasImage() ? kSmfImageHeader + Be32(&m_Image[18]) : 0;
}
