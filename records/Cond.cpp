#include "records/Cond.h"

#include "records/RecordVector.h"

namespace {
// Where the layout before 110 keeps two 16-bit values nobody reads.
std::int16_t g_droppedShorts[2];
} // namespace

void cCond::RegisterFields(std::uint32_t version) {
    ClearFields();
    AddByte(&cKind);
    AddInt(&nValue1);
    if (version >= 110) {
        AddInt(&nValue2);
        AddInt(&nValue3);
        AddByte(&cSel3);
        AddByte(&cArg);
        AddByte(&cSel1);
        AddByte(&cSel2);
        AddShort(&sValue);
        AddByte(&cSel4);
        AddByte(&cSel5);
        AddByte(&cArg2);
        AddByte(&cSel6);
        AddShort(&sValue2);
    } else {
        AddShort(&g_droppedShorts[0]);
        AddShort(&g_droppedShorts[1]);
    }
    AddByte(&bFlag1);
    if (version >= 43) AddByte(&bFlag2);
    AddByte(&bFlag3);
}

namespace {

// The status numbering grew twice (at 168 and 203): values from `from` on moved up one.
void ShiftStatusNumbers(cCond& c, int from) {
    if (c.cKind != 4) return;
    if (c.cSel1 == 0 && c.cSel3 != 2 && c.cArg >= from) ++c.cArg;
    if (c.cSel4 == 2 && c.cSel5 != 2 && c.cArg2 >= from) ++c.cArg2;
}

} // namespace

void cCond::Load(cRecordFile& file) {
    cSaveData::Load(file);
    const std::uint32_t v = file.LoadVersion();
    if (v >= 818) return;
    if (v < 160 && cKind >= 5) cKind = static_cast<std::int8_t>(cKind + 2);
    if (v < 161 && cKind == 6 && cArg == 2) bFlag1 = bFlag1 ? 0 : 1;
    if (v < 168) ShiftStatusNumbers(*this, 10);
    if (v < 203) ShiftStatusNumbers(*this, 5);
    if (v < 210 && cKind == 5 && cSel3 != 2 && cArg >= 6) ++cArg;
    if (v < 657 && cKind == 7) cSel3 = 0;
    if (v < 745 && cKind == 7) cSel1 = 0;
    if (v < 746 && cKind == 7) {
        cSel4 = 1;
        cSel5 = 1;
    }
    if (v < 767 && (cKind == 4 || cKind == 5)) {
        if (cSel3 >= 2) cSel3 = static_cast<std::int8_t>(cSel3 + 3);
        if (cSel5 >= 2) cSel5 = static_cast<std::int8_t>(cSel5 + 3);
    }
}

// A condition needs at least its field count and string count.
void LoadConds(cRecordFile& file, cVector<cCond>& out) {
    LoadRecords(file, out, 8);
}

void SaveConds(cRecordFile& file, cVector<cCond>& conds) {
    SaveRecordVector(file, conds);
}
