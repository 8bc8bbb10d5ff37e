#include "platform/Mmio.h"

#include "platform/PathResolver.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <new>

class cMmioFile {
public:
    std::vector<std::uint8_t> bytes;
    std::size_t pos = 0;
    std::size_t limit = 0; // end of the chunk being read (the file's end at the top)
};

namespace {

constexpr FOURCC kRiff = MakeFourCC('R', 'I', 'F', 'F');
constexpr FOURCC kList = MakeFourCC('L', 'I', 'S', 'T');

DWORD ReadU32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<DWORD>(b[at]) | (static_cast<DWORD>(b[at + 1]) << 8) |
           (static_cast<DWORD>(b[at + 2]) << 16) | (static_cast<DWORD>(b[at + 3]) << 24);
}

} // namespace

HMMIO mmioOpenA(const char* fileName, void*, DWORD flags) {
    if (!fileName || flags != MMIO_READ) return nullptr;
    std::ifstream in(ResolvePath(fileName), std::ios::binary);
    if (!in) return nullptr;
    std::vector<std::uint8_t> bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    if (in.bad()) return nullptr;
    return mmioOpenMemory(std::move(bytes));
}

HMMIO mmioOpenMemory(std::vector<std::uint8_t> bytes) {
    auto* file = new (std::nothrow) cMmioFile;
    if (!file) return nullptr;
    file->bytes = std::move(bytes);
    file->limit = file->bytes.size();
    return file;
}

MMRESULT mmioDescend(HMMIO file, MMCKINFO* chunk, const MMCKINFO* parent, UINT flags) {
    if (!file || !chunk) return MMIOERR_CANNOTSEEK;
    const std::size_t end =
        parent ? std::min<std::size_t>(file->bytes.size(), std::size_t{parent->dwDataOffset} + parent->cksize)
               : file->bytes.size();
    const FOURCC wantId = chunk->ckid;
    const FOURCC wantType = chunk->fccType;
    std::size_t at = file->pos;
    while (at + 8 <= end) {
        const FOURCC id = ReadU32(file->bytes, at);
        const DWORD size = ReadU32(file->bytes, at + 4);
        const std::size_t dataAt = at + 8;
        const std::size_t dataSize = std::min<std::size_t>(size, end - dataAt); // what is there
        const bool isForm = id == kRiff || id == kList;
        bool match = false;
        if (flags & MMIO_FINDRIFF) {
            match = id == kRiff && dataSize >= 4 && ReadU32(file->bytes, dataAt) == wantType;
        } else if (flags & MMIO_FINDCHUNK) {
            match = id == wantId;
        } else {
            match = true;
        }
        if (match) {
            chunk->ckid = id;
            chunk->cksize = size;
            chunk->dwDataOffset = static_cast<DWORD>(dataAt);
            chunk->dwFlags = 0;
            chunk->fccType = 0;
            file->pos = dataAt;
            if (isForm && dataSize >= 4) {
                chunk->fccType = ReadU32(file->bytes, dataAt);
                file->pos = dataAt + 4;
            }
            file->limit = dataAt + dataSize;
            return MMSYSERR_NOERROR;
        }
        // Chunks are padded to an even size.
        const std::size_t next = dataAt + dataSize + (dataSize & 1);
        if (next <= at) break;
        at = next;
    }
    return MMIOERR_CHUNKNOTFOUND;
}

MMRESULT mmioAscend(HMMIO file, MMCKINFO* chunk, UINT) {
    if (!file || !chunk) return MMIOERR_CANNOTSEEK;
    const std::size_t end = std::size_t{chunk->dwDataOffset} + chunk->cksize;
    file->pos = std::min(file->bytes.size(), end + (chunk->cksize & 1));
    file->limit = file->bytes.size();
    return MMSYSERR_NOERROR;
}

LONG mmioRead(HMMIO file, char* buffer, LONG bytes) {
    if (!file || !buffer || bytes < 0) return -1;
    const std::size_t limit = std::min(file->limit, file->bytes.size());
    const std::size_t left = file->pos < limit ? limit - file->pos : 0;
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(bytes), left);
    if (n) std::memcpy(buffer, file->bytes.data() + file->pos, n);
    file->pos += n;
    return static_cast<LONG>(n);
}

MMRESULT mmioClose(HMMIO file, UINT) {
    delete file;
    return MMSYSERR_NOERROR;
}
