#include "engine/CodeLang.h"

#include "graphics/RandRange.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {

constexpr std::string_view kFunctions[] = {"rand"};
constexpr std::string_view kOperators[] = {"=", "+", "-", "*", "/", "%"};
constexpr std::string_view kObjects[] = {"my", "tg", "tg1", "tg2", "tg3", "tg4", "pl", "sys"};
constexpr std::string_view kStatuses[] = {"v1",    "v2",  "v3",  "v4",   "v5",   "v6",   "v7",   "v8",
                                          "hp",    "sp",  "mhp", "msp",  "cid",  "z",    "mark", "sight",
                                          "power", "imp", "def", "impd", "stop", "getsc"};
constexpr std::string_view kSystemValues[] = {"time", "scrlx", "scrly", "score", "life"};
static_assert(std::size(kStatuses) == CODE_STATUS_COUNT);
static_assert(std::size(kSystemValues) == CODE_SYSTEM_COUNT);

// Operator precedence: lower binds first.
constexpr int kOperatorLevel[] = {2, 1, 1, 0, 0, 0};
constexpr int kLevels = 3;

// Parentheses and calls nest by recursion; a text nested deeper than this is refused
// rather than let run the stack out.
constexpr int kMaxNesting = 200;

template <std::size_t N> int Lookup(const std::string_view (&table)[N], std::string_view word) {
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i] == word) return static_cast<int>(i);
    }
    return -1;
}

// The position of the ")" that closes the "(" at `open`, or npos.
std::size_t FindClose(const std::string& s, std::size_t open) {
    int level = 1;
    for (std::size_t q = open + 1; q < s.size(); ++q) {
        if (s[q] == '(') ++level;
        if (s[q] == ')' && --level == 0) return q;
    }
    return std::string::npos;
}

bool IsOperand(const CodeOperand* op) {
    return op && op->nKind != CODE_OPERATOR;
}

CodeOperand Constant(std::int32_t value) {
    CodeOperand c;
    c.nValue = value;
    return c;
}

} // namespace

int ClampInt(int* value, int low, int high) {
    if (*value < low) *value = low;
    if (*value > high) *value = high;
    return *value;
}

std::int32_t ClampToRange(std::int64_t value, std::int32_t low, std::int32_t high) {
    if (value < low) return low;
    if (value > high) return high;
    return static_cast<std::int32_t>(value);
}

std::int32_t ParseLeadingInt(std::string_view word) {
    std::size_t i = 0;
    auto isBlank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < word.size() && isBlank(word[i])) ++i;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) negative = word[i++] == '-';
    // Digits past the 32-bit range only push the value further out; it stops growing there.
    constexpr std::int64_t kCap = std::int64_t{1} << 32;
    std::int64_t value = 0;
    for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
        value = std::min(value * 10 + (word[i] - '0'), kCap);
    }
    if (negative) value = -value;
    return ClampToRange(value, std::numeric_limits<std::int32_t>::min(),
                        std::numeric_limits<std::int32_t>::max());
}

void cCodeRun::Fail(const std::string& message) {
    bCodeError = true;
    world_.Error(message);
}

std::int32_t cCodeRun::ParseCodeStatements(std::string_view text) {
    // The text is a C string in the command: nothing after a zero byte counts.
    return Parse(text.substr(0, text.find('\0')), 0);
}

std::int32_t cCodeRun::Parse(std::string_view text, int depth) {
    if (depth > kMaxNesting) {
        Fail("括弧の入れ子が深すぎます！");
        return 0;
    }
    std::string s(text);
    std::size_t p = 0; // scan position
    std::size_t w = 0; // start of the current word
    while (p < s.size()) {
        if (s[p] == ' ') {
            w = ++p;
            continue;
        }
        if (s[p] != '(') {
            ++p;
            continue;
        }
        const std::string name = s.substr(w, p - w);
        const bool call = p != w && Lookup(kFunctions, name) >= 0;
        const std::size_t close = FindClose(s, p);
        if (close == std::string::npos) {
            Fail(call ? "関数 " + name + " で\")\"が見つかりません！" : "\")\"が見つかりません！");
            return 0;
        }
        if (p == w) {
            const std::int32_t value = Parse(std::string_view(s).substr(p + 1, close - p - 1), depth + 1);
            s = s.substr(0, p) + std::to_string(value) + s.substr(close + 1);
            p = w;
            continue;
        }
        if (!call) {
            // No function of that name: the parenthesis stays part of the word.
            ++p;
            continue;
        }
        // The arguments: split at the commas outside inner parentheses.
        std::vector<std::int32_t> args;
        std::string arg;
        int level = 0;
        for (std::size_t q = p + 1; q <= close; ++q) {
            const char c = s[q];
            if (level == 0 && (c == ',' || c == ')')) {
                if (!arg.empty()) args.push_back(Parse(arg, depth + 1));
                arg.clear();
                continue;
            }
            if (c == '(') ++level;
            if (c == ')') --level;
            arg += c;
        }
        if (args.size() != 2) {
            Fail("関数 " + name + " の引数が不正です！");
            return 0;
        }
        const std::int32_t value = RandRange(args[0], args[1]);
        s = s.substr(0, w) + std::to_string(value) + s.substr(close + 1);
        p = w;
    }
    return EvalCodeStatement(s);
}

