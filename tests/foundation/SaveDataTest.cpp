#include "foundation/SaveData.h"

#include "fixtures/ByteBuilder.h"
#include "fixtures/TempDir.h"

#include "foundation/NewerVersion.h"

#include <gtest/gtest.h>

namespace {

// A record whose version 817 stores only `a`; 818 adds `b` and a second string.
class Sample : public cRecord<Sample> {
public:
    std::int32_t a = 0;
    std::int16_t b = 0;
    std::uint8_t arr[3] = {};
    std::string s1, s2;

    Sample() { RegisterFields(dwDataVersion); }

    void RegisterFields(std::uint32_t version) override {
        ClearFields();
        AddInt(&a);
        if (version >= 818) {
            AddShort(&b);
            AddByte(arr, 3);
        }
        AddString(&s1);
        if (version >= 818) AddString(&s2);
    }
};

std::vector<std::uint8_t> Tail(const std::vector<std::uint8_t>& v, std::size_t from) {
    return std::vector<std::uint8_t>(v.begin() + static_cast<long>(from), v.end());
}

TEST(SaveData, StringBytes) {
    Sample r;
    r.s1 = "";
    r.s2 = "abc";
    std::vector<std::uint8_t> bytes = r.SaveToBytes();
    // version, field count, 4+2+3 field bytes, string count, "", "abc"
    std::vector<std::uint8_t> expected = ByteBuilder()
                                             .u32(818)
                                             .u32(3)
                                             .i32(0)
                                             .u16(0)
                                             .bytes({0, 0, 0})
                                             .u32(2)
                                             .bytes({1, 0, 0, 0})
                                             .bytes({4, 0, 0, 0, 'a', 'b', 'c', 0})
                                             .get();
    EXPECT_EQ(bytes, expected);
    Sample back;
    back.s1 = "x";
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    EXPECT_EQ(back.s1, "");
    EXPECT_EQ(back.s2, "abc");
}

TEST(SaveData, OlderVersionReadsItsOwnLayoutAndSavesCurrent) {
    Sample r;
    r.b = 7;
    r.s2 = "kept";
    ByteBuilder old;
    old.u32(817).u32(1).i32(42).u32(1).str("old");
    RecordFilePtr file = OpenRecordMemoryRead(old.get());
    ASSERT_TRUE(file);
    EXPECT_EQ(file->LoadVersion(), 817u);
    CloseRecordFile(file);
    ASSERT_TRUE(r.LoadFromBytes(old.get()));
    EXPECT_EQ(r.a, 42);
    EXPECT_EQ(r.b, 7); // not in 817: keeps its value
    EXPECT_EQ(r.s1, "old");
    EXPECT_EQ(r.s2, "kept");
    std::vector<std::uint8_t> saved = r.SaveToBytes();
    EXPECT_EQ(Tail(saved, 0).size(), 4u + 4 + 9 + 4 + 8 + 9);
    EXPECT_EQ(saved[0], 0x32); // 818 = 0x332
    EXPECT_EQ(saved[1], 0x03);
}

TEST(SaveData, NewerVersionRefusedUntilNextGoodOpen) {
    Sample r;
    r.a = 5;
    ByteBuilder newer;
    newer.u32(819).u32(1).i32(1).u32(0);
    EXPECT_FALSE(r.LoadFromBytes(newer.get()));
    EXPECT_EQ(NewerVersionRefused(), 1);
    EXPECT_EQ(r.a, 5);
    EXPECT_TRUE(r.LoadFromBytes(r.SaveToBytes()));
    EXPECT_EQ(NewerVersionRefused(), 0);

    // A refusal for another reason is no newer-version refusal either.
    for (const std::vector<std::uint8_t>& other :
         {std::vector<std::uint8_t>{1, 2}, std::vector<std::uint8_t>{}}) {
        EXPECT_FALSE(r.LoadFromBytes(newer.get()));
        EXPECT_FALSE(r.LoadFromBytes(other));
        EXPECT_EQ(NewerVersionRefused(), 0) << other.size() << " bytes";
    }
    EXPECT_FALSE(r.LoadFromBytes(newer.get()));
    EXPECT_FALSE(r.LoadFromFile("no such file.dat"));
    EXPECT_EQ(NewerVersionRefused(), 0) << "a missing file";
}

TEST(SaveData, DamagedFilesLeaveRecordUnchanged) {
    const std::vector<std::uint8_t> good = ByteBuilder().u32(817).u32(1).i32(99).u32(1).str("new").get();
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Case> cases = {
        {"shorter than the version", {0x32, 0x03}},
        {"field bytes cut", ByteBuilder().u32(817).u32(1).u16(1).get()},
        {"negative field count", ByteBuilder().u32(817).i32(-1).get()},
        {"more fields than registered", ByteBuilder().u32(817).u32(5).i32(1).u32(0).get()},
        {"negative string count", ByteBuilder().u32(817).u32(1).i32(1).i32(-3).get()},
        {"more strings than registered", ByteBuilder().u32(817).u32(1).i32(1).u32(9).get()},
        {"string length 0", ByteBuilder().u32(817).u32(1).i32(1).u32(1).u32(0).get()},
        {"string longer than the file", ByteBuilder().u32(817).u32(1).i32(1).u32(1).u32(0x7fffffff).get()},
        {"string cut", std::vector<std::uint8_t>(good.begin(), good.end() - 2)},
    };
    for (const auto& c : cases) {
        Sample r;
        r.a = 5;
        r.s1 = "before";
        EXPECT_FALSE(r.LoadFromBytes(c.bytes)) << c.what;
        EXPECT_EQ(r.a, 5) << c.what;
        EXPECT_EQ(r.s1, "before") << c.what;
    }
    Sample r;
    EXPECT_TRUE(r.LoadFromBytes(good));
    EXPECT_EQ(r.a, 99);
}

TEST(SaveData, RemoveCRAndReset) {
    Sample r;
    ASSERT_TRUE(r.LoadFromBytes(ByteBuilder().u32(818).u32(0).u32(1).str("a\r\nb").get()));
    EXPECT_EQ(r.s1, "a\nb");
    r.a = 3;
    r.b = 4;
    r.arr[2] = 9;
    r.Reset();
    EXPECT_EQ(r.a, 0);
    EXPECT_EQ(r.b, 0);
    EXPECT_EQ(r.arr[2], 0);
    EXPECT_EQ(r.s1, "");
}

TEST(SaveData, CopiesPointAtTheirOwnMembers) {
    Sample a;
    a.a = 11;
    a.s1 = "one";
    Sample b = a;
    b.a = 22;
    std::vector<std::uint8_t> bytesB = b.SaveToBytes();
    Sample c;
    c.CopyFrom(a);
    EXPECT_EQ(c.a, 11);
    EXPECT_EQ(c.s1, "one");
    EXPECT_EQ(a.a, 11);
    Sample d;
    ASSERT_TRUE(d.LoadFromBytes(bytesB));
    EXPECT_EQ(d.a, 22);
}

TEST(SaveData, FilesOnDiskAndEmptyName) {
    TempDir dir;
    Sample r;
    r.a = 77;
    ASSERT_TRUE(r.SaveToFile("rec.dat"));
    Sample back;
    ASSERT_TRUE(back.LoadFromFile("rec.dat"));
    EXPECT_EQ(back.a, 77);
    EXPECT_FALSE(back.LoadFromFile("missing.dat"));
    // An empty name reads the file "err".
    ASSERT_TRUE(r.SaveToFile("err"));
    Sample viaErr;
    EXPECT_TRUE(viaErr.LoadFromFile(""));
    EXPECT_EQ(viaErr.a, 77);
    EXPECT_FALSE(r.SaveToFile("no_such_folder/rec.dat"));
}

} // namespace
