// The record context of the running player: the sizes of the loaded
// databases, the sword types' frame durations, the common palette and the
// playing stage's palette as templates, System.dat's keep-flows switch, how
// the program was started and the play mode.
#pragma once

#include "records/RecordContext.h"

class cGameRecordContext : public cRecordContext {
public:
    std::int64_t DatabaseSize(eDatabase db) const override;
    std::vector<std::int32_t> SwordTypeDurations(std::int64_t index) const override;
    std::int64_t PaletteCharaCount(ePalette palette) const override;
    std::int64_t PaletteItemCount(ePalette palette) const override;
    std::int64_t PaletteBlockCount(ePalette palette) const override;
    const cEdChara* PaletteChara(ePalette palette, std::int64_t index) const override;
    const cEdItem* PaletteItem(ePalette palette, std::int64_t index) const override;
    const cEdBlock* PaletteBlock(ePalette palette, std::int64_t index) const override;
    bool KeepFlows() const override;
    bool EditorStarted() const override;
    std::int32_t PlayMode() const override;
};

// The one instance the player installs.
cGameRecordContext& GameRecordContext();
