// The command "ステータスの操作": an operator applied to a character's status,
// a variable or a system value, with a value taken from a constant, a random
// draw, another status or a variable.
#include "engine/StatusOps.h"

#include "engine/Chara.h"
#include "engine/EngineScene.h"
#include "engine/Flow.h"
#include "engine/StatusArith.h"
#include "engine/StatusFields.h"
#include "graphics/RandRange.h"

namespace {

// The command's parameters by number.
enum : int {
    P_TARGET_KIND = 0, // 0 a status or system value, 1 a variable
    P_SCOPE = 1,
    P_VAR_INDEX = 2,
    P_SUBJECT = 3,
    P_STATUS = 4,
    P_OPERATOR = 5,
    P_VALUE_KIND = 6,
    P_CONSTANT = 7,
    P_RANDOM_A = 8,
    P_RANDOM_B = 9,
    P_VALUE_SCOPE = 10,
    P_VALUE_VAR_INDEX = 11,
    P_VALUE_SUBJECT = 12,
    P_VALUE_STATUS = 13,
    P_PERCENT = 14,
    P_HPSP_MODE = 15,
    P_SHOW_GAUGE = 16,
    P_SPARE_INVINCIBLE = 17,
};

// hp and sp value modes.
enum : int { HPSP_VALUE = 0, HPSP_OF_MAXIMUM = 1, HPSP_OF_CURRENT = 2 };

// A change of hp (sp) through the character's own rule, with the gauge when asked.
void ApplyHpSp(cChara& subject, bool hp, int op, std::int32_t operand, int mode, bool show) {
    const std::int32_t current = hp ? subject.hp : subject.sp;
    const std::int32_t maximum = hp ? subject.Def.mhp : subject.Def.msp;
    switch (mode) {
    case HPSP_VALUE:
        break;
    case HPSP_OF_MAXIMUM:
        operand = PercentOf(maximum, operand);
        break;
    case HPSP_OF_CURRENT:
        operand = PercentOf(current, operand);
        break;
    default:
        return;
    }
    const std::int32_t next = StatusOp(op, current, operand, 0, kStatusInfo[STATUS_HP].nMax);
    if (hp)
        subject.ChangeHp(next - current, 1, show ? 1 : 0);
    else
        subject.ChangeSp(next - current, show ? 1 : 0);
}

void ApplyToChara(cChara& runner, cChara& subject, const cVector<std::int32_t>& p, std::int32_t operand) {
    const int status = p.At(P_STATUS);
    const int op = p.At(P_OPERATOR);
    const bool percent = p.At(P_PERCENT) != 0;
    if (status < 0 || status >= STATUS_COUNT) return;
    const StatusInfo& info = kStatusInfo[status];
    switch (status) {
    case STATUS_HP:
    case STATUS_SP:
        ApplyHpSp(subject, status == STATUS_HP, op, operand, p.At(P_HPSP_MODE), p.At(P_SHOW_GAUGE) != 0);
        break;
    case STATUS_MHP:
    case STATUS_MSP: {
        cStatusRef max = CharaStatus(subject, status, 0);
        std::int32_t& current = status == STATUS_MHP ? subject.hp : subject.sp;
        if (percent) operand = PercentOf(max.Get(), operand);
        max.Set(StatusOp(op, max.Get(), operand, info.nMin, info.nMax));
        if (current > max.Get()) current = max.Get();
        break;
    }
    case STATUS_SIGHT:
        // Limited sight belongs to the player's character alone.
        if (subject.nControl != 0) return;
        [[fallthrough]];
    default: {
        cStatusRef ref = CharaStatus(subject, status, p.At(P_VAR_INDEX));
        if (info.nWidth < 4) operand = CutToWidth(operand, info.nWidth);
        if (percent) operand = PercentOf(ref.Get(), operand);
        ref.Set(StatusOp(op, ref.Get(), operand, info.nMin, info.nMax));
        break;
    }
    }
    if (status == STATUS_SIGHT) {
        subject.nSightPixels = subject.Def.sight * 16;
        EngineScene().CreateSightMask();
    }
    if (status == STATUS_STOP) subject.UpdateDecel();
    if ((status == STATUS_HP || status == STATUS_MHP) && &subject != &runner && subject.hp < 1)
        Scene().nDefeatCheck = 1;
}

} // namespace

bool StatusOperand(const cChara& chara, int kind, std::int32_t constant, std::int32_t randomA,
                   std::int32_t randomB, int valueScope, std::int32_t valueVarIndex, int valueSubject,
                   int valueStatus, std::int32_t& out) {
    switch (kind) {
    case 0:
        out = constant;
        return true;
    case 1:
        out = RandRange(randomA, randomB);
        return true;
    case 2: {
        if (valueSubject == SUBJECT_SYSTEM) {
            if (valueStatus < 0 || valueStatus >= SYSVAL_COUNT) return false;
            out = SystemValueAsSource(valueStatus);
            return true;
        }
        cChara* subject = SubjectOf(chara, valueSubject);
        if (!subject) return false;
        // Limited sight belongs to the player's character alone.
        if (valueStatus == STATUS_SIGHT && subject->nControl != 0) return false;
        cStatusRef ref = CharaStatus(*subject, valueStatus, valueVarIndex);
        if (!ref.IsSet()) return false;
        out = ref.Get();
        return true;
    }
    case 3:
        out = Variable(valueScope, valueVarIndex);
        return true;
    default:
        return false;
    }
}

int CmdStatusOp(cChara& chara, cFlowCommand& entry) {
    const cVector<std::int32_t>& p = entry.lpCmd->vParam;
    std::int32_t operand = 0;
    if (!StatusOperand(chara, p.At(P_VALUE_KIND), p.At(P_CONSTANT), p.At(P_RANDOM_A), p.At(P_RANDOM_B),
                       p.At(P_VALUE_SCOPE), p.At(P_VALUE_VAR_INDEX), p.At(P_VALUE_SUBJECT),
                       p.At(P_VALUE_STATUS), operand))
        return 0;
    const int op = p.At(P_OPERATOR);
    const bool percent = p.At(P_PERCENT) != 0;

    if (p.At(P_TARGET_KIND) == 1) {
        std::int32_t& v = Variable(p.At(P_SCOPE), p.At(P_VAR_INDEX));
        if (percent) operand = PercentOf(v, operand);
        v = StatusOp(op, v, operand, kVariableMin, kVariableMax);
        return 0;
    }
    if (p.At(P_TARGET_KIND) != 0) return 0;

    const int subjectCode = p.At(P_SUBJECT);
    if (subjectCode == SUBJECT_SYSTEM) {
        const int index = p.At(P_STATUS);
        if (index < 0 || index >= SYSVAL_COUNT) return 0;
        if (index == SYSVAL_LIVES && LivesUnlimited()) return 0;
        const std::int32_t current = SystemValue(index);
        if (percent) operand = PercentOf(current, operand);
        SetSystemValue(index,
                       StatusOp(op, current, operand, kSystemInfo[index].nMin, kSystemInfo[index].nMax));
        return 0;
    }
    cChara* subject = SubjectOf(chara, subjectCode);
    if (!subject) return 0;
    if (p.At(P_SPARE_INVINCIBLE) && (subject->IsInvincible() || subject->Def.Invincible != 0)) return 0;
    ApplyToChara(chara, *subject, p, operand);
    return 0;
}
