// The command kinds: for each kind its name and the number of integer
// parameters a command of that kind stores. Character commands and flow
// commands are numbered apart; flow kind k of 2 or more is the same command as
// character kind k + 15, flow kind 1 has no character twin, and kind 0 is the
// empty kind in both.
#pragma once

#include <array>
#include <cstdint>

struct cCmdKindName {
    const char* name;
    int paramCount;
};

inline constexpr auto CharaCmdKindNames = std::to_array<cCmdKindName>({
    {"", 0},                       // 0
    {"ウエイト", 0},               // 1
    {"直線移動", 0},               // 2
    {"地上折り返し移動", 0},       // 3
    {"円移動", 0},                 // 4
    {"突撃移動", 0},               // 5
    {"誘導移動", 0},               // 6
    {"画面外回避移動", 0},         // 7
    {"移動の無効化", 0},           // 8
    {"向き変更", 1},               // 9
    {"ジャンプ", 5},               // 10
    {"ショット", 0},               // 11
    {"ソード", 0},                 // 12
    {"ブロック召喚", 0},           // 13
    {"キャラ召喚", 0},             // 14
    {"アイテム召喚", 0},           // 15
    {"フローの操作", 4},           // 16
    {"ステージクリア", 9},         // 17
    {"ゲームウエイト", 1},         // 18
    {"メッセージ", 18},            // 19
    {"ワープ", 0},                 // 20
    {"ターゲットの設定", 16},      // 21
    {"ステータスの操作", 18},      // 22
    {"ステータスの操作2", 3},      // 23
    {"消滅", 3},                   // 24
    {"アイテムの取得", 2},         // 25
    {"グラフィックの変更", 3},     // 26
    {"基本アニメセットの変更", 1}, // 27
    {"アニメの実行", 1},           // 28
    {"エフェクトの実行", 8},       // 29
    {"キャラエフェクトの実行", 3}, // 30
    {"画面エフェクトの実行", 3},   // 31
    {"ピクチャーの表示", 15},      // 32
    {"画面の色を変更", 8},         // 33
    {"背景の変更", 2},             // 34
    {"効果音の再生", 1},           // 35
    {"BGMの再生", 2},              // 36
    {"コードの実行", 0},           // 37
    {"アレンジ", 5},               // 38
    {"ループ", 2},                 // 39
});

inline constexpr auto FlowCmdKindNames = std::to_array<cCmdKindName>({
    {"", 0},                       // 0
    {"フローの変更", 2},           // 1
    {"ステージクリア", 9},         // 2
    {"ゲームウエイト", 1},         // 3
    {"メッセージ", 18},            // 4
    {"ワープ", 0},                 // 5
    {"ターゲットの設定", 16},      // 6
    {"ステータスの操作", 18},      // 7
    {"ステータスの操作2", 3},      // 8
    {"消滅", 3},                   // 9
    {"アイテムの取得", 2},         // 10
    {"グラフィックの変更", 3},     // 11
    {"基本アニメセットの変更", 1}, // 12
    {"アニメの実行", 1},           // 13
    {"エフェクトの実行", 8},       // 14
    {"キャラエフェクトの実行", 3}, // 15
    {"画面エフェクトの実行", 3},   // 16
    {"ピクチャーの表示", 15},      // 17
    {"画面の色を変更", 8},         // 18
    {"背景の変更", 2},             // 19
    {"効果音の再生", 1},           // 20
    {"BGMの再生", 2},              // 21
    {"コードの実行", 0},           // 22
    {"アレンジ", 5},               // 23
    {"ループ", 2},                 // 24
});

inline constexpr int CharaCmdKindCount = 40;
inline constexpr int FlowCmdKindCount = 25;
static_assert(CharaCmdKindNames.size() == CharaCmdKindCount);
static_assert(FlowCmdKindNames.size() == FlowCmdKindCount);

// Offset from a flow kind of 2 or more to its character twin.
inline constexpr int FlowToCharaKindOffset = 15;

// The entry of a command kind. A kind read from a damaged file may lie outside
// the table; it gets the empty entry (no name, no parameters).
inline constexpr cCmdKindName NoCmdKind{"", 0};
constexpr const cCmdKindName& CmdKindEntry(bool flow, std::int64_t kind) {
    if (flow) return kind >= 0 && kind < FlowCmdKindCount ? FlowCmdKindNames[kind] : NoCmdKind;
    return kind >= 0 && kind < CharaCmdKindCount ? CharaCmdKindNames[kind] : NoCmdKind;
}
constexpr const char* CmdKindName(bool flow, std::int64_t kind) {
    return CmdKindEntry(flow, kind).name;
}
constexpr int CmdParamCount(bool flow, std::int64_t kind) {
    return CmdKindEntry(flow, kind).paramCount;
}

// The character kind that flow kind `flowKind` stands for: its twin for kinds
// 2 and more, 0 for the empty kind, -1 for flow kind 1 and unknown kinds.
constexpr int CharaTwinOfFlowKind(std::int64_t flowKind) {
    if (flowKind == 0) return 0;
    if (flowKind >= 2 && flowKind < FlowCmdKindCount)
        return static_cast<int>(flowKind) + FlowToCharaKindOffset;
    return -1;
}

// The flow kind of a character kind: its twin for kinds 17 and more, 0 for the
// empty kind, -1 for the kinds that only characters run and unknown kinds.
constexpr int FlowTwinOfCharaKind(std::int64_t charaKind) {
    if (charaKind == 0) return 0;
    if (charaKind >= 2 + FlowToCharaKindOffset && charaKind < CharaCmdKindCount)
        return static_cast<int>(charaKind) - FlowToCharaKindOffset;
    return -1;
}
