// The code language bound to the game: object words name the running
// character, its targets and the hero; status words its statuses; C and S
// words the common and stage variables; the system words the play scene's
// time, the stage's auto-scroll speeds and the play data's score and lives.
#include "engine/CodeRun.h"

#include "engine/Chara.h"
#include "engine/CodeLang.h"
#include "engine/EngineScene.h"
#include "engine/Flow.h"
#include "engine/HeroChara.h"
#include "engine/StatusFields.h"
#include "foundation/MessageBox.h"
#include "project/PlayData.h"

namespace {

// The status words v1 to v8 are character variables 1 to 8; the others follow
// the status command's numbering from hp on.
int StatusOfWord(int word) {
    return word < CODE_HP ? STATUS_VAR : word - CODE_HP + STATUS_HP;
}

std::int32_t Clamp(std::int64_t v, std::int32_t low, std::int32_t high) {
    return static_cast<std::int32_t>(v < low ? low : v > high ? high : v);
}

class cCharaCodeWorld : public cCodeWorld {
public:
    explicit cCharaCodeWorld(cChara& runner) : runner_(runner) {}

    bool HasSubject(int object) override { return Subject(object) != nullptr; }

    std::int32_t Read(const CodeOperand& op) override {
        switch (op.nKind) {
        case CODE_VARIABLE:
            return Variable(op.nScope == CODE_STAGE ? SCOPE_STAGE : SCOPE_COMMON, op.nIndex);
        case CODE_STATUS:
            return Status(op).Get();
        case CODE_SYSTEM:
            return SystemValueAsSource(op.nSystem);
        default:
            return op.nValue;
        }
    }

    std::int32_t Assign(const CodeOperand& op, std::int64_t value) override {
        switch (op.nKind) {
        case CODE_VARIABLE:
            return Variable(op.nScope == CODE_STAGE ? SCOPE_STAGE : SCOPE_COMMON, op.nIndex) =
                       Clamp(value, kVariableMin, kVariableMax);
        case CODE_STATUS:
            return AssignStatus(op, value);
        case CODE_SYSTEM:
            return AssignSystem(op.nSystem, value);
        default:
            return 0;
        }
    }

    void Error(const std::string& text) override { ErrorBox(text.c_str()); }

private:
    cChara* Subject(int object) const {
        switch (object) {
        case CODE_MY:
            return &runner_;
        case CODE_TG:
        case CODE_TG1:
            return runner_.TargetAt(0);
        case CODE_TG2:
        case CODE_TG3:
        case CODE_TG4:
            return runner_.TargetAt(object - CODE_TG1);
        case CODE_PL: {
            const auto& heroes = Scene().HeroList;
            return heroes.empty() ? nullptr : heroes[0];
        }
        default:
            return nullptr;
        }
    }

    cStatusRef Status(const CodeOperand& op) const {
        cChara* subject = Subject(op.nObject);
        if (!subject) return cStatusRef();
        return CharaStatus(*subject, StatusOfWord(op.nStatus), op.nStatus + 1);
    }

    std::int32_t AssignStatus(const CodeOperand& op, std::int64_t value) {
        cChara* subject = Subject(op.nObject);
        if (!subject) return 0;
        const int status = StatusOfWord(op.nStatus);
        cStatusRef ref = CharaStatus(*subject, status, op.nStatus + 1);
        std::int32_t low = kStatusInfo[status].nMin;
        std::int32_t high = kStatusInfo[status].nMax;
        if (status == STATUS_HP) high = subject->Def.mhp;
        if (status == STATUS_SP) high = subject->Def.msp;
        if (status == STATUS_MSP) low = 1;
        const std::int32_t stored = Clamp(value, low, high < low ? low : high);
        ref.Set(stored);
        switch (status) {
        case STATUS_HP:
            if (subject != &runner_ && subject->hp < 1) Scene().nDefeatCheck = 1;
            break;
        case STATUS_MHP:
            // A new maximum lowers the points above it; it never gives points back.
            if (subject->hp > stored) subject->hp = stored;
            break;
        case STATUS_MSP:
            if (subject->sp > stored) subject->sp = stored;
            break;
        case STATUS_SIGHT:
            if (subject->nControl == 0) {
                subject->nSightPixels = stored * 16;
                EngineScene().CreateSightMask();
            }
            break;
        case STATUS_STOP:
            subject->UpdateDecel();
            break;
        default:
            break;
        }
        return stored;
    }

    std::int32_t AssignSystem(int index, std::int64_t value) {
        if (index == SYSVAL_LIVES && LivesUnlimited()) {
            // Unlimited lives stay unlimited whatever is assigned.
            const StatusInfo& info = kSystemInfo[SYSVAL_LIVES];
            return Clamp(value, info.nMin, info.nMax);
        }
        return SetSystemValue(index, value);
    }

    cChara& runner_;
};

} // namespace

int RunCode(const std::string& text, cChara& chara) {
    const std::int32_t hp = chara.hp;
    const std::int32_t sp = chara.sp;
    cCharaCodeWorld world(chara);
    cCodeRun run(world);
    run.ParseCodeStatements(text);
    if (run.bCodeError) return 0;
    if (chara.hp != hp) chara.ShowHpChange(chara.hp - hp);
    if (chara.sp != sp) chara.ShowSpChange(chara.sp - sp);
    return 1;
}

int CmdRunCode(cChara& chara, cFlowCommand& entry) {
    return RunCode(entry.lpCmd->strText, chara);
}
