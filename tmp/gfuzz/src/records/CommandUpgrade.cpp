// The version ladder of commands: each step brings the kinds and parameters of
// one older data version to the next layout. Steps run in ascending order of
// their thresholds and each sees what the earlier ones left. Kinds before the
// step at 734 are in the numbering of their time (one lower from character
// kind 24 and flow kind 9 on).
#include "records/EdCommand.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr int kNoKind = -1000; // a step with no twin on this side
constexpr int kAnyKind = -1001;

void Resize(cEdCommand& c, std::size_t n) {
    c.vParam.resize(n, 0);
}

// Parameter i; a vector too short for it (a damaged or hand-made file) is
// first grown with zeros. The parameter fix cuts it to the kind's count later.
std::int32_t& P(cEdCommand& c, std::size_t i) {
    if (c.vParam.size() <= i) Resize(c, i + 1);
    return c.vParam[i];
}

// Raises a stored value; a hostile file's value near the top saturates
// instead of overflowing.
void Bump(std::int32_t& v, std::int32_t by) {
    v = static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{v} + by, INT32_MAX));
}

// Resizes to n, then moves the parameters from i on one place up (the last
// falls off) and puts `value` at i.
void ResizeInsert(cEdCommand& c, std::size_t n, std::size_t i, std::int32_t value = 0) {
    Resize(c, n);
    if (i >= n) return;
    std::copy_backward(c.vParam.begin() + static_cast<std::ptrdiff_t>(i), c.vParam.end() - 1, c.vParam.end());
    c.vParam[i] = value;
}

// The status numbering grew at 168 and 203: numbers from `from` on moved up one.
void ShiftStatus(cEdCommand& c, std::int32_t from) {
    if (P(c, 0) == 0 && P(c, 3) != 2 && P(c, 4) >= from) Bump(P(c, 4), 1);
    if (P(c, 6) == 2 && P(c, 12) != 2 && P(c, 13) >= from) Bump(P(c, 13), 1);
}

void GraphicKindShift(cEdCommand& c) {
    if (P(c, 0) == 3)
        P(c, 1) = static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{P(c, 1)} + 1, 119));
}

void MessageStep(cEdCommand& c, std::uint32_t below) {
    Resize(c, 18);
    switch (below) {
    case 545:
        P(c, 10) = 1;
        break;
    case 546:
        P(c, 10) = (P(c, 0) == 0 || P(c, 0) == 7) ? 1 : 0;
        break;
    case 547:
        P(c, 11) = P(c, 12) = P(c, 13) = 0;
        P(c, 14) = 1;
        P(c, 15) = 0;
        break;
    case 556:
        P(c, 16) = 1;
        break;
    case 723:
        P(c, 17) = 0;
        break;
    default:
        break;
    }
}

void PictureStep(cEdCommand& c, std::uint32_t below) {
    if (below == 194) {
        ResizeInsert(c, 15, 6, 1);
        return;
    }
    Resize(c, 15);
    switch (below) {
    case 545:
        P(c, 11) = 0;
        break;
    case 547:
        P(c, 12) = P(c, 13) = 0;
        break;
    case 723:
        P(c, 14) = 0;
        break;
    default:
        break;
    }
}

// The arrangement aimed at shots (its p0 = 11) names a shot descriptor in p1;
// seven descriptors were added before 727.
void RenumberShotDescriptor(cEdCommand& c) {
    if (P(c, 0) != 11) return;
    for (std::int32_t t : {1, 2, 3, 13, 14, 15, 16})
        if (P(c, 1) > t) Bump(P(c, 1), 1);
}

// Character kind 24 ("消滅") and flow kind 9 came in at 734.
void RenumberKinds(cEdCommand& c) {
    const int first = c.IsFlow() ? 9 : 24;
    const int arrange = c.IsFlow() ? 23 : 38;
    if (c.cKind < first) return;
    c.cKind = static_cast<std::int8_t>(c.cKind + 1);
    if (c.cKind == arrange && P(c, 0) > 23) Bump(P(c, 0), 1);
}

struct Step {
    std::uint32_t below;
    int charaKind;
    int flowKind;
    void (*apply)(cEdCommand&);
};

