#include "foundation/RecordFile.h"
#include "foundation/NewerVersion.h"

#include "platform/PathResolver.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

std::uint32_t dwDataVersion = kProgramDataVersion;
thread_local std::int32_t bNewerVersion = 0;

std::int32_t NewerVersionRefused() {
    return bNewerVersion;
}
std::int32_t bRemoveCR = 1;

std::unique_ptr<cRecordFile> cRecordFile::ForReading(std::vector<std::uint8_t> bytes, std::size_t start,
                                                     std::uint32_t version) {
    std::unique_ptr<cRecordFile> f(new cRecordFile());
    f->reading_ = true;
    f->version_ = version;
    f->data_ = std::move(bytes);
    f->pos_ = start <= f->data_.size() ? start : f->data_.size();
    return f;
}

std::unique_ptr<cRecordFile> cRecordFile::ForWriting(std::string path) {
    std::unique_ptr<cRecordFile> f(new cRecordFile());
    f->reading_ = false;
    f->version_ = dwDataVersion;
    f->path_ = std::move(path);
    return f;
}

bool cRecordFile::Read(void* dst, std::size_t n) {
    if (!reading_ || damaged_ || n > data_.size() - pos_) {
        damaged_ = true;
        return false;
    }
    if (n) std::memcpy(dst, data_.data() + pos_, n);
    pos_ += n;
    return true;
}

std::uint32_t cRecordFile::ReadCount(std::size_t minElementBytes) {
    std::int32_t n = 0;
    if (!ReadI32(n)) return 0;
    if (n < 0) {
        damaged_ = true;
        return 0;
    }
    std::size_t need = minElementBytes ? minElementBytes : 1;
    if (static_cast<std::uint64_t>(n) > Remaining() / need) {
        damaged_ = true;
        return 0;
    }
    return static_cast<std::uint32_t>(n);
}

void cRecordFile::Write(const void* src, std::size_t n) {
    if (reading_ || !n) return;
    const auto* p = static_cast<const std::uint8_t*>(src);
    data_.insert(data_.end(), p, p + n);
}

bool cRecordFile::Close() {
    if (closed_) return true;
    closed_ = true;
    if (reading_ || path_.empty()) return true;
    return WriteWholeFile(path_, data_);
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out) {
    std::string real = ResolvePath(path);
    std::FILE* fp = std::fopen(real.c_str(), "rb");
    if (!fp) return false;
    out.clear();
    std::uint8_t buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, fp)) > 0) out.insert(out.end(), buf, buf + n);
    bool ok = !std::ferror(fp);
    std::fclose(fp);
    return ok;
}

bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::string real = ResolvePathForWriting(path);
    std::string temp = real + ".tmp" + std::to_string(::getpid());
    std::FILE* fp = std::fopen(temp.c_str(), "wb");
    if (!fp) return false;
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), fp) == bytes.size();
    ok = (std::fflush(fp) == 0) && ok;
    ok = (std::fclose(fp) == 0) && ok;
    if (ok && std::rename(temp.c_str(), real.c_str()) == 0) return true;
    std::remove(temp.c_str());
    return false;
}

RecordFilePtr OpenRecordMemoryRead(std::vector<std::uint8_t> bytes) {
    // Every open decides the flag, so that a refusal for another reason never
    // shows the newer-version verdict of an earlier open.
    bNewerVersion = 0;
    if (bytes.size() < 4) return nullptr;
    std::uint32_t version;
    std::memcpy(&version, bytes.data(), 4);
    if (version > dwDataVersion) {
        bNewerVersion = 1;
        return nullptr;
    }
    return cRecordFile::ForReading(std::move(bytes), 4, version);
}

RecordFilePtr OpenRecordFileRead(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path.empty() ? std::string("err") : path, bytes)) {
        bNewerVersion = 0;
        return nullptr;
    }
    return OpenRecordMemoryRead(std::move(bytes));
}

RecordFilePtr OpenRecordFileWrite(const std::string& path) {
    // Check now that the place can be written, as opening the file would.
    std::string real = ResolvePathForWriting(path);
    if (::access(real.c_str(), F_OK) == 0) {
        if (::access(real.c_str(), W_OK) != 0) return nullptr;
    } else {
        std::string::size_type slash = real.rfind('/');
        std::string dir = slash == std::string::npos ? std::string(".") : real.substr(0, slash ? slash : 1);
        if (::access(dir.c_str(), W_OK) != 0) return nullptr;
    }
    RecordFilePtr f = cRecordFile::ForWriting(path);
    f->WriteU32(dwDataVersion);
    return f;
}

RecordFilePtr OpenRecordMemoryWrite() {
    RecordFilePtr f = cRecordFile::ForWriting(std::string());
    f->WriteU32(dwDataVersion);
    return f;
}

bool CloseRecordFile(RecordFilePtr& file) {
    if (!file) return true;
    bool ok = file->Close();
    file.reset();
    return ok;
}
