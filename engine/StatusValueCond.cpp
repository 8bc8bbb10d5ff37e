// The status-value condition (condition kind 4): a status, a variable or a
// system value compared with a value.
#include "engine/StatusOps.h"

#include "engine/Chara.h"
#include "engine/CondFields.h"
#include "engine/StatusArith.h"
#include "engine/StatusFields.h"
#include "foundation/CompareOp.h"

bool TestStatusValueCond(const cCond& c, cChara& chara) {
    // The value is worked out for this test alone: a random one is drawn again
    // at every test, and the condition, shared by every character built from
    // the same definition, stays as it was loaded.
    std::int32_t value = 0;
    if (!StatusOperand(chara, CondValueKind(c), CondConstant(c), CondRandomA(c), CondRandomB(c),
                       CondValueScope(c), CondValueVarIndex(c), CondValueSubject(c), CondValueStatus(c),
                       value))
        return false;
    const int op = CondOperator(c);
    const bool percent = CondPercent(c);

    switch (CondTested(c)) {
    case 1: // a variable
        return CompareByOp(Variable(CondScope(c), CondVarIndex(c)), percent ? 0 : value, op) != 0;
    case 0:
        break;
    default:
        return false;
    }
    const int index = CondWhat(c);
    if (CondSubject(c) == SUBJECT_SYSTEM) {
        if (index < 0 || index >= SYSVAL_COUNT) return false;
        if (index == SYSVAL_LIVES && LivesUnlimited()) return false;
        return CompareByOp(SystemValue(index), percent ? 0 : value, op) != 0;
    }
    cChara* subject = SubjectOf(chara, CondSubject(c));
    if (!subject || index < 0 || index >= STATUS_COUNT) return false;
    cStatusRef ref = CharaStatus(*subject, index, CondVarIndex(c));
    std::int32_t against = value;
    if (percent) {
        if (index == STATUS_HP || index == STATUS_SP) {
            const std::int32_t maximum = index == STATUS_HP ? subject->Def.mhp : subject->Def.msp;
            against = PercentOf(maximum, value);
            against = against < 0 ? 0 : against > 999999 ? 999999 : against;
        } else {
            against = 0;
        }
    }
    return CompareInWidth(ref.Get(), against, op, ref.Width()) != 0;
}
