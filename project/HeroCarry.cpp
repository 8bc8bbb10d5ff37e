// The hero status a stage carries over to the next one. The project's carry
// table (25 switches) says which items a stage keeps; each item is a fixed
// group of the hero's definition or one of the carried numbers. What a lost
// life clears is the project's second table.
#include "project/PlayData.h"

#include "project/Stage.h"
#include "project/SystemData.h"

namespace {

enum : int {
    kItemEffect = 4, // from the hero's state, not its definition
    kItemHp = 11,
    kItemSp = 12,
    kItemCountdown = 22,
    kItemLives = 23,
    kItemMusic = 24,
};

template <class T> bool Switched(const cVector<T>& table, int item) {
    return table.InRange(item) && table[static_cast<std::size_t>(item)] != 0;
}

// An item the project carries and the play-through has stored.
bool Carried(const cVector<std::int32_t>& stored, int item) {
    return Switched(SystemData.CarryFlags, item) && Switched(stored, item);
}

// Copies the definition fields of carry item `item` (0-3, 5-10, 13-21).
void CopyDefinitionItem(int item, cEdChara& to, const cEdChara& from) {
    switch (item) {
    case 0: // the graphic
        to.GraphicIndex = from.GraphicIndex;
        to.GraphicKind = from.GraphicKind;
        to.CellBase = from.CellBase;
        break;
    case 1:
        to.AnimeSet = from.AnimeSet;
        break;
    case 2:
        to.z = from.z;
        break;
    case 3:
        to.Transparent = from.Transparent;
        break;
    case 5:
        to.Flying = from.Flying;
        break;
    case 6:
        to.FixedFacing = from.FixedFacing;
        break;
    case 7:
        to.Invincible = from.Invincible;
        break;
    case 8:
        to.CharaScale = from.CharaScale;
        break;
    case 9:
        to.ScrollSync = from.ScrollSync;
        break;
    case 10: // the limited sight
        to.SightShape = from.SightShape;
        to.sight = from.sight;
        break;
    case 13:
        to.mhp = from.mhp;
        break;
    case 14:
        to.msp = from.msp;
        break;
    case 15:
        to.cid = from.cid;
        break;
    case 16:
        to.power = from.power;
        break;
    case 17:
        to.imp = from.imp;
        break;
    case 18:
        to.def = from.def;
        break;
    case 19:
        to.impd = from.impd;
        break;
    case 20:
        to.stop = from.stop;
        break;
    case 21:
        to.Flows = from.Flows;
        break;
    default:
        break;
    }
}

} // namespace

void cPlayData::StoreHeroStatus(std::int32_t hero, const cEdChara& def, std::int32_t hp, std::int32_t sp,
                                std::int16_t effect, std::uint8_t effectParam, std::uint8_t effectOption,
                                std::int32_t countdown, std::int32_t lives, std::int32_t music) {
    // Every hero of the stage has a record of its own; the list grows to hold
    // the one named, within the count a stage can place.
    constexpr std::int32_t kMaxHeroes = 256;
    if (hero < 0 || hero >= kMaxHeroes) {
        Carries.At(hero); // reports the bad index
        return;
    }
    if (Carries.size() <= static_cast<std::size_t>(hero)) Carries.resize(static_cast<std::size_t>(hero) + 1);
    if (CarryFlags.size() < kPlayCarryItems) CarryFlags.resize(kPlayCarryItems);
    cHeroCarryRecord& rec = Carries[static_cast<std::size_t>(hero)];
    bCarryStored = 1;
    for (int item = 0; item < static_cast<int>(kPlayCarryItems); ++item) {
        if (!Switched(SystemData.CarryFlags, item)) continue;
        switch (item) {
        case kItemEffect:
            rec.Def.CharaEffectA = effect;
            rec.Def.CharaEffectAParam = effectParam;
            rec.Def.CharaEffectAOption = effectOption;
            break;
        case kItemHp:
            rec.Carry.nHp = hp;
            break;
        case kItemSp:
            rec.Carry.nSp = sp;
            break;
        case kItemCountdown:
            rec.Carry.nCountdown = countdown;
            break;
        case kItemLives:
            rec.Carry.nLives = lives;
            break;
        case kItemMusic:
            rec.Carry.nBgm = music;
            break;
        default:
            CopyDefinitionItem(item, rec.Def, def);
            break;
        }
        CarryFlags[static_cast<std::size_t>(item)] = 1;
    }
}

void cPlayData::RestoreHeroStatus(std::int32_t hero, cEdChara& def) {
    if (!bCarryStored || !Carries.InRange(hero)) return;
    const cHeroCarryRecord& rec = Carries[static_cast<std::size_t>(hero)];
    for (int item = 0; item < static_cast<int>(kPlayCarryItems); ++item) {
        if (item == kItemHp || item == kItemSp || !Carried(CarryFlags, item)) continue;
        switch (item) {
        case 0:
            CopyDefinitionItem(item, def, rec.Def);
            if (def.GraphicIndex == 0) def.GraphicIndex = 1;
            break;
        case kItemEffect:
            def.CharaEffectA = rec.Def.CharaEffectA;
            def.CharaEffectAParam = rec.Def.CharaEffectAParam;
            def.CharaEffectAOption = rec.Def.CharaEffectAOption;
            break;
        case kItemCountdown:
            Stage.nTimeLimit = rec.Carry.nCountdown;
            break;
        case kItemLives:
            nLives = rec.Carry.nLives;
            break;
        case kItemMusic:
            Stage.nBgm = rec.Carry.nBgm;
            break;
        default:
            CopyDefinitionItem(item, def, rec.Def);
            break;
        }
    }
}

void cPlayData::GetCarriedValues(std::int32_t hero, std::int32_t& hp, std::int32_t& sp) const {
    if (!bCarryStored || !Carries.InRange(hero)) return;
    const cHeroCarryRecord& rec = Carries[static_cast<std::size_t>(hero)];
    if (Carried(CarryFlags, kItemHp)) hp = rec.Carry.nHp;
    if (Carried(CarryFlags, kItemSp)) sp = rec.Carry.nSp;
}

void cPlayData::ClearCarryFlags(std::int32_t) {
    for (int item = 0; item < static_cast<int>(CarryFlags.size()); ++item)
        if (Switched(SystemData.ClearCarryFlags, item)) CarryFlags[static_cast<std::size_t>(item)] = 0;
}
