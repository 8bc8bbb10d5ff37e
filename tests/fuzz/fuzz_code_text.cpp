// Code texts of the "コードの実行" command, as a game's author may write them:
// any bytes are evaluated on a world of plain numbers. The text must never
// crash, overflow or hang; an error message always marks the run as failed;
// and the same text on the same state gives the same result and state.
#include "FuzzCheck.h"

#include "engine/CodeLang.h"
#include "platform/Random.h"

#include <array>
#include <string>
#include <string_view>

namespace {

// Variables 0 to 15 of both scopes, the statuses of four subjects (tg3 and tg4
// are empty) and the system values; indexes outside wrap into the arrays.
class NumberWorld : public cCodeWorld {
public:
    std::array<std::int32_t, 32> variables{};
    std::array<std::array<std::int32_t, CODE_STATUS_COUNT>, 4> statuses{};
    std::array<std::int32_t, CODE_SYSTEM_COUNT> system{};
    int errors = 0;

    bool HasSubject(int object) override { return object != CODE_TG3 && object != CODE_TG4; }
    std::int32_t Read(const CodeOperand& op) override { return Place(op); }
    std::int32_t Assign(const CodeOperand& op, std::int64_t value) override {
        return Place(op) = ClampToRange(value, -999999, 999999);
    }
    void Error(const std::string& text) override {
        FuzzRequire(!text.empty(), "an empty error message");
        ++errors;
    }

private:
    std::int32_t& Place(const CodeOperand& op) {
        switch (op.nKind) {
        case CODE_VARIABLE:
            return variables[(static_cast<std::uint32_t>(op.nIndex) % 16) + (op.nScope ? 16 : 0)];
        case CODE_SYSTEM:
            FuzzRequire(op.nSystem >= 0 && op.nSystem < CODE_SYSTEM_COUNT,
                        "a system value outside the table");
            return system[static_cast<std::size_t>(op.nSystem)];
        default:
            FuzzRequire(op.nKind == CODE_STATUS, "a constant read or assigned");
            FuzzRequire(op.nStatus >= 0 && op.nStatus < CODE_STATUS_COUNT, "a status outside the table");
            FuzzRequire(op.nObject >= CODE_MY && op.nObject <= CODE_PL, "a status of no subject");
            return statuses[static_cast<std::size_t>(op.nObject % 4)][static_cast<std::size_t>(op.nStatus)];
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    NumberWorld first, second;
    GameSrand(7);
    cCodeRun a(first);
    const std::int32_t ra = a.ParseCodeStatements(text);
    GameSrand(7);
    cCodeRun b(second);
    const std::int32_t rb = b.ParseCodeStatements(text);

    FuzzRequire(first.errors == 0 || a.bCodeError, "an error message but no error");
    FuzzRequire(ra == rb && a.bCodeError == b.bCodeError, "the same text gave two results");
    FuzzRequire(first.variables == second.variables && first.statuses == second.statuses &&
                    first.system == second.system,
                "the same text left two states");
    return 0;
}
