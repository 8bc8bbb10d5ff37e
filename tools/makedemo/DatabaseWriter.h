// Writes a database file as the player reads it: the data version, a 32-bit
// record count, then each record as its own Save writes it. The player only
// reads these files; the demo builder and the tests that check a loaded
// database against its file write them.
#pragma once

#include "foundation/RecordFile.h"

#include <cstdint>
#include <vector>

template <class T> std::vector<std::uint8_t> DatabaseFileBytes(T& records) {
    RecordFilePtr file = OpenRecordMemoryWrite();
    file->WriteU32(static_cast<std::uint32_t>(records.size()));
    for (auto& record : records) record.Save(*file);
    std::vector<std::uint8_t> bytes = file->Bytes();
    CloseRecordFile(file);
    return bytes;
}
