// Vectors of strings after a record's own part: a 32-bit count, then each
// string in the stored form (a 32-bit length counting the terminating zero,
// then the text and its zero; an empty string is the length 1 alone).
#pragma once

#include "foundation/Containers.h"
#include "foundation/RecordFile.h"

#include <string>

// Reads one stored string; false (and the file marked damaged) when it is not there.
bool LoadStoredString(cRecordFile& file, std::string& out);
void SaveStoredString(cRecordFile& file, const std::string& text);

// `out` changes only when the whole vector was read.
void LoadStringVector(cRecordFile& file, cVector<std::string>& out);
void SaveStringVector(cRecordFile& file, const cVector<std::string>& items);
