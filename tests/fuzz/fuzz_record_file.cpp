// The generic record-file reader: field blocks, strings, vectors of
// sub-records and of plain values, an older version's shorter field list.
#include "FuzzCheck.h"

#include <cstdint>
#include <string>

namespace {

// Version 700 stores only the first int and one string.
class Leaf : public cRecord<Leaf> {
public:
    std::int32_t a = 0;
    std::int16_t b[3] = {};
    std::uint8_t c[5] = {};
    std::string s1, s2;

    Leaf() { RegisterFields(dwDataVersion); }
    void RegisterFields(std::uint32_t version) override {
        ClearFields();
        AddInt(&a);
        if (version >= 700) {
            AddShort(b, 3);
            AddByte(c, 5);
        }
        AddString(&s1);
        if (version >= 700) AddString(&s2);
    }
};

class Branch : public cRecord<Branch> {
public:
    std::int32_t kind = 0;
    std::string name;
    cVector<Leaf> leaves;
    cVector<std::int32_t> values;

    Branch() { RegisterFields(dwDataVersion); }
    void RegisterFields(std::uint32_t) override {
        ClearFields();
        AddInt(&kind);
        AddString(&name);
    }
    void Load(cRecordFile& file) override {
        cSaveData::Load(file);
        if (file.Damaged()) return;
        LoadRecordVector(file, leaves);
        LoadValueVector(file, values);
    }
    void Save(cRecordFile& file) override {
        cSaveData::Save(file);
        SaveRecordVector(file, leaves);
        SaveValueVector(file, values);
    }
};

class Tree : public cRecord<Tree> {
public:
    std::int32_t header[4] = {1, 2, 3, 4};
    std::string title = "tree";
    cVector<Branch> branches;
    cVector<std::uint8_t> bytes;

    Tree() { RegisterFields(dwDataVersion); }
    void RegisterFields(std::uint32_t version) override {
        ClearFields();
        AddInt(header, version >= 500 ? 4 : 2);
        AddString(&title);
    }
    void Load(cRecordFile& file) override {
        cSaveData::Load(file);
        if (file.Damaged()) return;
        LoadRecordVector(file, branches);
        LoadValueVector(file, bytes);
    }
    void Save(cRecordFile& file) override {
        cSaveData::Save(file);
        SaveRecordVector(file, branches);
        SaveValueVector(file, bytes);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzRecordRoundTrip<Tree>(data, size);
    FuzzRecordRoundTrip<Leaf>(data, size);
    return 0;
}
