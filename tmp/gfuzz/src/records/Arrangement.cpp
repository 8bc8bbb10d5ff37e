#include "records/Arrangement.h"

#include "records/EdCommand.h"
#include "records/Labels/ShotParamTables.h"
#include "records/ParamDescriptors.h"
#include "records/RecordContext.h"

namespace {

// The variable the arrangement names; common and stage variable 0 is never used.
bool Variable(const Arrangement& a, const ArrangeVars& vars, std::int64_t& x) {
    std::span<const std::int32_t> list;
    std::int64_t first = 1;
    switch (a[3]) {
    case 0:
        list = vars.common;
        break;
    case 1:
        list = vars.stage;
        break;
    case 2:
        list = vars.chara;
        first = 0;
        break;
    default:
        return false; // no such scope: the arrangement does nothing
    }
    const std::int64_t n = a[4];
    if (n < first || n >= static_cast<std::int64_t>(list.size())) return false;
    x = list[static_cast<std::size_t>(n)];
    return true;
}

// The formation window of the shot and summon kinds: first descriptor, or -1.
int FormationWindow(int kind) {
    switch (kind) {
    case 11:
        return 2;
    case 13:
        return 0;
    case 14:
        return 2;
    case 15:
        return 1;
    default:
        return -1;
    }
}

void Range(int kind, std::int32_t index, const cEdCommand& c, std::int64_t& lo, std::int64_t& hi) {
    const CmdParamDesc& d = CmdParamTable.At(kind).At(index);
    lo = d.nMin;
    hi = d.nMax;
    if (!c.pShot) return;
    // Formation and movement values take their range from the shot range tables;
    // a formation or movement type with no row there is kept at 0..0.
    const int first = FormationWindow(kind);
    if (first >= 0 && index >= first && index < first + 3) {
        const cShotParam& row = ShotPatternParam(c.pShot->cFormation, index - first);
        lo = row.min;
        hi = row.max;
    } else if (kind == 11 && index >= 15 && index <= 17) {
        const cShotParam& row = ShotPathParam(c.pShot->cMotion, index - 15);
        lo = row.min;
        hi = row.max;
    }
}

} // namespace

bool ArrangeOperate(int op, std::int64_t v, std::int64_t x, std::int64_t& r) {
    switch (op) {
    case 0:
        r = x;
        return true;
    case 1:
        r = v + x;
        return true;
    case 2:
        r = v - x;
        return true;
    case 3:
        r = v * x;
        return true;
    case 4:
        if (x == 0) return false;
        r = v / x;
        return true;
    case 5:
        if (x == 0) return false;
        r = v % x;
        return true;
    case 6: {
        // Half away from zero, as every percentage of the program.
        const double d = static_cast<double>(v * x) * 0.01;
        r = static_cast<std::int64_t>(d >= 0 ? d + 0.5 : d - 0.5);
        return true;
    }
    default:
        return false;
    }
}

void ApplyArrangement(cEdCommand& command, const Arrangement& a, const ArrangeVars& vars) {
    const std::int64_t kind = std::int64_t{command.cKind} + (command.IsFlow() ? 15 : 0);
    if (a[0] != kind || !HasCmdParams(kind)) return;
    const int k = static_cast<int>(kind);
    if (a[1] < 0 || a[1] >= static_cast<std::int64_t>(CmdParamTable.At(k).size())) {
        CmdParamTable.At(k).At(a[1]); // a damaged arrangement: reported by the checked access
        return;
    }
    std::int32_t current = 0;
    if (!GetCmdParam(k, current, a[1], command)) return; // the command lacks the part
    std::int64_t x = 0;
    if (!Variable(a, vars, x)) return;
    std::int64_t lo = 0, hi = 0;
    Range(k, a[1], command, lo, hi);
    std::int64_t v = current;
    if (!ArrangeOperate(a[2], v, x, v)) v = current;
    if (v < lo)
        v = lo;
    else if (v > hi)
        v = hi;
    if (k == 26 && a[1] == 0 && !command.vParam.empty() && command.vParam[0] == 4 &&
        OutsideTable(v, RecordContext().DatabaseSize(eDatabase::Bmp_CharaExc)))
        v = 1;
    SetCmdParam(k, static_cast<std::int32_t>(v), a[1], command);
}
