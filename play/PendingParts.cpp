// Stand-ins for the contact, placement and block-grid rules of stage play
// until their own files arrive: nothing is solid, nothing touches, and a
// placement puts one character where it is placed.
#include "engine/HeroChara.h"
#include "engine/NpcChara.h"
#include "play/BlockContacts.h"
#include "play/BlockGrid.h"
#include "play/CharaContacts.h"
#include "play/Placement.h"
#include "play/SolidChara.h"

cBlockGrid BlockGrid;

void cBlockGrid::Reset(std::int32_t cols, std::int32_t rows, std::int32_t shift) {
    (void)cols;
    nShift = shift;
    Cells.assign(static_cast<std::size_t>(rows > 0 ? rows : 0) << shift, cBlock());
    ToggledCells.clear();
}

std::int32_t cBlockGrid::CellOf(std::int32_t column, std::int32_t row) const {
    if (column < 0 || row < 0 || column >= (1 << nShift)) return -1;
    return (row << nShift) + column;
}

cBlock* cBlockGrid::At(std::int64_t cell) {
    return InGrid(cell) ? &Cells[static_cast<std::size_t>(cell)] : nullptr;
}

std::uint8_t cBlockGrid::Solidity(std::int64_t, std::int32_t) {
    return 0;
}

int CheckBlockSides(cChara&) {
    return 0;
}
int RecheckBlockSides(cChara&) {
    return 0;
}
int CheckBlockVertical(cChara&) {
    return 0;
}
int RecheckBlockVertical(cChara&) {
    return 0;
}
int ClampToAutoScrollX(cHeroChara&) {
    return 0;
}
int ClampToAutoScrollY(cHeroChara&) {
    return 0;
}
int ApplyFloorBlock(cChara&) {
    return 0;
}
int TouchBlockItem(cHeroChara&) {
    return 0;
}
int IsPlaceBlocked(cChara&) {
    return 0;
}

int SolidCharaContacts(cChara&, cList<cNpcChara>&) {
    return 0;
}
void RideSolidChara(cChara&, cList<cNpcChara>&) {}

int CheckCharaDeath(cChara& chara, cStageEnd& end) {
    if (chara.nControl == 0) return 2;
    if (chara.bDying) return 0;
    const int r = chara.Defeat();
    if (r == 1) end.StageClear();
    return r;
}
int CheckDeaths(cStageEnd&) {
    return 0;
}
int GroupCollisions(cStageEnd&, const cVector<std::int32_t>&) {
    return 0;
}
int TouchItems(cHeroChara&, cList<cItemObj>&) {
    return 0;
}
int ApplyItem(cItemObj*, cChara&) {
    return 0;
}

void PlaceCharas(cList<cNpcChara>& list, std::int32_t column, std::int32_t row, std::int32_t& serial,
                 const cEdChara& def, const cItemObj* carried) {
    cNpcChara& c = list.emplace_back();
    c.Setup(def, serial++, carried, 0);
    c.SetBlockPosition(column, row);
    c.bPresent = 1;
}

void SetupItemObj(cItemObj& item, const cEdItem& def, std::int32_t serial) {
    item.Def = def;
    item.nId = serial;
}

void PlaceItem(cList<cItemObj>& list, std::int32_t, std::int32_t, std::int32_t& serial,
               const cEdItem& record) {
    SetupItemObj(list.emplace_back(), record, serial++);
}
