// Turns definitions into live objects on the playing stage: the characters
// and items a stage places at block positions, the characters and items
// summoned at a pixel position while the stage runs, and the change of one
// map block (with the grace it gives to characters it covers).
#pragma once

#include "foundation/Containers.h"

#include <cstdint>

class cChara;
class cEdBlock;
class cEdChara;
class cEdItem;
class cEdShot;
class cItemObj;
class cNpcChara;

// The summon settings of a command's shot part that placement reads.
struct cSummonSettings {
    std::int32_t bLifeLimit = 0;  // the summoned object lives only nLifeTenths
    std::int32_t nLifeTenths = 0; // tenths of a second
    std::int32_t bNotifyParent = 0;
    std::int32_t nParentFlow = 0;
    std::int32_t nBlockMode = 0; // 0 put, 1 remove, 2 toggle
    std::int32_t bKeepOldOnHero = 0;
    std::int32_t bKeepOldOnChara = 0;
};
cSummonSettings SummonSettingsOf(const cEdShot& shot);

// The characters of one stage placement record (object count + 1 of them),
// each carrying a copy of `carried` when given. Characters that end up
// outside the stage are dropped and use no serial.
void PlaceCharas(cList<cNpcChara>& list, std::int32_t column, std::int32_t row, std::int32_t& serial,
                 const cEdChara& def, const cItemObj* carried);
// The item of one stage item placement; dropped outside the stage.
void PlaceItem(cList<cItemObj>& list, std::int32_t column, std::int32_t row, std::int32_t& serial,
               const cEdItem& record);
// Summons the characters of a definition with their top-left at (x, y),
// facing `direction`. A character whose place is blocked disappears at once;
// one outside the stage is dropped; neither uses a serial. Each placed one
// also joins its group's list (a group outside the lists is reported and left out).
void SummonCharas(cList<cNpcChara>& list, double x, double y, std::uint8_t setting, std::int32_t direction,
                  const cSummonSettings& settings, const cEdChara& def, std::int32_t& serial,
                  cChara* summoner);
void SummonItem(cList<cItemObj>& list, double x, double y, const cSummonSettings& settings,
                const cEdItem& def, std::int32_t& serial);

// Sets up an item object from its definition with the given serial.
void SetupItemObj(cItemObj& item, const cEdItem& def, std::int32_t serial);

// Puts, removes or toggles the map block at the cell holding pixel (x, y).
void ChangeBlock(double x, double y, const cEdBlock& block, const cSummonSettings& settings);
// Gives the heroes and characters that the cell's block now covers a short
// squeeze grace; 1 when the settings protect a covered object of that kind.
int MarkCoveredAtCell(std::int32_t cell, std::int32_t column, std::int32_t row,
                      const cSummonSettings& settings);
