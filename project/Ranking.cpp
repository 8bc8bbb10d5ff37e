#include "foundation/FileNames.h"
#include "foundation/RecordFile.h"
#include "project/DataPath.h"
#include "project/RankSet.h"
#include "project/StageName.h"

#include <cstdio>

int cRankTable::FindPlace(std::int32_t value) const {
    for (std::size_t i = 0; i < Entries.size(); ++i) {
        const cRankEntry& e = Entries[i];
        if (!e.bUsed) return static_cast<int>(i);
        if (bOrder ? value > e.nValue : value < e.nValue) return static_cast<int>(i);
    }
    return -1;
}

void cRankTable::AddEntry(const std::string& name, std::int32_t value) {
    const int place = FindPlace(value);
    if (place < 0) return;
    cRankEntry entry;
    entry.bUsed = 1;
    entry.nValue = value;
    entry.strName = name;
    Entries.insert(Entries.begin() + place, entry);
    Entries.resize(static_cast<std::size_t>(kEntries));
}

std::string MakeRankingPath(std::int32_t kind, const std::string& stageName, std::int32_t flag,
                            std::int32_t number, std::int32_t value) {
    static const int kFolders[kRankedKinds] = {DP_USER_STORY, DP_USER_CHALLENGE, DP_USER_FREE};
    if (kind < 0 || kind >= kRankedKinds) return std::string();
    std::string name = stageName;
    if (kind == 0) AppendStageSuffix(name, flag, number, value);
    PathToFileName(name);
    return DataPath.At(kFolders[kind]) + name + FileExtension.At(FE_RANKING);
}

bool LoadRanking(cRankSet& set, std::int32_t kind, const std::string& stageName, std::int32_t flag,
                 std::int32_t number, std::int32_t value) {
    const std::string path = MakeRankingPath(kind, stageName, flag, number, value);
    cRankSet loaded;
    if (path.empty() || !loaded.LoadFromFile(path)) {
        set.Reset();
        return false;
    }
    // A file of any size becomes five tables of twenty.
    loaded.Tables.resize(cRankSet::kTables);
    for (cRankTable& t : loaded.Tables) t.Entries.resize(cRankTable::kEntries);
    set = loaded;
    return true;
}

bool SaveRanking(cRankSet& set, std::int32_t kind, const std::string& stageName, std::int32_t flag,
                 std::int32_t number, std::int32_t value) {
    const std::string path = MakeRankingPath(kind, stageName, flag, number, value);
    return !path.empty() && set.SaveToFile(path);
}

namespace {

// At least two digits, with a leading "-" for a negative number.
std::string TwoDigits(std::int64_t n) {
    char text[32];
    std::snprintf(text, sizeof text, n < 0 ? "-%02lld" : "%02lld", static_cast<long long>(n < 0 ? -n : n));
    return text;
}

} // namespace

std::string FormatTime(std::int32_t hundredths) {
    const std::int64_t t = hundredths;
    const std::int64_t seconds = t / 100;
    const std::int64_t part = t % 100;
    char hh[8];
    std::snprintf(hh, sizeof hh, "%02lld", static_cast<long long>(part < 0 ? -part : part));
    return TwoDigits(seconds / 60) + ":" + TwoDigits(seconds % 60) + "." + hh;
}

int CountDigits(std::int32_t value) {
    // Widened first: the smallest int has no positive twin.
    std::int64_t v = value;
    int n = v < 0 ? 2 : 1;
    for (v = v < 0 ? -v : v; v >= 10; v /= 10) ++n;
    return n;
}
