// The stored layouts of the definition parts and the character definition,
// written out here field by field (width, element count, first version) as the
// files of each version hold them, independent of the classes' own
// registration. Every field gets its own value, so a field out of place, of
// the wrong width or registered for the wrong versions shows as a wrong value
// or a refused file.
#include "RecordFixtures.h"
#include "records/Cond.h"
#include "records/EdChara.h"
#include "records/EdMove.h"
#include "records/EdShot.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

template <class T> struct Field {
    int width; // bytes per element
    int count; // elements
    std::uint32_t since;
    std::function<std::int64_t(const T&, int)> get;
};

#define ONE(w, since, member)                                                                                \
    {                                                                                                        \
        w, 1, since, [](const auto& r, int) -> std::int64_t { return r.member; }                             \
    }
#define ARR(w, n, since, member)                                                                             \
    {                                                                                                        \
        w, n, since, [](const auto& r, int k) -> std::int64_t { return r.member[k]; }                        \
    }

// Field i, element k: small enough for a signed byte, different for every field.
std::int64_t ValueOf(std::size_t i, int k) {
    return 10 + static_cast<std::int64_t>(i) + 30 * k;
}

template <class T> bool Has(const Field<T>& f, std::uint32_t version) {
    return version >= f.since;
}

// The field count and the fields of `version`.
template <class T>
void WriteFields(ByteBuilder& b, const std::vector<Field<T>>& fields, std::uint32_t version) {
    std::uint32_t n = 0;
    for (const auto& f : fields)
        if (Has(f, version)) ++n;
    b.u32(n);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!Has(fields[i], version)) continue;
        for (int k = 0; k < fields[i].count; ++k) {
            const std::int64_t v = ValueOf(i, k);
            switch (fields[i].width) {
            case 1:
                b.u8(static_cast<std::uint8_t>(v));
                break;
            case 2:
                b.u16(static_cast<std::uint16_t>(v));
                break;
            case 4:
                b.i32(static_cast<std::int32_t>(v));
                break;
            default:
                b.f64(static_cast<double>(v));
                break;
            }
        }
    }
}

template <class T>
void ExpectFields(const T& record, const std::vector<Field<T>>& fields, std::uint32_t version) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!Has(fields[i], version)) continue;
        for (int k = 0; k < fields[i].count; ++k)
            EXPECT_EQ(fields[i].get(record, k), ValueOf(i, k))
                << "field " << i << " element " << k << " of " << version;
    }
}

const std::vector<Field<cEdShot>>& ShotFields() {
    static const std::vector<Field<cEdShot>> f = {
        ONE(1, 0, cCount),         ONE(1, 0, cFormation), ARR(2, 3, 0, sFormation),
        ONE(1, 671, byOpt1),       ONE(1, 0, cDirCode),   ONE(1, 0, byOpt3),
        ONE(1, 767, cTargetSlot),  ONE(2, 0, sAngleOfs),  ONE(2, 0, sAngleOfsAdd),
        ONE(1, 158, bMirrorAngle), ONE(2, 0, sSpread),    ONE(1, 0, byOpt6),
        ONE(1, 0, cClonePerShot),  ONE(2, 0, sOfsX),      ONE(2, 0, sOfsXAdd),
        ONE(2, 0, sOfsY),          ONE(2, 0, sOfsYAdd),   ONE(1, 0, bMirrorX),
        ONE(1, 0, bMirrorY),       ONE(2, 0, sGraphic),   ONE(1, 0, cZ),
        ONE(1, 0, byOpt7),         ONE(1, 0, byOpt8),     ONE(1, 0, cFaction),
        ONE(1, 0, byOpt9),         ONE(1, 0, cSize),      ONE(1, 0, byOpt10),
        ONE(1, 0, cMotion),        ARR(2, 3, 0, sMotion), ONE(1, 767, cTargetSlot2),
        ONE(1, 211, byOpt12),      ONE(2, 0, sSpeed),     ONE(2, 0, sSpeedAdd),
        ONE(1, 213, byOpt13),      ONE(2, 213, sAccel),   ONE(2, 213, sAccelAdd),
        ONE(2, 0, sRange),         ONE(1, 0, byOpt14),    ONE(2, 0, sRangeAdd),
        ONE(1, 0, byOpt15),        ONE(1, 0, byOpt16),    ONE(2, 0, sLife),
        ONE(2, 0, sLifeAdd),       ONE(1, 0, byOpt17),    ONE(1, 0, byOpt18),
        ONE(1, 636, byOpt19),      ONE(1, 0, byOpt20),    ONE(1, 0, cVanish),
        ONE(4, 0, nPower),         ONE(2, 0, sOpt21),     ONE(1, 0, cImpact),
        ONE(2, 0, sEffect),        ONE(1, 0, cItemSrc),   ONE(2, 0, sItemNo),
        ONE(1, 0, byOpt22),        ONE(1, 0, byOpt23),    ONE(1, 197, byOpt24),
        ONE(1, 0, cSummonSrc),     ONE(2, 0, sSummonNo),  ONE(1, 0, byOpt25),
        ONE(1, 0, byOpt26),        ONE(1, 0, byOpt27),    ONE(1, 762, byOpt28),
        ONE(1, 762, byOpt29),
    };
    return f;
}

