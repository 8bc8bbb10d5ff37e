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
    {"\226\332\225\127X(bl)", -640, 640, Move<&cEdMove::sTargetXBl>},
    {"\226\332\225\127X(dot)", -640, 640, Move<&cEdMove::sTargetXDot>},
    {"\226\332\225\127Y(bl)", -640, 640, Move<&cEdMove::sTargetYBl>},
    {"\226\332\225\127Y(dot)", -640, 640, Move<&cEdMove::sTargetYDot>},
    {"\212\160\223\170", -7200, 7200, Move<&cEdMove::sAngle>},
    {"\225\252\220\147\222\154\202\311\202\346\202\351\221\235\211\301\212\160\223\170", -7200, 7200, Move<&cEdMove::sAngleAdd>},
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
         {{"\227\125\223\261\220\253\224\134\202\314\210\253\202\263", 0, 10, Move<&cEdMove::sHoming>},
          {"\225\252\220\147\222\154\202\311\202\346\202\351\221\235\211\301\227\125\223\261\220\253\224\134\202\314\210\253\202\263", 0, 10, Move<&cEdMove::sHomingAdd>},
          {"\226\332\225\127X(bl)", -640, 640, Move<&cEdMove::sTargetXBl>},
          {"\226\332\225\127X(dot)", -640, 640, Move<&cEdMove::sTargetXDot>},
          {"\226\332\225\127Y(bl)", -640, 640, Move<&cEdMove::sTargetYBl>},
          {"\226\332\225\127Y(dot)", -640, 640, Move<&cEdMove::sTargetYDot>}}},
        {11,
         {{"\203\117\203\211\203\164\203\102\203\142\203\116", 1, 120, Shot<&cEdShot::sGraphic>},
          {"Z\215\300\225\127", 0, 7, Shot<&cEdShot::cZ>},
          {"\203\164\203\110\201\133\203\201\201\133\203\126\203\207\203\223\214\305\227\1141", 0, kAny, Formation<0>},
          {"\203\164\203\110\201\133\203\201\201\133\203\126\203\207\203\223\214\305\227\1142", 0, kAny, Formation<1>},
          {"\203\164\203\110\201\133\203\201\201\133\203\126\203\207\203\223\214\305\227\1143", 0, kAny, Formation<2>},
          {"\224\255\216\313\220\224", 1, 127, Shot<&cEdShot::cCount>},
          {"\224\255\216\313\220\224\202\311\221\316\202\267\202\351\225\252\220\147\220\224", 0, 20, Shot<&cEdShot::cClonePerShot>},
          {"\212\160\223\170\202\314\203\131\203\214", -7200, 7200, Shot<&cEdShot::sAngleOfs>},
          {"\225\252\220\147\222\154\202\311\202\346\202\351\212\160\223\170\202\314\203\131\203\214", -7200, 7200, Shot<&cEdShot::sAngleOfsAdd>},
          {"\225\252\216\125\212\160\223\170", 0, 180, Shot<&cEdShot::sSpread>},
          {"\224\255\216\313\210\312\222\165\202\314\203\131\203\214X(dot)", -640, 640, Shot<&cEdShot::sOfsX>},
          {"\225\252\220\147\222\154\202\311\202\346\202\351\224\255\216\313\210\312\222\165\202\314\203\131\203\214X(dot)", -640, 640, Shot<&cEdShot::sOfsXAdd>},
          {"\224\255\216\313\210\312\222\165\202\314\203\131\203\214Y(dot)", -640, 640, Shot<&cEdShot::sOfsY>},
          {"\225\252\220\147\222\154\202\311\202\346\202\351\224\255\216\313\210\312\222\165\202\314\203\131\203\214Y(dot)", -640, 640, Shot<&cEdShot::sOfsYAdd>},
          {"\220\250\227\315", 0, 7, Shot<&cEdShot::cFaction>},
          {"\210\332\223\256\203\136\203\103\203\166\214\305\227\1141", 0, kAny, Motion<0>},
          {"\210\332\223\256\203\136\203\103\203\166\214\305\227\1142", 0, kAny, Motion<1>},
          {"\210\332\223\256\203\136\203\103\203\166\214\305\227\1143", 0, kAny, Motion<2>},
          {"\221\254\223\170", -200, 200, Shot<&cEdShot::sSpeed>},
          {"\225\252\220\147\222\154\202\311\202\346\202\351\221\235\211\301\221\254\223\170", -200, 200, Shot<&cEdShot::sSpeedAdd>},
          {"\211\301\221\254\223\170", -200, 200, Shot<&cEdShot::sAccel>},
          {"\225\252\220\147\222\154\202\311\202\346\202\351\221\235\211\301\211\301\221\254\223\170", -200, 200, Shot<&cEdShot::sAccelAdd>},
          {"\224\362\213\227\227\243(hbl)", 0, 64, Shot<&cEdShot::sRange>},
          {"\225\252\220\147\222\154\202\311\202\346\202\351\221\235\211\301\224\362\213\227\227\243", -40, 40, Shot<&cEdShot::sRangeAdd>},
          {"\221\266\215\335\216\236\212\324(1/10s)", 1, 999, Shot<&cEdShot::sLife>},
          {"\225\252\220\147\222\154\202\346\202\351\221\235\211\301\221\266\215\335\216\236\212\324", -99, 99, Shot<&cEdShot::sLifeAdd>},
          {"\217\301\226\305\222\154", 1, 9, Shot<&cEdShot::cVanish>},
          {"\210\320\227\315", -999999, 999999, Shot<&cEdShot::nPower>},
          {"\217\325\214\202", -20, 20, Shot<&cEdShot::cImpact>}}},
        {12,
         {{"\220\250\227\315", 0, 7, Shot<&cEdShot::cFaction>},
          {"Z\215\300\225\127", 0, 7, Shot<&cEdShot::cZ>},
          {"\210\320\227\315", -999999, 999999, Shot<&cEdShot::nPower>},
          {"\217\325\214\202", -20, 20, Shot<&cEdShot::cImpact>}}},
        {13,
         {{"\203\164\203\110\201\133\203\201\201\133\203\126\203\207\203\223\214\305\227\1141", 0, kAny, Formation<0>},
          {"\203\164\203\110\201\133\203\201\201\133\203\126\203\207\203\223\214\305\227\1142", 0, kAny, Formation<1>},
          {"\203\164\203\110\201\133\203\201\201\133\203\126\203\207\203\223\214\305\227\1143", 0, kAny, Formation<2>},
          {"\220\224", 1, 127, Shot<&cEdShot::cCount>},
          {"\217\242\212\253\210\312\222\165\202\314\203\131\203\214X(dot)", -640, 640, Shot<&cEdShot::sOfsX>},
          {"\217\242\212\253\210\312\222\165\202\314\203\131\203\214Y(dot)", -640, 640, Shot<&cEdShot::sOfsY>}}},
        {14,
         {{"\221\266\215\335\216\236\212\324(1/10s)", 1, 9999, Shot<&cEdShot::sRange>},
          {"\220\250\227\315", 0, 7, Shot<&cEdShot::cFaction>},
          {"\203\164\203\110\201\133\203\201\201\133\203\126\203\207\203\223\214\305\227\1141", 0, kAny, Formation<0>},
          {"\203\164\203\110\201\133\203\201\201\133\203\126\203\207\203\223\214\305\227\1142", 0, kAny, Formation<1>},
          {"\203\164\203\110\201\133\203\201\201\133\203\126\203\207\203\223\214\305\227\1143", 0, kAny, Formation<2>},
          {"\220\224", 1, 127, Shot<&cEdShot::cCount>},
          {"\217\242\212\253\210\312\222\165\202\314\203\131\203\214X(dot)", -640, 640, Shot<&cEdShot::sOfsX>},
          {"\217\242\212\253\210\312\222\165\202\314\203\131\203\214Y(dot)", -640, 640, Shot<&cEdShot::sOfsY>}}},
        {15,
         {{"\221\266\215\335\216\236\212\324(1/10s)", 1, 9999, Shot<&cEdShot::sRange>},
          {"\203\164\203\110\201\133\203\201\201\133\203\126\203\207\203\223\214\305\227\1141", 0, kAny, Formation<0>},
          {"\203\164\203\110\201\133\203\201\201\133\203\126\203\207\203\223\214\305\227\1142", 0, kAny, Formation<1>},
          {"\203\164\203\110\201\133\203\201\201\133\203\126\203\207\203\223\214\305\227\1143", 0, kAny, Formation<2>},
          {"\220\224", 1, 127, Shot<&cEdShot::cCount>},
          {"\217\242\212\253\210\312\222\165\202\314\203\131\203\214X(dot)", -640, 640, Shot<&cEdShot::sOfsX>},
          {"\217\242\212\253\210\312\222\165\202\314\203\131\203\214Y(dot)", -640, 640, Shot<&cEdShot::sOfsY>}}},
        {17,
         {{"\216\237\202\314\203\130\203\145\201\133\203\127\202\314\224\324\215\206", 1, 99, Param<1>},
          {"\216\237\202\314\203\130\203\145\201\133\203\127\202\314\217\211\212\372\210\312\222\165X(bl)", 0, 999, Param<6>},
          {"\216\237\202\314\203\130\203\145\201\133\203\127\202\314\217\211\212\372\210\312\222\165Y(bl)", 0, 999, Param<7>},
          {"\203\116\203\212\203\101\214\343\202\314\203\217\201\133\203\213\203\150\203\175\203\142\203\166\202\314\210\312\222\165X", 0, 999, Param<3>},
          {"\203\116\203\212\203\101\214\343\202\314\203\217\201\133\203\213\203\150\203\175\203\142\203\166\202\314\210\312\222\165Y", 0, 999, Param<4>}}},
        {19,
         {{"\203\201\203\142\203\132\201\133\203\127ID", 0, 999, Param<13>},
          {"\215\300\225\127X(bl)", 0, 20, Param<1>},
          {"\215\300\225\127Y(bl)", 0, 15, Param<2>},
          {"\225\134\216\246\210\312\222\165\202\314\203\131\203\214X(dot)", -999, 999, Param<3>},
          {"\225\134\216\246\210\312\222\165\202\314\203\131\203\214Y(dot)", -999, 999, Param<4>}}},
        {20,
         {{"\213\227\227\243(hbl)", 0, 64, Move<&cEdMove::sDist>},
          {"\225\252\220\147\222\154\202\311\202\346\202\351\221\235\211\301\213\227\227\243(hbl)", -40, 40, Move<&cEdMove::sDistAdd>},
          {"\226\332\225\127X(bl)", -640, 640, Move<&cEdMove::sTargetXBl>},
          {"\226\332\225\127Y(bl)", -640, 640, Move<&cEdMove::sTargetYBl>},
          {"\226\332\225\127X\202\314\203\131\203\214(dot)", -640, 640, Move<&cEdMove::sTargetXDot>},
          {"\226\332\225\127Y\202\314\203\131\203\214(dot)", -640, 640, Move<&cEdMove::sTargetYDot>}}},
        {21,
         {{"\221\316\217\333\220\250\227\315", 0, 7, Param<2>},
          {"\221\316\217\333\203\114\203\203\203\211ID", 0, 99, Param<10>},
          {"\203\114\203\203\203\211\225\317\220\224\202\306\224\344\212\162\202\267\202\351\220\224\222\154", -999999, 999999, Param<13>}}},
        {22, {{"\227\220\220\224\202\314\215\305\217\254\222\154", -999999, 999999, Param<8>}, {"\227\220\220\224\202\314\215\305\221\345\222\154", -999999, 999999, Param<9>}}},
        {24, {{"\221\316\217\333\220\250\227\315", 0, 7, Param<1>}}},
        {26, {{"\203\117\203\211\203\164\203\102\203\142\203\116", 1, 119, Param<1>}, {"\203\131\203\214", -999, 999, Param<2>}}},
        {29,
         {{"\215\300\225\127X(bl)", 0, 511, Param<2>},
          {"\215\300\225\127Y(bl)", 0, 511, Param<3>},
          {"\225\134\216\246\210\312\222\165\202\314\203\131\203\214X(dot)", -999, 999, Param<4>},
          {"\225\134\216\246\210\312\222\165\202\314\203\131\203\214Y(dot)", -999, 999, Param<5>},
          {"\225\134\216\246\224\173\227\246(%)", 1, 1000, Param<6>}}},
        {32,
         {{"\203\163\203\116\203\140\203\203\201\133ID", 0, 999, Param<13>},
          {"\215\300\225\127X(bl)", 0, 511, Param<2>},
          {"\215\300\225\127Y(bl)", 0, 511, Param<3>},
          {"\225\134\216\246\210\312\222\165\202\314\203\131\203\214X(dot)", -999, 999, Param<4>},
          {"\225\134\216\246\210\312\222\165\202\314\203\131\203\214Y(dot)", -999, 999, Param<5>},
          {"\225\134\216\246\224\173\227\246(%)", 1, 1000, Param<7>}}},
        {33,
         {{"R", 0, 255, Param<0>},
          {"G", 0, 255, Param<1>},
          {"B", 0, 255, Param<2>},
          {"%", 0, 100, Param<3>}}},
        {34, {{"\224\167\214\151\224\324\215\206", 1, 8, Param<0>}}},
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
