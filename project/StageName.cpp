#include "project/StageName.h"

#include "foundation/ErrorLog.h"
#include "foundation/FileNames.h"

std::string SeriesStageName(const std::string& path, bool* firstOfSeries) {
    const std::size_t nameAt = FileNamePos(path);
    const std::size_t dot = ExtensionDotPos(path);
    std::string name = path.substr(0, dot == std::string::npos ? path.size() : dot);
    // Neither byte of "-1" can be the second byte of a double-byte character.
    const std::size_t mark = name.rfind("-1");
    const bool first = mark != std::string::npos && mark >= nameAt;
    if (first) name.erase(mark);
    name += '.';
    if (firstOfSeries) *firstOfSeries = first;
    return name;
}

void AppendStageSuffix(std::string& text, std::int32_t flag, std::int32_t number, std::int32_t value) {
    if (!flag) return;
    const bool dot = !text.empty() && text.back() == '.';
    if (dot) text.pop_back();
    text += FormatString(64, "_c%03d_%d", number, value);
    if (dot) text += '.';
}
