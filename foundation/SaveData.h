// cSaveData: the base of every record kept in a file. A derived class
// registers its stored members in file order for a data version
// (RegisterFields); the base then loads, saves, resets and copies them without
// knowing the class. Derived records with vectors of sub-records override Load
// and Save, calling the base first.
//
// Damaged files: every read is checked (cRecordFile). A record whose file
// turns out damaged is left as it was when loaded through LoadFromFile by a
// class derived through cRecord<T>, which loads into a copy and keeps it only
// when the whole file was good.
#pragma once

#include "foundation/Containers.h"
#include "foundation/RecordFile.h"

#include <cstdint>
#include <memory>
#include <string>

class cSaveData;

struct SAVEBLOCK {
    cSaveData* owner = nullptr;
    void* address = nullptr;
    std::uint32_t count = 0;
    std::int8_t size = 0;
};

struct SAVESTRING {
    cSaveData* owner = nullptr;
    std::string* address = nullptr;
};

// The longest text a stored string holds (the writer's 5,120-byte buffer).
constexpr std::size_t kMaxStoredString = 5119;

class cSaveData {
public:
    cSaveData() = default;
    // Copies never share descriptors: every operation re-registers on its own object.
    cSaveData(const cSaveData&) {}
    cSaveData& operator=(const cSaveData&) { return *this; }
    virtual ~cSaveData() = default;

    virtual void OnAssignSource(std::uint32_t /*version*/) {}
    // Clears both lists and registers the members a file of `version` holds.
    virtual void RegisterFields(std::uint32_t version);
    // Reads one record. Damage is recorded in the file (file.Damaged()).
    virtual void Load(cRecordFile& file);
    virtual void Save(cRecordFile& file);

    void AddInt(void* address, std::uint32_t count = 1) { AddBlock(address, count, 4); }
    void AddShort(void* address, std::uint32_t count = 1) { AddBlock(address, count, 2); }
    void AddByte(void* address, std::uint32_t count = 1) { AddBlock(address, count, 1); }
    void AddString(std::string* member, std::uint32_t n = 1);
    void ClearFields();

    // Registers for the current version, zeroes every field and empties every string.
    void Reset();
    // Copies the registered values of a record of the same class.
    void CopyFrom(cSaveData& source);
    void RemoveStringCRs();

    // Whole-file load and save: false when the file cannot be opened, is newer
    // than the program or is damaged (the record then keeps its values).
    bool LoadFromFile(const std::string& path);
    bool SaveToFile(const std::string& path);
    // The same over bytes in memory (tests and fuzzing).
    bool LoadFromBytes(std::vector<std::uint8_t> bytes);
    std::vector<std::uint8_t> SaveToBytes();

    const cVector<SAVEBLOCK>& Fields() const { return m_Fields; }
    const cVector<SAVESTRING>& Strings() const { return m_Strings; }

protected:
    void LoadStrings(cRecordFile& file);
    void SaveStrings(cRecordFile& file);

    // A copy of this record to load into, and the way back; cRecord<T> provides them.
    virtual std::unique_ptr<cSaveData> CloneForLoad() const { return nullptr; }
    virtual void AdoptLoaded(cSaveData&& /*loaded*/) {}

private:
    bool LoadFrom(RecordFilePtr file);
    void AddBlock(void* address, std::uint32_t count, std::int8_t size);

    cVector<SAVEBLOCK> m_Fields;
    cVector<SAVESTRING> m_Strings;
};

// Derive records through cRecord<T> (or cRecord<T, Base> below another record
// class) so that a damaged file leaves the record unchanged.
template <class T, class Base = cSaveData> class cRecord : public Base {
public:
    using Base::Base;

protected:
    std::unique_ptr<cSaveData> CloneForLoad() const override {
        return std::make_unique<T>(static_cast<const T&>(*this));
    }
    void AdoptLoaded(cSaveData&& loaded) override {
        static_cast<T&>(*this) = std::move(static_cast<T&>(loaded));
    }
};

// Vectors of sub-records after a record's own part: a 32-bit count, then each
// element as one record. Each element needs at least its two count words, or
// `minElementBytes` when the caller knows it needs more.
template <class T>
void LoadRecordVector(cRecordFile& file, cVector<T>& out, std::size_t minElementBytes = 8) {
    std::uint32_t n = file.ReadCount(minElementBytes);
    cVector<T> items;
    items.reserve(n);
    for (std::uint32_t i = 0; i < n && !file.Damaged(); ++i) {
        items.emplace_back();
        items.back().Load(file);
    }
    if (!file.Damaged()) out = std::move(items);
}

template <class T> void SaveRecordVector(cRecordFile& file, cVector<T>& items) {
    file.WriteU32(static_cast<std::uint32_t>(items.size()));
    for (auto& item : items) item.Save(file);
}

// Vectors of plain values: a 32-bit count, then the raw elements.
template <class T> void LoadValueVector(cRecordFile& file, cVector<T>& out) {
    std::uint32_t n = file.ReadCount(sizeof(T));
    cVector<T> items(n);
    if (n && !file.Read(items.data(), n * sizeof(T))) return;
    if (!file.Damaged()) out = std::move(items);
}

template <class T> void SaveValueVector(cRecordFile& file, const cVector<T>& items) {
    file.WriteU32(static_cast<std::uint32_t>(items.size()));
    if (!items.empty()) file.Write(items.data(), items.size() * sizeof(T));
}
