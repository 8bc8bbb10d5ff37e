#include "platform/KeyScript.h"

#include "platform/WindowEvents.h"

#include <cctype>

namespace {

struct NamedKey {
    const char* name;
    int vk;
};

constexpr NamedKey kNamedKeys[] = {
    {"LEFT", VK_LEFT},       {"RIGHT", VK_RIGHT},   {"UP", VK_UP},         {"DOWN", VK_DOWN},
    {"SPACE", VK_SPACE},     {"RETURN", VK_RETURN}, {"ESCAPE", VK_ESCAPE}, {"SHIFT", VK_SHIFT},
    {"CONTROL", VK_CONTROL}, {"MENU", VK_MENU},     {"TAB", VK_TAB},       {"BACK", VK_BACK},
    {"DELETE", VK_DELETE},
};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Splits off the next blank-separated word of `rest`.
std::string_view NextWord(std::string_view& rest) {
    std::size_t i = 0;
    while (i < rest.size() && IsBlank(rest[i])) ++i;
    std::size_t j = i;
    while (j < rest.size() && !IsBlank(rest[j])) ++j;
    std::string_view word = rest.substr(i, j - i);
    rest.remove_prefix(j);
    return word;
}

} // namespace

int VirtualKeyFromName(std::string_view name) {
    for (const NamedKey& k : kNamedKeys)
        if (SameIgnoringCase(name, k.name)) return k.vk;
    if (name.size() == 1) {
        const int c = std::toupper(static_cast<unsigned char>(name[0]));
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
        return 0;
    }
    if ((name[0] == 'F' || name[0] == 'f') && name.size() <= 3) {
        int n = 0;
        for (std::size_t i = 1; i < name.size(); ++i) {
            if (name[i] < '0' || name[i] > '9') return 0;
            n = n * 10 + (name[i] - '0');
        }
        return (n >= 1 && n <= 12) ? VK_F1 + n - 1 : 0;
    }
    if (name.size() >= 3 && name.size() <= 4 && name[0] == '0' && (name[1] == 'x' || name[1] == 'X')) {
        int v = 0;
        for (std::size_t i = 2; i < name.size(); ++i) {
            const int h = HexValue(name[i]);
            if (h < 0) return 0;
            v = v * 16 + h;
        }
        return v >= 1 && v <= 255 ? v : 0;
    }
    return 0;
}

bool cKeyScript::Parse(std::string_view text, std::string* error) {
    steps_.clear();
    frames_ = 0;
    Rewind();
    auto fail = [&](int line, const std::string& why) {
        if (error) *error = "line " + std::to_string(line) + ": " + why;
        steps_.clear();
        frames_ = 0;
        return false;
    };
    int lineNo = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNo;
        if (const std::size_t hash = line.find('#'); hash != std::string_view::npos)
            line = line.substr(0, hash);
        Step step{1, {}};
        std::string_view rest = line;
        if (const std::size_t colon = line.find(':'); colon != std::string_view::npos) {
            std::string_view count = line.substr(0, colon);
            while (!count.empty() && IsBlank(count.front())) count.remove_prefix(1);
            while (!count.empty() && IsBlank(count.back())) count.remove_suffix(1);
            if (count.empty()) return fail(lineNo, "no frame count before ':'");
            std::int64_t n = 0;
            for (char c : count) {
                if (c < '0' || c > '9') return fail(lineNo, "bad frame count");
                n = n * 10 + (c - '0');
                if (n > kMaxFrames) return fail(lineNo, "frame count too large");
            }
            if (n < 1) return fail(lineNo, "frame count below 1");
            step.frames = n;
            rest = line.substr(colon + 1);
        } else {
            std::string_view probe = line;
            if (NextWord(probe).empty()) continue; // blank or comment only
        }
        for (std::string_view word = NextWord(rest); !word.empty(); word = NextWord(rest)) {
            const int vk = VirtualKeyFromName(word);
            if (!vk) return fail(lineNo, "unknown key \"" + std::string(word) + "\"");
            step.keys.set(static_cast<std::size_t>(vk));
        }
        if (frames_ + step.frames > kMaxFrames) return fail(lineNo, "script too long");
        frames_ += step.frames;
        steps_.push_back(step);
    }
    return true;
}

void cKeyScript::Rewind() {
    step_ = 0;
    left_ = 0;
    started_ = false;
}

void cKeyScript::BeginFrame() {
    if (!started_) {
        started_ = true;
        step_ = 0;
    } else if (step_ < steps_.size() && --left_ > 0) {
        return;
    } else if (step_ < steps_.size()) {
        ++step_;
    }
    left_ = step_ < steps_.size() ? steps_[step_].frames : 0;
}

bool cKeyScript::KeyHeld(int vk) {
    if (!started_ || step_ >= steps_.size() || vk < 0 || vk > 255) return false;
    return steps_[step_].keys.test(static_cast<std::size_t>(vk));
}

bool cKeyScript::ReadJoystick(UINT, JoystickState*) {
    return false;
}
