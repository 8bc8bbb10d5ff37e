// Small helpers for the definition-record tests: a context with every database
// large enough, hand-built command bytes of any version, and a guard that
// writes files of an older version.
#pragma once

#include "fixtures/ByteBuilder.h"
#include "foundation/RecordFile.h"
#include "records/RecordContext.h"

#include <gtest/gtest.h>
#include <vector>

// Every test starts from a context whose databases hold 100 records.
class RecordTest : public ::testing::Test {
protected:
    void SetUp() override { DefaultRecordContext().Clear(100); }
    void TearDown() override {
        DefaultRecordContext().Clear(0);
        SetRecordContext(nullptr);
    }
    cDefaultRecordContext& ctx() { return DefaultRecordContext(); }
};

// While alive, records are written in the layout of `version`.
class WriteVersion {
public:
    explicit WriteVersion(std::uint32_t v) : old_(dwDataVersion) { dwDataVersion = v; }
    ~WriteVersion() { dwDataVersion = old_; }

private:
    std::uint32_t old_;
};

// The record part of a command (its eight fields and its text) with no parts.
inline ByteBuilder& CommandHead(ByteBuilder& b, std::uint8_t flow, std::int8_t kind, std::int16_t wait = 0) {
    b.u32(8).u8(flow).u8(static_cast<std::uint8_t>(kind)).u16(static_cast<std::uint16_t>(wait)).u16(0).u8(0);
    b.u16(0).u8(1).u16(0).u32(1).str("");
    return b;
}

// A whole file of one command of `version`: no parts, no flows, the parameters.
inline std::vector<std::uint8_t> CommandFile(std::uint32_t version, std::uint8_t flow, std::int8_t kind,
                                             const std::vector<std::int32_t>& params) {
    ByteBuilder b;
    b.u32(version);
    CommandHead(b, flow, kind);
    b.u32(0).u32(0);
    if (version >= 764) b.u32(0);
    b.u32(0).u32(static_cast<std::uint32_t>(params.size()));
    for (std::int32_t p : params) b.i32(p);
    return b.get();
}
