#include "records/ParamDescriptors.h"

#include "records/EdCommand.h"

#include <vector>

cVector<cVector<CmdParamDesc>> CmdParamTable;

namespace {

// Where a descriptor's value lives in one command: a signed member of 1, 2 or 4 bytes.
struct Slot {
    void* address = nullptr;
    int width = 0;
};

Slot Of(std::int8_t& v) {
    return {&v, 1};
}
Slot Of(std::int16_t& v) {
    return {&v, 2};
}
Slot Of(std::int32_t& v) {
    return {&v, 4};
}

template <auto M> Slot Move(cEdCommand& c) {
    return c.pMove ? Of((*c.pMove).*M) : Slot{};
}
template <auto M> Slot Shot(cEdCommand& c) {
    return c.pShot ? Of((*c.pShot).*M) : Slot{};
}
template <int I> Slot Formation(cEdCommand& c) {
    return c.pShot ? Of(c.pShot->sFormation[I]) : Slot{};
}
template <int I> Slot Motion(cEdCommand& c) {
    return c.pShot ? Of(c.pShot->sMotion[I]) : Slot{};
}
template <std::size_t N> Slot Param(cEdCommand& c) {
    return N < c.vParam.size() ? Of(c.vParam[N]) : Slot{};
}

struct Def {
    const char* label;
    std::int32_t min;
    std::int32_t max;
    Slot (*slot)(cEdCommand&);
};

constexpr std::int32_t kAny = 2147483647; // placeholder: the shot range tables decide

const std::vector<Def> kMoveTo = {
    {"目標X(bl)", -640, 640, Move<&cEdMove::sTargetXBl>},
    {"目標X(dot)", -640, 640, Move<&cEdMove::sTargetXDot>},
    {"目標Y(bl)", -640, 640, Move<&cEdMove::sTargetYBl>},
    {"目標Y(dot)", -640, 640, Move<&cEdMove::sTargetYDot>},
    {"角度", -7200, 7200, Move<&cEdMove::sAngle>},
    {"分身値による増加角度", -7200, 7200, Move<&cEdMove::sAngleAdd>},
};

struct KindDefs {
    int kind;
    std::vector<Def> defs;
};

const std::vector<KindDefs>& Defs() {
    static const std::vector<KindDefs> defs = {
        {2, kMoveTo},
        {5, kMoveTo},
        {6,
         {{"誘導性能の悪さ", 0, 10, Move<&cEdMove::sHoming>},
          {"分身値による増加誘導性能の悪さ", 0, 10, Move<&cEdMove::sHomingAdd>},
          {"目標X(bl)", -640, 640, Move<&cEdMove::sTargetXBl>},
          {"目標X(dot)", -640, 640, Move<&cEdMove::sTargetXDot>},
          {"目標Y(bl)", -640, 640, Move<&cEdMove::sTargetYBl>},
          {"目標Y(dot)", -640, 640, Move<&cEdMove::sTargetYDot>}}},
        {11,
         {{"グラフィック", 1, 120, Shot<&cEdShot::sGraphic>},
          {"Z座標", 0, 7, Shot<&cEdShot::cZ>},
          {"フォーメーション固有1", 0, kAny, Formation<0>},
          {"フォーメーション固有2", 0, kAny, Formation<1>},
          {"フォーメーション固有3", 0, kAny, Formation<2>},
          {"発射数", 1, 127, Shot<&cEdShot::cCount>},
          {"発射数に対する分身数", 0, 20, Shot<&cEdShot::cClonePerShot>},
          {"角度のズレ", -7200, 7200, Shot<&cEdShot::sAngleOfs>},
          {"分身値による角度のズレ", -7200, 7200, Shot<&cEdShot::sAngleOfsAdd>},
          {"分散角度", 0, 180, Shot<&cEdShot::sSpread>},
          {"発射位置のズレX(dot)", -640, 640, Shot<&cEdShot::sOfsX>},
          {"分身値による発射位置のズレX(dot)", -640, 640, Shot<&cEdShot::sOfsXAdd>},
          {"発射位置のズレY(dot)", -640, 640, Shot<&cEdShot::sOfsY>},
          {"分身値による発射位置のズレY(dot)", -640, 640, Shot<&cEdShot::sOfsYAdd>},
          {"勢力", 0, 7, Shot<&cEdShot::cFaction>},
          {"移動タイプ固有1", 0, kAny, Motion<0>},
          {"移動タイプ固有2", 0, kAny, Motion<1>},
          {"移動タイプ固有3", 0, kAny, Motion<2>},
          {"速度", -200, 200, Shot<&cEdShot::sSpeed>},
          {"分身値による増加速度", -200, 200, Shot<&cEdShot::sSpeedAdd>},
          {"加速度", -200, 200, Shot<&cEdShot::sAccel>},
          {"分身値による増加加速度", -200, 200, Shot<&cEdShot::sAccelAdd>},
          {"飛距離(hbl)", 0, 64, Shot<&cEdShot::sRange>},
          {"分身値による増加飛距離", -40, 40, Shot<&cEdShot::sRangeAdd>},
          {"存在時間(1/10s)", 1, 999, Shot<&cEdShot::sLife>},
          {"分身値よる増加存在時間", -99, 99, Shot<&cEdShot::sLifeAdd>},
          {"消滅値", 1, 9, Shot<&cEdShot::cVanish>},
          {"威力", -999999, 999999, Shot<&cEdShot::nPower>},
          {"衝撃", -20, 20, Shot<&cEdShot::cImpact>}}},
        {12,
         {{"勢力", 0, 7, Shot<&cEdShot::cFaction>},
          {"Z座標", 0, 7, Shot<&cEdShot::cZ>},
          {"威力", -999999, 999999, Shot<&cEdShot::nPower>},
          {"衝撃", -20, 20, Shot<&cEdShot::cImpact>}}},
        {13,
         {{"フォーメーション固有1", 0, kAny, Formation<0>},
          {"フォーメーション固有2", 0, kAny, Formation<1>},
          {"フォーメーション固有3", 0, kAny, Formation<2>},
          {"数", 1, 127, Shot<&cEdShot::cCount>},
          {"召喚位置のズレX(dot)", -640, 640, Shot<&cEdShot::sOfsX>},
          {"召喚位置のズレY(dot)", -640, 640, Shot<&cEdShot::sOfsY>}}},
        {14,
         {{"存在時間(1/10s)", 1, 9999, Shot<&cEdShot::sRange>},
          {"勢力", 0, 7, Shot<&cEdShot::cFaction>},
          {"フォーメーション固有1", 0, kAny, Formation<0>},
          {"フォーメーション固有2", 0, kAny, Formation<1>},
          {"フォーメーション固有3", 0, kAny, Formation<2>},
          {"数", 1, 127, Shot<&cEdShot::cCount>},
          {"召喚位置のズレX(dot)", -640, 640, Shot<&cEdShot::sOfsX>},
          {"召喚位置のズレY(dot)", -640, 640, Shot<&cEdShot::sOfsY>}}},
        {15,
         {{"存在時間(1/10s)", 1, 9999, Shot<&cEdShot::sRange>},
          {"フォーメーション固有1", 0, kAny, Formation<0>},
          {"フォーメーション固有2", 0, kAny, Formation<1>},
          {"フォーメーション固有3", 0, kAny, Formation<2>},
          {"数", 1, 127, Shot<&cEdShot::cCount>},
          {"召喚位置のズレX(dot)", -640, 640, Shot<&cEdShot::sOfsX>},
          {"召喚位置のズレY(dot)", -640, 640, Shot<&cEdShot::sOfsY>}}},
        {17,
         {{"次のステージの番号", 1, 99, Param<1>},
          {"次のステージの初期位置X(bl)", 0, 999, Param<6>},
          {"次のステージの初期位置Y(bl)", 0, 999, Param<7>},
          {"クリア後のワールドマップの位置X", 0, 999, Param<3>},
          {"クリア後のワールドマップの位置Y", 0, 999, Param<4>}}},
        {19,
         {{"メッセージID", 0, 999, Param<13>},
          {"座標X(bl)", 0, 20, Param<1>},
          {"座標Y(bl)", 0, 15, Param<2>},
          {"表示位置のズレX(dot)", -999, 999, Param<3>},
          {"表示位置のズレY(dot)", -999, 999, Param<4>}}},
        {20,
         {{"距離(hbl)", 0, 64, Move<&cEdMove::sDist>},
          {"分身値による増加距離(hbl)", -40, 40, Move<&cEdMove::sDistAdd>},
          {"目標X(bl)", -640, 640, Move<&cEdMove::sTargetXBl>},
          {"目標Y(bl)", -640, 640, Move<&cEdMove::sTargetYBl>},
          {"目標Xのズレ(dot)", -640, 640, Move<&cEdMove::sTargetXDot>},
          {"目標Yのズレ(dot)", -640, 640, Move<&cEdMove::sTargetYDot>}}},
        {21,
         {{"対象勢力", 0, 7, Param<2>},
          {"対象キャラID", 0, 99, Param<10>},
          {"キャラ変数と比較する数値", -999999, 999999, Param<13>}}},
        {22, {{"乱数の最小値", -999999, 999999, Param<8>}, {"乱数の最大値", -999999, 999999, Param<9>}}},
        {24, {{"対象勢力", 0, 7, Param<1>}}},
        {26, {{"グラフィック", 1, 119, Param<1>}, {"ズレ", -999, 999, Param<2>}}},
        {29,
         {{"座標X(bl)", 0, 511, Param<2>},
          {"座標Y(bl)", 0, 511, Param<3>},
          {"表示位置のズレX(dot)", -999, 999, Param<4>},
          {"表示位置のズレY(dot)", -999, 999, Param<5>},
          {"表示倍率(%)", 1, 1000, Param<6>}}},
        {32,
         {{"ピクチャーID", 0, 999, Param<13>},
          {"座標X(bl)", 0, 511, Param<2>},
          {"座標Y(bl)", 0, 511, Param<3>},
          {"表示位置のズレX(dot)", -999, 999, Param<4>},
          {"表示位置のズレY(dot)", -999, 999, Param<5>},
          {"表示倍率(%)", 1, 1000, Param<7>}}},
        {33,
         {{"R", 0, 255, Param<0>},
          {"G", 0, 255, Param<1>},
          {"B", 0, 255, Param<2>},
          {"%", 0, 100, Param<3>}}},
        {34, {{"背景番号", 1, 8, Param<0>}}},
    };
    return defs;
}

// The value slots of each kind, in descriptor order; built with the table.
std::vector<std::vector<Slot (*)(cEdCommand&)>>& SlotTable() {
    static std::vector<std::vector<Slot (*)(cEdCommand&)>> slots(kCmdParamKinds);
    return slots;
}

Slot Find(std::int64_t kind, std::int64_t index, cEdCommand& command) {
    auto& slots = SlotTable();
    if (kind < 0 || kind >= kCmdParamKinds) return {};
    auto& list = slots[static_cast<std::size_t>(kind)];
    if (index < 0 || static_cast<std::uint64_t>(index) >= list.size()) return {};
    return list[static_cast<std::size_t>(index)](command);
}

} // namespace