bool cCodeRun::Resolve(const std::string& word, int object, CodeOperand& out) {
    out = CodeOperand();
    if (int op = Lookup(kOperators, word); op >= 0) {
        out.nKind = CODE_OPERATOR;
        out.nOp = op;
        return true;
    }
    if (object != CODE_MY && object != CODE_SYS && !world_.HasSubject(object)) {
        // An empty target slot ends the text without a message.
        bCodeError = true;
        return false;
    }
    if (word[0] == 'C' || word[0] == 'S') {
        out.nKind = CODE_VARIABLE;
        out.nScope = word[0] == 'C' ? CODE_COMMON : CODE_STAGE;
        out.nIndex = ParseLeadingInt(std::string_view(word).substr(1));
        out.nValue = world_.Read(out);
        return true;
    }
    if (int status = Lookup(kStatuses, word); status >= 0) {
        if (object == CODE_SYS) {
            Fail("オブジェクト \"sys.\" にステータス \"" + word + "\" はありません！");
            return false;
        }
        out.nKind = CODE_STATUS;
        out.nStatus = status;
        out.nObject = object;
        out.nValue = world_.Read(out);
        return true;
    }
    if (int system = Lookup(kSystemValues, word); system >= 0) {
        out.nKind = CODE_SYSTEM;
        out.nSystem = system;
        out.nValue = world_.Read(out);
        return true;
    }
    out.nValue = ParseLeadingInt(word);
    return true;
}

bool cCodeRun::Apply(const CodeOperand& left, const CodeOperand& op, const CodeOperand& right,
                     std::string_view text, std::int32_t& result) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const std::int64_t a = left.nValue;
    const std::int64_t b = right.nValue;
    switch (op.nOp) {
    case CODE_ASSIGN:
        if (left.nKind == CODE_CONSTANT) {
            Fail("代入先が不正です！");
            return false;
        }
        result = world_.Assign(left, b);
        return true;
    case CODE_ADD:
        result = ClampToRange(a + b, kMin, kMax);
        return true;
    case CODE_SUB:
        result = ClampToRange(a - b, kMin, kMax);
        return true;
    case CODE_MUL:
        result = ClampToRange(a * b, kMin, kMax);
        return true;
    default: // CODE_DIV, CODE_MOD
        if (b == 0) {
            Fail("0除算が行われました！(" + std::string(text) + ")");
            return false;
        }
        result = ClampToRange(op.nOp == CODE_DIV ? a / b : a % b, kMin, kMax);
        return true;
    }
}

std::int32_t cCodeRun::EvalCodeStatement(std::string_view text) {
    // Words: separated by blanks; "object." in front of a word chooses its subject.
    std::vector<CodeOperand> list;
    std::string word;
    int object = CODE_MY;
    bool produced = false;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : '\0';
        if (c != ' ' && c != '.' && c != '\0') {
            word += c;
            continue;
        }
        if (c == '.') {
            if (int found = Lookup(kObjects, word); found >= 0) {
                object = found;
                produced = false;
            } else if (!produced) {
                Fail("オブジェクト \"" + word + ".\" が認識できません！");
                return 0;
            }
            // An unknown object after the first operand is dropped; the word reads from `my`.
            word.clear();
            continue;
        }
        if (word.empty()) continue;
        CodeOperand operand;
        if (!Resolve(word, object, operand)) return 0;
        list.push_back(operand);
        word.clear();
        object = CODE_MY;
        produced = true;
    }

    // Each level left to right: an operator takes the operands beside it and
    // leaves its result in their place.
    std::int32_t last = list.empty() ? 0 : list.back().nValue;
    for (int level = 0; level < kLevels; ++level) {
        std::vector<CodeOperand> out;
        for (std::size_t i = 0; i < list.size(); ++i) {
            const CodeOperand& e = list[i];
            if (e.nKind != CODE_OPERATOR || kOperatorLevel[e.nOp] != level) {
                out.push_back(e);
                continue;
            }
            const CodeOperand* left = out.empty() ? nullptr : &out.back();
            const CodeOperand* right = i + 1 < list.size() ? &list[i + 1] : nullptr;
            if (!IsOperand(left) || !IsOperand(right)) {
                Fail("演算子 \"" + std::string(kOperators[e.nOp]) + "\" の前後に値がありません！");
                return 0;
            }
            std::int32_t result = 0;
            if (!Apply(*left, e, *right, text, result)) return 0;
            out.back() = Constant(result);
            last = result;
            ++i;
        }
        list.swap(out);
    }
    return last;
}