const Step kSteps[] = {
    {145, 17, 2, [](cEdCommand& c) { Resize(c, 9); }},
    {166, 35, 20,
     [](cEdCommand& c) {
         Resize(c, 2);
         P(c, 1) = 1;
     }},
    {168, 22, 7, [](cEdCommand& c) { ShiftStatus(c, 10); }},
    {189, 21, 6, [](cEdCommand& c) { ResizeInsert(c, 16, 2); }},
    {194, 31, 16, [](cEdCommand& c) { PictureStep(c, 194); }},
    {195, 29, 14, [](cEdCommand& c) { ResizeInsert(c, 3, 1); }},
    {195, 30, 15, [](cEdCommand& c) { ResizeInsert(c, 3, 1); }},
    {203, 14, kNoKind, [](cEdCommand& c) { c.vParam.clear(); }},
    {203, 15, kNoKind, [](cEdCommand& c) { c.vParam.clear(); }},
    {203, 16, kNoKind, [](cEdCommand& c) { Resize(c, 4); }},
    {203, 22, 7, [](cEdCommand& c) { ShiftStatus(c, 5); }},
    {210, 23, 8,
     [](cEdCommand& c) {
         if (P(c, 0) != 2 && P(c, 1) >= 6) Bump(P(c, 1), 1);
     }},
    {219, 25, 10, GraphicKindShift},
    {220, 11, kNoKind,
     [](cEdCommand& c) {
         if (c.pShot) c.pShot->sGraphic = static_cast<std::int16_t>(std::min(c.pShot->sGraphic + 1, 119));
     }},
    {514, 5, kNoKind,
     [](cEdCommand& c) {
         if (!c.pMove) return;
         c.pMove->sAngle = 0;
         c.pMove->sAngleAdd = 0;
         c.pMove->bMirrorAngle = 1;
     }},
    {545, 19, 4, [](cEdCommand& c) { MessageStep(c, 545); }},
    {545, 31, 16, [](cEdCommand& c) { PictureStep(c, 545); }},
    {546, 19, 4, [](cEdCommand& c) { MessageStep(c, 546); }},
    {547, 19, 4, [](cEdCommand& c) { MessageStep(c, 547); }},
    {547, 31, 16, [](cEdCommand& c) { PictureStep(c, 547); }},
    {556, 19, 4, [](cEdCommand& c) { MessageStep(c, 556); }},
    {722, 17, 2,
     [](cEdCommand& c) {
         if (P(c, 0) >= 2) Bump(P(c, 0), 1);
     }},
    {723, 19, 4, [](cEdCommand& c) { MessageStep(c, 723); }},
    {723, 31, 16, [](cEdCommand& c) { PictureStep(c, 723); }},
    {726, 37, 22,
     [](cEdCommand& c) {
         Resize(c, 5);
         P(c, 0) = 11;
     }},
    {727, 37, 22, RenumberShotDescriptor},
    {734, kAnyKind, kAnyKind, RenumberKinds},
    {747, 21, 6,
     [](cEdCommand& c) {
         Resize(c, 16);
         P(c, 10) = 0;
         P(c, 11) = 1;
         P(c, 14) = 0;
     }},
    {760, 16, kNoKind,
     [](cEdCommand& c) {
         Resize(c, 4);
         P(c, 3) = 0;
     }},
    {764, 16, kNoKind,
     [](cEdCommand& c) {
         ResetShared(c.pCondList);
         c.pCondList->bUse = 0;
     }},
    {767, 9, kNoKind,
     [](cEdCommand& c) {
         if (P(c, 0) >= 4) Bump(P(c, 0), 6);
     }},
    {767, 20, 5,
     [](cEdCommand& c) {
         if (c.pMove && c.pMove->cMode >= 2) c.pMove->cMode = static_cast<std::int8_t>(c.pMove->cMode + 3);
     }},
    {767, 21, 6, [](cEdCommand& c) { ResizeInsert(c, 16, 0); }},
    {767, 22, 7,
     [](cEdCommand& c) {
         if (P(c, 0) == 0 && P(c, 3) >= 2) Bump(P(c, 3), 3);
         if (P(c, 6) == 2 && P(c, 12) >= 2) Bump(P(c, 12), 3);
     }},
    {767, 23, 8,
     [](cEdCommand& c) {
         if (P(c, 0) >= 2) Bump(P(c, 0), 3);
     }},
};

} // namespace

void UpgradeCommand(cEdCommand& c, std::uint32_t version) {
    for (const Step& step : kSteps) {
        if (version >= step.below) continue;
        const int kind = c.IsFlow() ? step.flowKind : step.charaKind;
        if (kind == kAnyKind || kind == c.cKind) step.apply(c);
    }
}
