// The numbers that status commands, status conditions and the code language
// read and change: a character's statuses by their index, the common and
// stage variables, and the system values of the play scene, the playing stage
// and the play data.
#pragma once

#include <cstdint>

class cChara;

// Status indexes of the status command and condition.
enum : int {
    STATUS_VAR = 0, // the character variable named by a variable index
    STATUS_HP = 1,
    STATUS_SP = 2,
    STATUS_MHP = 3,
    STATUS_MSP = 4,
    STATUS_CID = 5,
    STATUS_Z = 6,
    STATUS_MARK = 7,
    STATUS_SIGHT = 8,
    STATUS_POWER = 9,
    STATUS_IMP = 10,
    STATUS_DEF = 11,
    STATUS_IMPD = 12,
    STATUS_STOP = 13,
    STATUS_GETSC = 14,
    STATUS_COUNT = 15,
};

// System values.
enum : int {
    SYSVAL_TIME = 0,
    SYSVAL_SCROLL_X = 1,
    SYSVAL_SCROLL_Y = 2,
    SYSVAL_SCORE = 3,
    SYSVAL_LIVES = 4,
    SYSVAL_COUNT = 5
};

// Subject codes: 0 the character itself, 1 to 4 its targets, 5 the system.
enum : int { SUBJECT_SELF = 0, SUBJECT_SYSTEM = 5 };

// Variable scopes.
enum : int { SCOPE_COMMON = 0, SCOPE_STAGE = 1 };

struct StatusInfo {
    int nWidth;              // bytes: 1, 2 or 4
    std::int32_t nMin, nMax; // the range after an operation
};
// By status index. hp and sp are bounded by the character's maxima besides.
extern const StatusInfo kStatusInfo[STATUS_COUNT];
extern const StatusInfo kSystemInfo[SYSVAL_COUNT];
constexpr std::int32_t kVariableMin = -999999, kVariableMax = 999999;

// One stored status of a character, in the width it is stored in.
class cStatusRef {
public:
    cStatusRef() = default;
    explicit cStatusRef(std::int8_t* p) : p_(p), width_(1) {}
    // An 8-bit status stored unsigned is read as the signed byte it is.
    explicit cStatusRef(std::uint8_t* p) : p_(p), width_(1) {}
    explicit cStatusRef(std::int16_t* p) : p_(p), width_(2) {}
    explicit cStatusRef(std::int32_t* p) : p_(p), width_(4) {}

    bool IsSet() const { return p_ != nullptr; }
    int Width() const { return width_; }
    std::int32_t Get() const;
    // Stores the value cut to the width (callers clamp first).
    void Set(std::int32_t value) const;

private:
    void* p_ = nullptr;
    int width_ = 0;
};

// Status `status` of the character; for STATUS_VAR the variable `varIndex`
// (read through the checked access). Unset for an index outside the table.
cStatusRef CharaStatus(cChara& chara, int status, std::int32_t varIndex);
// Common (scope 0) or stage (scope 1) variable `index`; the checked access
// reports an index outside the vector.
std::int32_t& Variable(int scope, std::int32_t index);

// The character that a subject code names for `self`: itself for 0, target
// 1 to 4 for 1 to 4 (none while the slot is empty), none for any other code.
cChara* SubjectOf(const cChara& self, int subject);

// A system value as it stands.
std::int32_t SystemValue(int index);
// A system value as a source of values: the stage time reads 0 while the play
// scene's time flag is set, the lives 0 while they are unlimited.
std::int32_t SystemValueAsSource(int index);
// Stores a system value clamped to its range; a new auto-scroll speed is
// handed to the play scene's scrolling. Returns the value stored.
std::int32_t SetSystemValue(int index, std::int64_t value);
bool LivesUnlimited();
