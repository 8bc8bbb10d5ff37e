// The code language of the "コードの実行" command: blank-separated operands and
// operators, evaluated by precedence, in which `=` assigns. Parenthesised parts
// and the function `rand` are replaced by their values before the evaluation.
//
// The language reads and writes the game through a cCodeWorld: the subjects
// its object words name, and the values behind status words, variables and
// system values. The engine binds it to the running character (CodeRun.h);
// the language itself knows nothing of characters.
//
// Arithmetic is done in 64 bits and every result is brought into the 32-bit
// range, so no text can overflow; division by 0, a missing operand and a
// missing subject are errors of the text, never faults of the program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Kinds of CodeOperand.
enum : int { CODE_CONSTANT = 0, CODE_VARIABLE = 1, CODE_STATUS = 2, CODE_SYSTEM = 3, CODE_OPERATOR = 4 };

// The object words, by their index in the object table.
enum : int {
    CODE_MY = 0,
    CODE_TG = 1,
    CODE_TG1 = 2,
    CODE_TG2 = 3,
    CODE_TG3 = 4,
    CODE_TG4 = 5,
    CODE_PL = 6,
    CODE_SYS = 7
};

// The status words, by their index in the status table.
enum : int {
    CODE_V1 = 0, // v1 to v8 are 0 to 7
    CODE_HP = 8,
    CODE_SP = 9,
    CODE_MHP = 10,
    CODE_MSP = 11,
    CODE_CID = 12,
    CODE_Z = 13,
    CODE_MARK = 14,
    CODE_SIGHT = 15,
    CODE_POWER = 16,
    CODE_IMP = 17,
    CODE_DEF = 18,
    CODE_IMPD = 19,
    CODE_STOP = 20,
    CODE_GETSC = 21,
    CODE_STATUS_COUNT = 22,
};

// The system-value words.
enum : int {
    CODE_TIME = 0,
    CODE_SCRLX = 1,
    CODE_SCRLY = 2,
    CODE_SCORE = 3,
    CODE_LIFE = 4,
    CODE_SYSTEM_COUNT = 5
};

// The operators; `*` `/` `%` bind first, then `+` `-`, then `=`.
enum : int { CODE_ASSIGN = 0, CODE_ADD = 1, CODE_SUB = 2, CODE_MUL = 3, CODE_DIV = 4, CODE_MOD = 5 };

// Variable scopes: the first letter of a variable word.
enum : int { CODE_COMMON = 0, CODE_STAGE = 1 };

// One operand of a statement. Constants and computed values have no place to
// be stored in (CODE_CONSTANT); the others name where their value came from.
struct CodeOperand {
    int nKind = CODE_CONSTANT;
    std::int32_t nValue = 0;
    int nOp = 0;              // CODE_OPERATOR: the operator
    int nObject = CODE_MY;    // CODE_STATUS: the object word that chose the subject
    int nStatus = 0;          // CODE_STATUS: the status word
    int nSystem = 0;          // CODE_SYSTEM: the system value
    int nScope = CODE_COMMON; // CODE_VARIABLE: common or stage
    std::int32_t nIndex = 0;  // CODE_VARIABLE: the variable's number
};

// What the language reads and writes.
class cCodeWorld {
public:
    virtual ~cCodeWorld() = default;
    // Whether the object word names someone now: a target slot or the hero can be empty.
    virtual bool HasSubject(int object) = 0;
    // The current value of a variable, status or system operand.
    virtual std::int32_t Read(const CodeOperand& operand) = 0;
    // Stores `value` into a variable, status or system operand, within its range,
    // with what follows such a change; returns the value stored.
    virtual std::int32_t Assign(const CodeOperand& operand, std::int64_t value) = 0;
    // An error of the text (already formatted).
    virtual void Error(const std::string& text) = 0;
};

// One run of texts on a world. `bCodeError` is set by every error and stays
// set; assignments made before an error stay made.
class cCodeRun {
public:
    explicit cCodeRun(cCodeWorld& world) : world_(world) {}

    // Replaces parenthesised parts and function calls by their values, then
    // evaluates the text; 0 on an error.
    std::int32_t ParseCodeStatements(std::string_view text);
    // Evaluates a text without parentheses: the result of the last operator
    // applied, or without operators the last operand's value; 0 on an error.
    std::int32_t EvalCodeStatement(std::string_view text);

    bool bCodeError = false;

private:
    std::int32_t Parse(std::string_view text, int depth);
    bool Resolve(const std::string& word, int object, CodeOperand& out);
    bool Apply(const CodeOperand& left, const CodeOperand& op, const CodeOperand& right,
               std::string_view text, std::int32_t& result);
    void Fail(const std::string& message);

    cCodeWorld& world_;
};

// Brings *value into low..high and returns it.
int ClampInt(int* value, int low, int high);
// A 64-bit value brought into low..high.
std::int32_t ClampToRange(std::int64_t value, std::int32_t low, std::int32_t high);
// The leading decimal integer of a word (blanks, a sign, digits), as atoi reads
// it but brought into the 32-bit range; 0 when there are no digits.
std::int32_t ParseLeadingInt(std::string_view word);
