#include "foundation/SaveData.h"

#include <algorithm>
#include <cstring>

void cSaveData::RegisterFields(std::uint32_t) { ClearFields(); }

void cSaveData::ClearFields() {
    m_Fields.clear();
    m_Strings.clear();
}

void cSaveData::AddBlock(void* address, std::uint32_t count, std::int8_t size) {
    m_Fields.push_back(SAVEBLOCK{this, address, count, size});
}

void cSaveData::AddString(std::string* member, std::uint32_t n) {
    for (std::uint32_t i = 0; i < n; ++i) m_Strings.push_back(SAVESTRING{this, member});
}

void cSaveData::Reset() {
    RegisterFields(dwDataVersion);
    for (auto& f : m_Fields) std::memset(f.address, 0, static_cast<std::size_t>(f.count) * f.size);
    for (auto& s : m_Strings) s.address->clear();
}

void cSaveData::CopyFrom(cSaveData& source) {
    RegisterFields(dwDataVersion);
    source.RegisterFields(dwDataVersion);
    for (std::size_t i = 0; i < m_Fields.size(); ++i) {
        if (!source.m_Fields.InRange(static_cast<std::int64_t>(i))) {
            source.m_Fields.At(static_cast<std::int64_t>(i)); // reports the bad index
            break;
        }
        const SAVEBLOCK& src = source.m_Fields[i];
        const SAVEBLOCK& dst = m_Fields[i];
        std::size_t n = static_cast<std::size_t>(dst.count) * dst.size;
        std::size_t have = static_cast<std::size_t>(src.count) * src.size;
        std::memmove(dst.address, src.address, std::min(n, have));
    }
    for (std::size_t i = 0; i < m_Strings.size(); ++i) {
        if (!source.m_Strings.InRange(static_cast<std::int64_t>(i))) {
            source.m_Strings.At(static_cast<std::int64_t>(i));
            break;
        }
        *m_Strings[i].address = *source.m_Strings[i].address;
    }
}

void cSaveData::RemoveStringCRs() {
    for (auto& s : m_Strings) s.address->erase(std::remove(s.address->begin(), s.address->end(), '\r'), s.address->end());
}

void cSaveData::Load(cRecordFile& file) {
    RegisterFields(file.LoadVersion());
    std::int32_t fieldCount = 0;
    if (!file.ReadI32(fieldCount)) return;
    // A file never holds more fields than its version registers.
    if (fieldCount < 0 || static_cast<std::uint64_t>(fieldCount) > m_Fields.size()) {
        file.MarkDamaged();
        return;
    }
    for (std::int32_t i = 0; i < fieldCount; ++i) {
        const SAVEBLOCK& f = m_Fields[static_cast<std::size_t>(i)];
        if (!file.Read(f.address, static_cast<std::size_t>(f.count) * f.size)) return;
    }
    LoadStrings(file);
    if (file.Damaged()) return;
    if (dwDataVersion != file.LoadVersion()) RegisterFields(dwDataVersion);
}

void cSaveData::LoadStrings(cRecordFile& file) {
    std::int32_t stringCount = 0;
    if (!file.ReadI32(stringCount)) return;
    if (stringCount < 0 || static_cast<std::uint64_t>(stringCount) > m_Strings.size()) {
        file.MarkDamaged();
        return;
    }
    for (std::int32_t i = 0; i < stringCount; ++i) {
        std::uint32_t length = 0;
        if (!file.ReadU32(length)) return;
        std::string& s = *m_Strings[static_cast<std::size_t>(i)].address;
        // An empty string is its length 1 alone, with no bytes.
        if (length == 1) {
            s.clear();
            continue;
        }
        // Every stored string counts its terminating zero, so 0 is damage.
        if (length == 0 || length > file.Remaining()) {
            file.MarkDamaged();
            return;
        }
        std::string buf(length, '\0');
        file.Read(buf.data(), length);
        s.assign(buf.c_str());
    }
    if (bRemoveCR) RemoveStringCRs();
}

void cSaveData::Save(cRecordFile& file) {
    RegisterFields(dwDataVersion);
    file.WriteU32(static_cast<std::uint32_t>(m_Fields.size()));
    for (const auto& f : m_Fields) file.Write(f.address, static_cast<std::size_t>(f.count) * f.size);
    SaveStrings(file);
}

void cSaveData::SaveStrings(cRecordFile& file) {
    file.WriteU32(static_cast<std::uint32_t>(m_Strings.size()));
    for (const auto& s : m_Strings) {
        std::string text(s.address->c_str());
        if (text.size() > kMaxStoredString) text.resize(kMaxStoredString);
        *s.address = text;
        file.WriteU32(static_cast<std::uint32_t>(text.size() + 1));
        if (!text.empty()) file.Write(text.c_str(), text.size() + 1);
    }
}

bool cSaveData::LoadFrom(RecordFilePtr file) {
    if (!file) return false;
    std::unique_ptr<cSaveData> copy = CloneForLoad();
    cSaveData& target = copy ? *copy : *this;
    target.Load(*file);
    bool ok = !file->Damaged();
    CloseRecordFile(file);
    if (!ok) return false;
    if (copy) AdoptLoaded(std::move(*copy));
    return true;
}

bool cSaveData::LoadFromFile(const std::string& path) { return LoadFrom(OpenRecordFileRead(path)); }

bool cSaveData::LoadFromBytes(std::vector<std::uint8_t> bytes) {
    return LoadFrom(OpenRecordMemoryRead(std::move(bytes)));
}

bool cSaveData::SaveToFile(const std::string& path) {
    RecordFilePtr file = OpenRecordFileWrite(path);
    if (!file) return false;
    Save(*file);
    return CloseRecordFile(file);
}

std::vector<std::uint8_t> cSaveData::SaveToBytes() {
    RecordFilePtr file = OpenRecordMemoryWrite();
    Save(*file);
    std::vector<std::uint8_t> bytes = file->Bytes();
    CloseRecordFile(file);
    return bytes;
}