const std::vector<Field<cEdMove>>& MoveFields() {
    static const std::vector<Field<cEdMove>> f = {
        ONE(1, 0, cMode),       ONE(1, 0, cMode2),         ONE(2, 0, sAngle),
        ONE(2, 0, sAngleAdd),   ONE(1, 158, bMirrorAngle), ONE(1, 0, bFlag43),
        ONE(1, 0, bFlag44),     ONE(2, 0, sTargetXBl),     ONE(2, 0, sTargetYBl),
        ONE(2, 0, sTargetXDot), ONE(2, 0, sTargetYDot),    ONE(1, 0, cCoordMode),
        ONE(1, 0, byOpt2),      ONE(1, 0, bNoMoveX),       ONE(1, 0, bNoMoveY),
        ONE(1, 0, bMirrorX),    ONE(1, 0, bMirrorY),       ONE(1, 0, bReverseOnTurn),
        ONE(1, 0, byOpt8),      ONE(1, 162, bKeepFacing),  ONE(1, 0, cSpec),
        ONE(2, 0, sAmount),     ONE(2, 0, sAmountAdd),     ONE(2, 0, sDist),
        ONE(2, 0, sDistAdd),    ONE(1, 159, bDotUnit),     ONE(2, 0, sHoming),
        ONE(2, 0, sHomingAdd),  ONE(1, 0, bInertia),       ONE(2, 0, sAltAmount),
        ONE(8, 0, dTurnFactor), ONE(1, 162, bOwnAnime),    ONE(1, 767, byOpt12),
    };
    return f;
}

const std::vector<Field<cCond>>& CondFields() {
    static const std::vector<Field<cCond>> f = {
        ONE(1, 0, cKind),   ONE(4, 0, nValue1), ONE(4, 0, nValue2), ONE(4, 0, nValue3), ONE(1, 0, cSel3),
        ONE(1, 0, cArg),    ONE(1, 0, cSel1),   ONE(1, 0, cSel2),   ONE(2, 0, sValue),  ONE(1, 0, cSel4),
        ONE(1, 0, cSel5),   ONE(1, 0, cArg2),   ONE(1, 0, cSel6),   ONE(2, 0, sValue2), ONE(1, 0, bFlag1),
        ONE(1, 43, bFlag2), ONE(1, 0, bFlag3),
    };
    return f;
}

