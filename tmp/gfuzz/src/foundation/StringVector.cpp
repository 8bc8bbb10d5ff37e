#include "foundation/StringVector.h"

#include "foundation/SaveData.h"

bool LoadStoredString(cRecordFile& file, std::string& out) {
    std::uint32_t length = 0;
    if (!file.ReadU32(length)) return false;
    if (length == 1) {
        out.clear();
        return true;
    }
    // The length counts the zero, so 0 is damage; so is a length the file cannot hold.
    if (length == 0 || length > file.Remaining()) {
        file.MarkDamaged();
        return false;
    }
    std::string buf(length, '\0');
    if (!file.Read(buf.data(), length)) return false;
    out.assign(buf.c_str());
    return true;
}

void SaveStoredString(cRecordFile& file, const std::string& text) {
    std::string s(text.c_str());
    if (s.size() > kMaxStoredString) s.resize(kMaxStoredString);
    file.WriteU32(static_cast<std::uint32_t>(s.size() + 1));
    if (!s.empty()) file.Write(s.c_str(), s.size() + 1);
}

void LoadStringVector(cRecordFile& file, cVector<std::string>& out) {
    std::uint32_t n = file.ReadCount(4);
    cVector<std::string> items;
    items.reserve(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        items.emplace_back();
        if (!LoadStoredString(file, items.back())) return;
    }
    if (!file.Damaged()) out = std::move(items);
}

void SaveStringVector(cRecordFile& file, const cVector<std::string>& items) {
    file.WriteU32(static_cast<std::uint32_t>(items.size()));
    for (const auto& s : items) SaveStoredString(file, s);
}
