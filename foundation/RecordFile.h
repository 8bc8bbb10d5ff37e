// An open record file: one data version, then records. Reading works on the
// whole file held in memory, so every read is bounds-checked: a short read, a
// negative count or a count larger than the bytes left marks the file damaged,
// and from then on reads deliver nothing. Writing goes to a buffer that Close
// puts on disk through a temporary file and a rename, so a failed save never
// replaces a good file with a broken one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

extern std::uint32_t dwDataVersion; // the program's data version, 818
// 1 when this thread's most recent open for reading was refused as newer than
// the program. Each thread has its own, so that a load on one thread never
// sees the outcome of another thread's open.
extern thread_local std::int32_t bNewerVersion;
extern std::int32_t bRemoveCR; // strings lose their carriage returns on reading

constexpr std::uint32_t kProgramDataVersion = 818;

class cRecordFile {
public:
    // A reader over bytes that begin behind the version word; `version` is the
    // data version the file was written with.
    static std::unique_ptr<cRecordFile> ForReading(std::vector<std::uint8_t> bytes, std::size_t start,
                                                   std::uint32_t version);
    // A writer that puts its bytes at `path` on Close; an empty path keeps them in memory.
    static std::unique_ptr<cRecordFile> ForWriting(std::string path);

    bool IsReading() const { return reading_; }
    // The data version of the file being read: every record in it is laid out
    // for this version. A writer gives the program's version. The version
    // travels with the file, so loads on different threads never share it.
    std::uint32_t LoadVersion() const { return version_; }

    // Reading. Each returns false, and marks the file damaged, when the bytes are not there.
    bool Read(void* dst, std::size_t n);
    bool ReadU32(std::uint32_t& v) { return Read(&v, 4); }
    bool ReadI32(std::int32_t& v) { return Read(&v, 4); }
    // Reads a 32-bit element count; each element needs at least `minElementBytes`.
    // A negative count or one the rest of the file cannot hold marks the file
    // damaged and gives 0.
    std::uint32_t ReadCount(std::size_t minElementBytes);
    std::size_t Remaining() const { return damaged_ ? 0 : data_.size() - pos_; }
    std::size_t Position() const { return pos_; }
    bool Damaged() const { return damaged_; }
    void MarkDamaged() { damaged_ = true; }

    // Writing.
    void Write(const void* src, std::size_t n);
    void WriteU32(std::uint32_t v) { Write(&v, 4); }
    void WriteI32(std::int32_t v) { Write(&v, 4); }
    const std::vector<std::uint8_t>& Bytes() const { return data_; }

    // Puts a writer's bytes on disk; false when that failed. A reader just closes.
    bool Close();

private:
    cRecordFile() = default;
    bool reading_ = true;
    bool damaged_ = false;
    bool closed_ = false;
    std::uint32_t version_ = kProgramDataVersion;
    std::vector<std::uint8_t> data_;
    std::size_t pos_ = 0;
    std::string path_;
};

using RecordFilePtr = std::unique_ptr<cRecordFile>;

// Opens a record file for reading: none when it cannot be opened, when it is
// shorter than its version word, or when its version is newer than the
// program's (then bNewerVersion is 1; any other open sets it to 0).
RecordFilePtr OpenRecordFileRead(const std::string& path);
// The same over bytes in memory (a whole file, version word first).
RecordFilePtr OpenRecordMemoryRead(std::vector<std::uint8_t> bytes);
// Opens a record file for writing and writes dwDataVersion first.
RecordFilePtr OpenRecordFileWrite(const std::string& path);
// A writer that keeps its bytes in memory (version word first).
RecordFilePtr OpenRecordMemoryWrite();
// Closes the file; for a writer, true when its bytes reached the disk.
bool CloseRecordFile(RecordFilePtr& file);

// Reads a whole file into memory; false when it cannot be opened.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out);
// Writes through a temporary file and a rename; false on any failure.
bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
