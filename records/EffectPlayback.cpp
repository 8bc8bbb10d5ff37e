#include "records/EffectPlayback.h"

#include <cmath>
#include <utility>

CharaEffectTable CharaEffectTableR;
CharaEffectTable CharaEffectTableL;
ScrEffectTable ScrEffectTableR;
ScrEffectTable ScrEffectTableL;

namespace {

constexpr double kTickStep = 1.0 / 6.0; // one unit of p1 every 6 ticks

// The change per tick that takes a pass of `time` tenths of a second from
// `from` to `to`. A time of 0 or less (a damaged record) makes the pass one tick.
double PassStep(std::int32_t from, std::int32_t to, std::int32_t time) {
    double span = std::fabs(static_cast<double>(to) - static_cast<double>(from));
    double ticks = time > 0 ? static_cast<double>(time) * 6.0 : 1.0;
    return span / ticks;
}

// Both states end a pass the same way: done unless looping or about to run the
// reversed half of a there-and-back effect.
template <class State> int EndOfPass(State& state) {
    if (!state.bLoop && (state.nMode != EFFECT_THERE_AND_BACK || state.nFacing == 1)) return 1;
    state.Restart();
    return 0;
}

// The mirrored entries come from the working copy; a working copy that was
// never made (or is short) gives way to the records themselves.
template <class T>
const cVector<T>& MirrorSource(const cVector<T>& records, const cVector<T>& work, std::size_t i) {
    return i < work.size() ? work : records;
}

// Character effect kinds that run a value from p2 to p3 over p1.
bool IsCharaRangeKind(std::int32_t kind) {
    return kind >= 1 && kind <= 16 && kind != 6 && kind != 14;
}

// Screen effect kinds that run a value from p2 to p3 over p1.
bool IsScrRangeKind(std::int32_t kind) {
    return kind >= 4 && kind <= 13 && kind != 8;
}

// Starting and restarting a pass work alike for both effect kinds; only the
// pair of tables (right, mirrored) differs.
template <class State, class Table>
void StartPass(State& state, const Table& right, const Table& left, std::int32_t index, std::int32_t mode,
               std::int32_t loop) {
    state.nFacing = mode == EFFECT_REVERSED ? 1 : 0;
    state.Data = (state.nFacing ? left : right).At(index);
    state.nIndex = index;
    state.nMode = mode;
    state.bLoop = loop;
    state.nCounter = 0;
}

template <class State, class Table> void RestartPass(State& state, const Table& right, const Table& left) {
    if (state.nMode == EFFECT_THERE_AND_BACK) state.nFacing ^= 1;
    state.Data = (state.nFacing ? left : right).At(state.nIndex);
    state.nCounter = 0;
}

} // namespace

void cCharaEffectData::Init(const cVector<cCharaEffect>& records, std::int32_t index, bool mirrored) {
    *this = cCharaEffectData();
    nIndex = static_cast<std::int16_t>(index);
    lpRecord = &records.At(index);
    nKind = lpRecord->nKind;
    for (int p = 0; p < cEffectKindRecord::kParamCount; ++p) nParam[p] = lpRecord->nParam[p];
    if (IsCharaRangeKind(nKind)) {
        nTime = nParam[0];
        if (mirrored) std::swap(nParam[1], nParam[2]);
        nStart = nParam[1];
        nEnd = nParam[2];
        dValue = nStart;
        dStep = PassStep(nStart, nEnd, nParam[0]);
        if (nKind == 4 || nKind == 5) nWork[0] = 0;
    } else if (nKind == 6 || nKind == 14) { // blink, translucency
        nStart = 0;
        nEnd = nParam[0];
        nTime = nParam[0];
        dValue = 0;
        dStep = kTickStep;
        nWork[0] = nWork[1] = 0;
    }
    if (nKind != 0 && nStart == nEnd) {
        dStep = kTickStep;
        dElapsed = 0;
    }
}