void InitCmdParamTable() {
    CmdParamTable.resize(kCmdParamKinds);
    for (const KindDefs& k : Defs()) {
        auto& list = CmdParamTable.At(k.kind);
        list.resize(k.defs.size());
        auto& slots = SlotTable()[static_cast<std::size_t>(k.kind)];
        slots.clear();
        for (std::size_t i = 0; i < k.defs.size(); ++i) {
            list[i].strLabel = k.defs[i].label;
            list[i].nMin = k.defs[i].min;
            list[i].nMax = k.defs[i].max;
            slots.push_back(k.defs[i].slot);
        }
    }
}

bool HasCmdParams(std::int64_t kind) {
    return kind >= 0 && kind < kCmdParamKinds && !SlotTable()[static_cast<std::size_t>(kind)].empty();
}

bool GetCmdParam(std::int64_t kind, std::int32_t& value, std::int64_t index, cEdCommand& command) {
    Slot s = Find(kind, index, command);
    switch (s.width) {
    case 1:
        value = *static_cast<std::int8_t*>(s.address);
        return true;
    case 2:
        value = *static_cast<std::int16_t*>(s.address);
        return true;
    case 4:
        value = *static_cast<std::int32_t*>(s.address);
        return true;
    default:
        return false;
    }
}

bool SetCmdParam(std::int64_t kind, std::int32_t value, std::int64_t index, cEdCommand& command) {
    Slot s = Find(kind, index, command);
    switch (s.width) {
    case 1:
        *static_cast<std::int8_t*>(s.address) = static_cast<std::int8_t>(value);
        return true;
    case 2:
        *static_cast<std::int16_t*>(s.address) = static_cast<std::int16_t>(value);
        return true;
    case 4:
        *static_cast<std::int32_t*>(s.address) = value;
        return true;
    default:
        return false;
    }
}
