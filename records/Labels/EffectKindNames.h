// Names and speed notes of the chara effect and screen effect kinds. Kind 0 is
// "none" in both and has no text, so text i names kind i + 1.
#pragma once

#include "records/Labels/NameTable.h"

// Chara effect kinds: text i names kind i + 1 (kind 0 is none)
inline constexpr auto CharaEffectKindNames =
    Names({"破裂", "分割（横）", "分割（縦）", "波（横）", "波（縦）", "点滅", "回転A", "回転B", "回転（奥）",
           "円", "拡大", "レンズ", "色変化", "半透明", "モザイク", "ぼかし"});
static_assert(CharaEffectKindNames.Count == 16);

// Speed notes of the chara effect kinds, in the order of CharaEffectKindNames
inline constexpr auto CharaEffectNoteNames =
    Names({"Direct3D有効時：\nDirect3D無効時：", "Direct3D有効時：\nDirect3D無効時：",
           "Direct3D有効時：\nDirect3D無効時：", "Direct3D有効時：やや遅い\nDirect3D無効時：やや遅い",
           "Direct3D有効時：やや遅い\nDirect3D無効時：やや遅い", "Direct3D有効時：速い\nDirect3D無効時：速い",
           "Direct3D有効時：回転Aと回転Bは同じ\nDirect3D無効時：巨大キャラには実行速度重視",
           "Direct3D有効時：回転Aと回転Bは同じ\nDirect3D無効時：やや遅い。巨大キャラには描画精度重視",
           "Direct3D有効時：\nDirect3D無効時：", "Direct3D有効時：やや遅い\nDirect3D無効時：やや遅い",
           "Direct3D有効時：\nDirect3D無効時：", "Direct3D有効時：遅過ぎ\nDirect3D無効時：遅い",
           "Direct3D有効時：\nDirect3D無効時：画面が8bit色→精度悪い、16bit色以上→やや遅い",
           "Direct3D有効時：\nDirect3D無効時：画面が8bit色→精度悪い、16bit色以上→遅過ぎ",
           "Direct3D有効時：遅い\nDirect3D無効時：画面が16bit色以上だと遅い",
           "Direct3D有効時：遅い\nDirect3D無効時：画面が16bit色以上でのみ有効。遅い"});
static_assert(CharaEffectNoteNames.Count == 16);

// Screen effect kinds: text i names kind i + 1 (kind 0 is none)
inline constexpr auto ScrEffectKindNames =
    Names({"移動", "振動（横）", "振動（縦）", "分割（横）", "分割（縦）", "波（横）", "波（縦）", "点滅",
           "回転", "円", "拡大", "レンズ", "モザイク"});
static_assert(ScrEffectKindNames.Count == 13);

// Speed notes of the screen effect kinds
inline constexpr auto ScrEffectNoteNames =
    Names({"Direct3D有効時：\nDirect3D無効時：", "Direct3D有効時：\nDirect3D無効時：",
           "Direct3D有効時：\nDirect3D無効時：", "Direct3D有効時：\nDirect3D無効時：",
           "Direct3D有効時：\nDirect3D無効時：", "Direct3D有効時：やや遅い\nDirect3D無効時：やや遅い",
           "Direct3D有効時：やや遅い\nDirect3D無効時：やや遅い", "Direct3D有効時：速い\nDirect3D無効時：速い",
           "Direct3D有効時：\nDirect3D無効時：遅い", "Direct3D有効時：やや遅い\nDirect3D無効時：やや遅い",
           "Direct3D有効時：\nDirect3D無効時：やや遅い", "Direct3D有効時：遅過ぎ\nDirect3D無効時：遅過ぎ",
           "Direct3D有効時：遅過ぎ\nDirect3D無効時：画面が16bit色以上だと遅過ぎ"});
static_assert(ScrEffectNoteNames.Count == 13);

// The name of chara effect kind `kind`; kind 0 (none) and unknown kinds have none.
constexpr const char* CharaEffectKindName(std::int64_t kind) {
    return CharaEffectKindNames.Name(kind - 1);
}
constexpr const char* ScrEffectKindName(std::int64_t kind) {
    return ScrEffectKindNames.Name(kind - 1);
}