// The character definition's fields by their stored numbers (the name is in
// the string section).
const std::vector<Field<cEdChara>>& CharaFields() {
    static const std::vector<Field<cEdChara>> f = {
        ONE(1, 0, PaletteSource),
        ONE(2, 0, PaletteIndex),
        ONE(1, 0, CondCombine),
        ONE(1, 0, CondOnce),
        ONE(1, 0, Facing),
        ONE(1, 0, ObjectCount),
        ONE(2, 0, OffsetBaseX),
        ONE(2, 0, OffsetStepX),
        ONE(2, 0, OffsetBaseY),
        ONE(2, 0, OffsetStepY),
        ONE(1, 0, OffsetMirrorX),
        ONE(1, 0, OffsetMirrorY),
        ONE(2, 0, GraphicIndex),
        ONE(1, 0, GraphicKind),
        ONE(2, 0, CellBase),
        ONE(2, 0, AnimeSet),
        ONE(1, 0, z),
        ONE(1, 0, Transparent),
        ONE(2, 0, CharaEffectA),
        ONE(1, 196, CharaEffectAParam),
        ONE(1, 0, CharaEffectAOption),
        ONE(2, 0, CharaEffectB),
        ONE(1, 196, CharaEffectBParam),
        ONE(1, 0, MarkShow),
        ONE(2, 0, MarkNumber),
        ONE(1, 0, Control),
        ONE(1, 0, InputRecord),
        ONE(1, 0, Placed),
        ONE(1, 0, Faction),
        ONE(1, 0, Flying),
        ONE(1, 0, FixedFacing),
        ONE(1, 0, Invincible),
        ONE(1, 285, TintSelect),
        ONE(1, 0, BlockChara),
        ONE(1, 0, CharaScale),
        ONE(1, 210, ScrollSync),
        ONE(1, 0, SightShape),
        ONE(1, 0, sight),
        ONE(4, 0, mhp),
        ONE(4, 0, msp),
        ONE(2, 0, stop),
        ONE(1, 201, HitRange),
        ONE(4, 0, power),
        ONE(1, 0, imp),
        ONE(2, 0, Effect),
        ONE(4, 168, def),
        ONE(1, 0, impd),
        ONE(4, 0, getsc),
        ONE(1, 0, cid),
        ONE(1, 0, InActivationGroup),
        ONE(2, 0, ActivationGroup),
        ONE(1, 0, ActiveArea),
        ONE(1, 0, ActivationKind),
    };
    return f;
}

using StoredLayout = RecordTest;

// Versions at which every field the upgrades touch is either absent or left alone.
TEST_F(StoredLayout, ShotFieldsOfEveryLayout) {
    for (std::uint32_t version : {150u, 196u, 210u, 212u, 635u, 670u, 761u, 766u, 818u}) {
        ByteBuilder b;
        b.u32(version);
        WriteFields(b, ShotFields(), version);
        b.u32(0);
        cEdShot shot;
        ASSERT_TRUE(shot.LoadFromBytes(b.get())) << version;
        ExpectFields(shot, ShotFields(), version);
        if (version == 818) {
            EXPECT_EQ(shot.SaveToBytes(), b.get());
        }
    }
}

TEST_F(StoredLayout, MoveFieldsOfEveryLayout) {
    for (std::uint32_t version : {150u, 158u, 159u, 161u, 162u, 766u, 818u}) {
        ByteBuilder b;
        b.u32(version);
        WriteFields(b, MoveFields(), version);
        b.u32(0);
        cEdMove move;
        ASSERT_TRUE(move.LoadFromBytes(b.get())) << version;
        ExpectFields(move, MoveFields(), version);
        if (version == 818) {
            EXPECT_EQ(move.SaveToBytes(), b.get());
        }
    }
}

TEST_F(StoredLayout, ConditionFieldsFrom110On) {
    ByteBuilder b;
    b.u32(818);
    WriteFields(b, CondFields(), 818);
    b.u32(0);
    cCond cond;
    ASSERT_TRUE(cond.LoadFromBytes(b.get()));
    ExpectFields(cond, CondFields(), 818);
    EXPECT_EQ(cond.SaveToBytes(), b.get());
}

TEST_F(StoredLayout, CharacterDefinitionOfEveryLayout) {
    for (std::uint32_t version : {195u, 200u, 209u, 284u, 818u}) {
        ByteBuilder b;
        b.u32(version);
        WriteFields(b, CharaFields(), version);
        b.u32(1).str("名前");
        b.u16(3).u16(4).i32(5); // placement words
        b.u32(37);              // inherit flags, none set
        for (int i = 0; i < 37; ++i) b.u8(0);
        b.u32(0).u32(0); // no conditions, no flows
        cEdChara chara;
        ASSERT_TRUE(chara.LoadFromBytes(b.get())) << version;
        ExpectFields(chara, CharaFields(), version);
        EXPECT_EQ(chara.Name, "名前");
        EXPECT_EQ(chara.Column, 3);
        EXPECT_EQ(chara.Row, 4);
        EXPECT_EQ(chara.CarriedItem, 5);
        if (version == 818) {
            EXPECT_EQ(chara.SaveToBytes(), b.get());
        }
    }
}

#undef ONE
#undef ARR

} // namespace
