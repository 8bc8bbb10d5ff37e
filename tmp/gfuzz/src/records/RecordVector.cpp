#include "records/RecordVector.h"

namespace {
thread_local int t_nesting = 0;
} // namespace

cNestingGuard::cNestingGuard(cRecordFile& file) : ok_(++t_nesting <= kMaxRecordNesting) {
    if (!ok_) file.MarkDamaged();
}

cNestingGuard::~cNestingGuard() {
    --t_nesting;
}

void LoadByteVector(cRecordFile& file, cVector<std::uint8_t>& out) {
    LoadValueVector(file, out);
}

void SaveByteVector(cRecordFile& file, const cVector<std::uint8_t>& bytes) {
    SaveValueVector(file, bytes);
}