void cScrEffectData::Init(const cVector<cScrEffect>& records, std::int32_t index, bool mirrored) {
    *this = cScrEffectData();
    nIndex = static_cast<std::int16_t>(index);
    lpRecord = &records.At(index);
    nKind = lpRecord->nKind;
    for (int p = 0; p < cEffectKindRecord::kParamCount; ++p) nParam[p] = lpRecord->nParam[p];
    if (nKind == 1) { // move
        if (mirrored) {
            std::swap(nParam[1], nParam[3]);
            std::swap(nParam[2], nParam[4]);
        }
        dValue = 0;
        dStep = kTickStep;
        nMove[0] = nParam[1];
        nMove[1] = nParam[2];
    } else if (nKind == 2 || nKind == 3) { // shakes
        dValue = 0;
        nWork[0] = nWork[1] = 0;
        dStep = kTickStep;
        nMove[0] = 0;
    } else if (nKind == 8) { // blink
        dValue = 0;
        dStep = kTickStep;
        nMove[0] = nMove[1] = 0;
    } else if (IsScrRangeKind(nKind)) {
        if (mirrored) std::swap(nParam[1], nParam[2]);
        dValue = nParam[1];
        dStep = PassStep(nParam[1], nParam[2], nParam[0]);
        if (nKind == 6 || nKind == 7) nMove[0] = 0;
        if (nParam[1] == nParam[2]) {
            bTimeOnly = 1;
            nTime = nParam[0];
            dStep = kTickStep;
            dElapsed = 0;
        }
    }
}

void BuildCharaEffectTables(const cVector<cCharaEffect>& records, const cVector<cCharaEffect>& work,
                            CharaEffectTable& right, CharaEffectTable& left) {
    right.clear();
    left.clear();
    right.resize(records.size());
    left.resize(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        right[i].Init(records, static_cast<std::int32_t>(i), false);
        left[i].Init(MirrorSource(records, work, i), static_cast<std::int32_t>(i), true);
    }
}

void BuildScrEffectTables(const cVector<cScrEffect>& records, const cVector<cScrEffect>& work,
                          ScrEffectTable& right, ScrEffectTable& left) {
    right.clear();
    left.clear();
    right.resize(records.size());
    left.resize(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        right[i].Init(records, static_cast<std::int32_t>(i), false);
        left[i].Init(MirrorSource(records, work, i), static_cast<std::int32_t>(i), true);
    }
}

void cCharaEffectState::Start(std::int32_t index, std::int32_t mode, std::int32_t loop) {
    StartPass(*this, CharaEffectTableR, CharaEffectTableL, index, mode, loop);
}

void cCharaEffectState::Restart() {
    RestartPass(*this, CharaEffectTableR, CharaEffectTableL);
}

int cCharaEffectState::Step() {
    if (Data.nStart != Data.nEnd) {
        if (Data.nStart > Data.nEnd) {
            Data.dValue -= Data.dStep;
            if (Data.dValue >= Data.nEnd) return 0;
        } else {
            Data.dValue += Data.dStep;
            if (Data.dValue <= Data.nEnd) return 0;
        }
    } else {
        Data.dElapsed += Data.dStep;
        if (Data.dElapsed <= Data.nTime) return 0;
    }
    return EndOfPass(*this);
}

void cScrEffectState::Start(std::int32_t index, std::int32_t mode, std::int32_t loop) {
    StartPass(*this, ScrEffectTableR, ScrEffectTableL, index, mode, loop);
}

void cScrEffectState::Restart() {
    RestartPass(*this, ScrEffectTableR, ScrEffectTableL);
}

void cScrEffectState::Clear() {
    nIndex = 0;
    nMode = 0;
    bLoop = 0;
    nFacing = 0;
    nCounter = 0;
}

int cScrEffectState::Step(std::int32_t from, std::int32_t to, double delta) {
    if (Data.bTimeOnly) {
        Data.dElapsed += Data.dStep;
        if (Data.dElapsed <= Data.nTime) return 0;
    } else if (from > to) {
        Data.dValue -= delta;
        if (std::trunc(Data.dValue) >= to) return 0;
    } else {
        Data.dValue += delta;
        if (std::trunc(Data.dValue) <= to) return 0;
    }
    return EndOfPass(*this);
}
