// Builds stage files of any data version from a cStage, the way the writer of
// that version laid them out: its field list, its tables, the end marker only
// from version 173 on; and the replay files that carry such a stage.
#pragma once

#include "project/PlayData.h"
#include "project/Replay.h"
#include "project/Stage.h"

#include <cstring>
#include <optional>

struct StageFileOptions {
    std::uint32_t version = 818;
    bool tables = true;                  // false: every palette and placement table empty
    std::optional<std::uint32_t> marker; // the end word; default the marker from 173 on
};

inline StageFileOptions AtVersion(std::uint32_t version) {
    StageFileOptions o;
    o.version = version;
    return o;
}

template <class T> void WriteStagePlacements(cRecordFile& file, cVector<T>& items) {
    file.WriteU32(static_cast<std::uint32_t>(items.size()));
    for (auto& item : items) {
        file.WriteU32(0);
        item.Save(file);
    }
}

inline std::vector<std::uint8_t> StageFile(cStage& s, const StageFileOptions& o = {}) {
    const std::uint32_t saved = dwDataVersion;
    dwDataVersion = o.version;
    RecordFilePtr f = OpenRecordMemoryWrite();
    s.cSaveData::Save(*f);
    SaveValueVector(*f, s.Switches);
    for (cStageParams* p : {&s.Params1, &s.Params2, &s.Params3, &s.Params4, &s.Params5}) p->Save(*f);
    if (o.tables) {
        SaveRecordVector(*f, s.PaletteBlocks);
        SaveRecordVector(*f, s.PaletteCharas);
        SaveRecordVector(*f, s.PaletteItems);
        WriteStagePlacements(*f, s.Blocks);
        WriteStagePlacements(*f, s.Charas);
        WriteStagePlacements(*f, s.Items);
    } else {
        for (int i = 0; i < 6; ++i) f->WriteU32(0);
    }
    SaveRecordVector(*f, s.Backgrounds);
    SaveRecordVector(*f, s.Texts);
    if (o.marker) {
        f->WriteU32(*o.marker);
    } else if (o.version > 172) {
        f->WriteU32(kStageEndMarker);
    }
    std::vector<std::uint8_t> bytes = f->Bytes();
    dwDataVersion = saved;
    s.RegisterFields(dwDataVersion);
    return bytes;
}

// The bytes `write` puts in a record file of `version`, without the version word.
template <class Write> std::vector<std::uint8_t> RecordBytesAt(std::uint32_t version, Write write) {
    const std::uint32_t saved = dwDataVersion;
    dwDataVersion = version;
    RecordFilePtr f = OpenRecordMemoryWrite();
    write(*f);
    std::vector<std::uint8_t> bytes(f->Bytes().begin() + 4, f->Bytes().end());
    dwDataVersion = saved;
    return bytes;
}

// Play data as the writer of `version` laid it out: its field list, the
// carried-item flags only from 501 on.
inline std::vector<std::uint8_t> PlayDataPart(cPlayData& p, std::uint32_t version) {
    std::vector<std::uint8_t> bytes = RecordBytesAt(version, [&p, version](cRecordFile& f) {
        p.cSaveData::Save(f);
        f.Write(&p.SaveTime, sizeof p.SaveTime);
        if (version >= 501) SaveValueVector(f, p.CarryFlags);
        SaveRecordVector(f, p.Carries);
        SaveRecordVector(f, p.Results);
        SaveRecordVector(f, p.Challenges);
        SaveValueVector(f, p.ClearFlags);
        SaveValueVector(f, p.CommonVars);
    });
    p.RegisterFields(dwDataVersion);
    return bytes;
}

// A replay file of `version`: the stage in that version's layout, the
// recorder, and the play data only from version 173 on.
inline std::vector<std::uint8_t> ReplayFileAt(cStage& stage, cReplay& recorder, cPlayData& playData,
                                              std::uint32_t version) {
    std::vector<std::uint8_t> bytes = StageFile(stage, AtVersion(version));
    const std::vector<std::uint8_t> rec =
        RecordBytesAt(version, [&recorder](cRecordFile& f) { recorder.Save(f); });
    bytes.insert(bytes.end(), rec.begin(), rec.end());
    if (version >= kReplayPlayDataVersion) {
        const std::vector<std::uint8_t> data = PlayDataPart(playData, version);
        bytes.insert(bytes.end(), data.begin(), data.end());
    }
    return bytes;
}
