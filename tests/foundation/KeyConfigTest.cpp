// The key file: a good file is read field by field; a missing one is
// reported to the caller; a damaged one gives the default keys and a report
// line, and nothing past the file is read.
#include "foundation/KeyConfig.h"
#include "foundation/ErrorLog.h"
#include "foundation/RecordFile.h"

#include "fixtures/ByteBuilder.h"
#include "fixtures/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

struct Assign {
    std::uint32_t device;
    std::uint16_t code;
};

// A key file with the given assignments (the rest: keyboard code 0).
ByteBuilder KeyFile(std::initializer_list<Assign> keys, std::uint32_t count, std::uint32_t joysticks,
                    std::uint32_t use) {
    ByteBuilder b;
    std::size_t n = 0;
    for (const Assign& a : keys) {
        b.u32(a.device).u16(a.code).u16(0xBEEF);
        ++n;
    }
    for (; n < 12; ++n) b.u32(8).u16(0).u16(0);
    return b.u32(count).u32(joysticks).u32(use);
}

std::vector<std::uint8_t> Shortened(std::vector<std::uint8_t> bytes) {
    bytes.pop_back();
    return bytes;
}

std::string ReadText(const std::string& file) {
    std::ifstream in(file);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool IsDefault(const KEYCONFIGDATA& c) {
    KEYCONFIGDATA d;
    SetDefaultKeyConfig(&d);
    for (int i = 0; i < 12; ++i)
        if (c.Keys[i].dwDevice != d.Keys[i].dwDevice || c.Keys[i].wCode != d.Keys[i].wCode) return false;
    return c.dwCount == 12 && c.dwJoyCount == 1 && c.dwUse == 0;
}

TEST(KeyConfig, DefaultsAreTheFixedLayoutKeys) {
    KEYCONFIGDATA c;
    SetDefaultKeyConfig(&c);
    const WORD codes[12] = {37, 39, 38, 40, 90, 88, 67, 86, 65, 83, 68, 70};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(c.Keys[i].dwDevice, 8u);
        EXPECT_EQ(c.Keys[i].wCode, codes[i]);
    }
    EXPECT_EQ(c.dwCount, 12u);
    EXPECT_EQ(c.dwJoyCount, 1u);
    EXPECT_EQ(c.dwUse, 0u);
}

TEST(KeyConfig, AGoodFileIsReadFieldByField) {
    TempDir dir;
    ByteBuilder b = KeyFile({{8, 74}, {0, 512}, {1, 1024}, {8, 75}, {0, 0x0010}}, 5, 2, 1);
    b.u32(0xFFFFFFFF); // bytes past the record are not read
    ASSERT_TRUE(WriteWholeFile("KeyConfig.dat", b.get()));
    KEYCONFIGDATA c;
    ASSERT_EQ(LoadKeyConfig("KeyConfig.dat", &c), 1);
    EXPECT_EQ(c.Keys[0].dwDevice, 8u);
    EXPECT_EQ(c.Keys[0].wCode, 74);
    EXPECT_EQ(c.Keys[1].dwDevice, 0u);
    EXPECT_EQ(c.Keys[1].wCode, 512);
    EXPECT_EQ(c.Keys[2].dwDevice, 1u);
    EXPECT_EQ(c.Keys[4].wCode, 0x10);
    EXPECT_EQ(c.Keys[4].wUnused, 0xBEEF);
    EXPECT_EQ(c.dwCount, 5u);
    EXPECT_EQ(c.dwJoyCount, 2u);
    EXPECT_EQ(c.dwUse, 1u);
}

TEST(KeyConfig, AMissingFileIsLeftToTheCaller) {
    TempDir dir;
    KEYCONFIGDATA c;
    c.dwUse = 7;
    EXPECT_EQ(LoadKeyConfig("KeyConfig.dat", &c), 0);
    EXPECT_EQ(c.dwUse, 7u);
}

TEST(KeyConfig, ADamagedFileGivesTheDefaultKeysAndAReportLine) {
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* why;
    } cases[] = {
        {"empty", {}, "shorter than 108 bytes"},
        {"one byte short", Shortened(KeyFile({}, 12, 1, 1).get()), "shorter than 108 bytes"},
        {"count 13", KeyFile({}, 13, 1, 1).get(), "more than 12 assignments"},
        {"count huge", KeyFile({}, 0xFFFFFFFF, 1, 1).get(), "more than 12 assignments"},
        {"17 joysticks", KeyFile({}, 12, 17, 1).get(), "more joysticks than can be polled"},
        {"second joystick, one polled", KeyFile({{8, 1}, {1, 512}}, 12, 1, 1).get(),
         "an assignment names a joystick that is not polled"},
        {"a joystick, none polled", KeyFile({{0, 256}}, 12, 0, 1).get(),
         "an assignment names a joystick that is not polled"},
        {"a direction beyond a small count", KeyFile({{8, 1}, {8, 2}, {8, 3}, {5, 2048}}, 2, 1, 1).get(),
         "an assignment names a joystick that is not polled"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        ASSERT_TRUE(SetReportFile("Report_Game.txt"));
        ASSERT_TRUE(WriteWholeFile("KeyConfig.dat", c.bytes));
        KEYCONFIGDATA config;
        config.dwUse = 1;
        EXPECT_EQ(LoadKeyConfig("KeyConfig.dat", &config), 0);
        EXPECT_TRUE(IsDefault(config));
        std::string report = ReadText("Report_Game.txt");
        EXPECT_NE(report.find(std::string("KeyConfig.dat: ") + c.why), std::string::npos) << report;
    }
}

TEST(KeyConfig, UnusedButtonsMayNameAnyDevice) {
    // Assignments at and past the count are never read.
    ByteBuilder b = KeyFile({{8, 1}, {8, 2}, {8, 3}, {8, 4}, {8, 5}, {9, 6}}, 5, 0, 1);
    KEYCONFIGDATA c;
    std::string why;
    EXPECT_TRUE(ParseKeyConfig(b.get().data(), b.size(), &c, &why)) << why;
}

} // namespace
