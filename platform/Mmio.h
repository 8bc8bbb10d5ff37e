// The multimedia file functions for RIFF files: open, descend into a chunk
// (a RIFF form of a given type, or a sub-chunk of a given id inside its
// parent), read, ascend, close. The file is read into memory when opened, and
// every read is bounded by the chunk, its parent and the file: a chunk keeps
// its stated size, but reading it past the end of the file comes up short.
#pragma once

#include "platform/Types.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using FOURCC = DWORD;
using MMRESULT = UINT;

constexpr FOURCC MakeFourCC(char a, char b, char c, char d) {
    return static_cast<FOURCC>(static_cast<BYTE>(a)) | (static_cast<FOURCC>(static_cast<BYTE>(b)) << 8) |
           (static_cast<FOURCC>(static_cast<BYTE>(c)) << 16) |
           (static_cast<FOURCC>(static_cast<BYTE>(d)) << 24);
}

struct MMCKINFO {
    FOURCC ckid = 0;
    DWORD cksize = 0;
    FOURCC fccType = 0;
    DWORD dwDataOffset = 0;
    DWORD dwFlags = 0;
};

constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMIOERR_CHUNKNOTFOUND = 265;
constexpr MMRESULT MMIOERR_CANNOTSEEK = 264;

constexpr DWORD MMIO_READ = 0x00000000;
constexpr UINT MMIO_FINDCHUNK = 0x0010;
constexpr UINT MMIO_FINDRIFF = 0x0020;

class cMmioFile;
using HMMIO = cMmioFile*;

// Opens a file by its program path (code page 932, '\' separators); null when it cannot be read.
HMMIO mmioOpenA(const char* fileName, void* info, DWORD flags);
// Opens bytes held in memory (readers of stored data and their fuzz targets).
HMMIO mmioOpenMemory(std::vector<std::uint8_t> bytes);
MMRESULT mmioDescend(HMMIO file, MMCKINFO* chunk, const MMCKINFO* parent, UINT flags);
MMRESULT mmioAscend(HMMIO file, MMCKINFO* chunk, UINT flags);
// The bytes read (fewer at the end of the current chunk or file), -1 on a bad call.
LONG mmioRead(HMMIO file, char* buffer, LONG bytes);
MMRESULT mmioClose(HMMIO file, UINT flags);
