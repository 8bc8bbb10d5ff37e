#include "engine/StatusFields.h"

#include "engine/Chara.h"
#include "engine/EngineScene.h"
#include "project/PlayData.h"
#include "project/Stage.h"

// Ranges after a status operation. A maximum of hit points stays at least 1:
// the gauges divide by it.
const StatusInfo kStatusInfo[STATUS_COUNT] = {
    {4, -999999, 999999}, // character variable
    {4, 0, 999999},       // hp (and at most mhp)
    {4, 0, 999999},       // sp (and at most msp)
    {4, 1, 999999},       // mhp
    {4, 0, 999999},       // msp
    {1, 0, 99},           // cid
    {1, 0, 7},            // z
    {2, 0, 119},          // mark
    {1, 0, 40},           // sight
    {4, -999999, 999999}, // power
    {1, -20, 20},         // imp
    {4, 0, 999999},       // def
    {1, 0, 20},           // impd
    {2, 0, 200},          // stop
    {4, -999999, 999999}, // getsc
};

const StatusInfo kSystemInfo[SYSVAL_COUNT] = {
    {4, 0, 999}, {4, -480, 480}, {4, -480, 480}, {4, 0, 999999}, {4, 0, 99},
};

std::int32_t cStatusRef::Get() const {
    switch (width_) {
    case 1:
        return *static_cast<std::int8_t*>(p_);
    case 2:
        return *static_cast<std::int16_t*>(p_);
    case 4:
        return *static_cast<std::int32_t*>(p_);
    default:
        return 0;
    }
}

void cStatusRef::Set(std::int32_t value) const {
    switch (width_) {
    case 1:
        *static_cast<std::int8_t*>(p_) = static_cast<std::int8_t>(value);
        break;
    case 2:
        *static_cast<std::int16_t*>(p_) = static_cast<std::int16_t>(value);
        break;
    case 4:
        *static_cast<std::int32_t*>(p_) = value;
        break;
    default:
        break;
    }
}

cStatusRef CharaStatus(cChara& c, int status, std::int32_t varIndex) {
    switch (status) {
    case STATUS_VAR:
        return cStatusRef(&c.Vars.At(varIndex));
    case STATUS_HP:
        return cStatusRef(&c.hp);
    case STATUS_SP:
        return cStatusRef(&c.sp);
    case STATUS_MHP:
        return cStatusRef(&c.Def.mhp);
    case STATUS_MSP:
        return cStatusRef(&c.Def.msp);
    case STATUS_CID:
        return cStatusRef(&c.Def.cid);
    case STATUS_Z:
        return cStatusRef(&c.Def.z);
    case STATUS_MARK:
        return cStatusRef(&c.Def.MarkNumber);
    case STATUS_SIGHT:
        return cStatusRef(&c.Def.sight);
    case STATUS_POWER:
        return cStatusRef(&c.Def.power);
    case STATUS_IMP:
        return cStatusRef(&c.Def.imp);
    case STATUS_DEF:
        return cStatusRef(&c.Def.def);
    case STATUS_IMPD:
        return cStatusRef(&c.Def.impd);
    case STATUS_STOP:
        return cStatusRef(&c.Def.stop);
    case STATUS_GETSC:
        return cStatusRef(&c.Def.getsc);
    default:
        return cStatusRef();
    }
}

std::int32_t& Variable(int scope, std::int32_t index) {
    return scope == SCOPE_STAGE ? Scene().StageVars.At(index) : PlayData.CommonVars.At(index);
}

cChara* SubjectOf(const cChara& self, int subject) {
    if (subject == SUBJECT_SELF) return const_cast<cChara*>(&self);
    if (subject >= 1 && subject <= 4) return self.TargetAt(subject - 1);
    return nullptr;
}

bool LivesUnlimited() {
    return PlayData.nLives == kUnlimitedLives;
}

std::int32_t SystemValue(int index) {
    switch (index) {
    case SYSVAL_TIME:
        return Scene().nStageTime;
    case SYSVAL_SCROLL_X:
        return Stage.nAutoScrollSpeedX;
    case SYSVAL_SCROLL_Y:
        return Stage.nAutoScrollSpeedY;
    case SYSVAL_SCORE:
        return PlayData.nScore;
    case SYSVAL_LIVES:
        return PlayData.nLives;
    default:
        return 0;
    }
}

std::int32_t SystemValueAsSource(int index) {
    if (index == SYSVAL_TIME && Scene().bTimeFlag) return 0;
    if (index == SYSVAL_LIVES && LivesUnlimited()) return 0;
    return SystemValue(index);
}

std::int32_t SetSystemValue(int index, std::int64_t value) {
    if (index < 0 || index >= SYSVAL_COUNT) return 0;
    const StatusInfo& info = kSystemInfo[index];
    const std::int32_t v = static_cast<std::int32_t>(value < info.nMin   ? info.nMin
                                                     : value > info.nMax ? info.nMax
                                                                         : value);
    switch (index) {
    case SYSVAL_TIME:
        Scene().nStageTime = v;
        break;
    case SYSVAL_SCROLL_X:
        Stage.nAutoScrollSpeedX = v;
        EngineScene().SetAutoScroll(0, Stage.bAutoScrollX, v);
        break;
    case SYSVAL_SCROLL_Y:
        Stage.nAutoScrollSpeedY = v;
        EngineScene().SetAutoScroll(1, Stage.bAutoScrollY, v);
        break;
    case SYSVAL_SCORE:
        PlayData.nScore = v;
        break;
    case SYSVAL_LIVES:
        PlayData.nLives = v;
        break;
    }
    return v;
}
