// Names of the stored choices of definitions: palettes, graphics, blocks,
// conditions, character settings and letter slots.
#pragma once

#include "records/Labels/NameTable.h"

// A plain switch (also the value texts of the status flags "向き固定" and "オートスクロールとシンクロ")
inline constexpr auto SwitchNames = Names({"OFF", "ON"});
static_assert(SwitchNames.Count == 2);

// The two palettes, stage palette first
inline constexpr auto PaletteNames = Names({"\203\130\203\145\201\133\203\127\203\160\203\214\203\142\203\147", "\203\122\203\202\203\223\203\160\203\214\203\142\203\147"});
static_assert(PaletteNames.Count == 2);

// PaletteSource of a definition (0 do not inherit, 1 common palette, 2 stage palette)
inline constexpr auto InheritSourceNames = Names({"\214\160\217\263\202\265\202\310\202\242", "\203\122\203\202\203\223\203\160\203\214\203\142\203\147", "\203\130\203\145\201\133\203\127\203\160\203\214\203\142\203\147"});
static_assert(InheritSourceNames.Count == 3);

// PaletteSource where only the common palette can be a template
inline constexpr auto InheritCommonNames = Names({"\214\160\217\263\202\265\202\310\202\242", "\203\122\203\202\203\223\203\160\203\214\203\142\203\147"});
static_assert(InheritCommonNames.Count == 2);

// PaletteSource where only the stage palette can be a template
inline constexpr auto InheritStageNames = Names({"\214\160\217\263\202\265\202\310\202\242", "\203\130\203\145\201\133\203\127\203\160\203\214\203\142\203\147"});
static_assert(InheritStageNames.Count == 2);

// PaletteSource where no template is possible
inline constexpr auto InheritNoneNames = Names({"\214\160\217\263\202\265\202\310\202\242"});
static_assert(InheritNoneNames.Count == 1);

// GraphicKind (0 block, 1 character, 2 item, 3 shot, 4 exclusive bitmap)
inline constexpr auto GraphicKindNames = Names({"\203\165\203\215\203\142\203\116", "\203\114\203\203\203\211", "\203\101\203\103\203\145\203\200", "\203\126\203\207\203\142\203\147", "\220\352\227\160bmp"});
static_assert(GraphicKindNames.Count == 5);

// GraphicKind, second copy
inline constexpr auto GraphicKindNames2 = Names({"\203\165\203\215\203\142\203\116", "\203\114\203\203\203\211", "\203\101\203\103\203\145\203\200", "\203\126\203\207\203\142\203\147", "\220\352\227\160bmp"});
static_assert(GraphicKindNames2.Count == 5);

// A plain switch (also the value texts of the status flag "透明")
inline constexpr auto SwitchNames2 = Names({"OFF", "ON"});
static_assert(SwitchNames2.Count == 2);

// Whether a block is shown
inline constexpr auto BlockDisplayNames = Names({"\225\134\216\246\202\265\202\310\202\242", "\225\134\216\246\202\267\202\351", "\203\107\203\146\203\102\203\136\201\133\202\305\202\314\202\335\225\134\216\246"});
static_assert(BlockDisplayNames.Count == 3);

// How a block collides
inline constexpr auto BlockHitNames = Names({"\223\226\202\275\202\347\202\310\202\242", "\223\226\202\275\202\351", "\216\345\220\154\214\366\202\252\223\226\202\275\202\351\202\306\221\246\216\200"});
static_assert(BlockHitNames.Count == 3);

// A block number setting: none or 0 to 7
inline constexpr auto BlockNumberNames = Names({"\202\310\202\265", "0", "1", "2", "3", "4", "5", "6", "7"});
static_assert(BlockNumberNames.Count == 9);

// What a block does to a character on it, with its X value
inline constexpr auto BlockFootEffectNames =
    Names({"\202\310\202\265", "\203\127\203\203\203\223\203\166 X=\215\202\202\263(hbl)", "\203\127\203\203\203\223\203\166\213\326\216\176", "\210\332\223\256\221\254\223\170\225\317\215\130 X=\201\223", "\215\266\210\332\223\256 X=\210\332\223\256\221\254\223\170",
           "\211\105\210\332\223\256 X=\210\332\223\256\221\254\223\170"});
static_assert(BlockFootEffectNames.Count == 6);

// ItemSource of a block (0 none, 1 common palette, 2 stage palette)
inline constexpr auto ItemSourceNames = Names({"\202\310\202\265", "\203\122\203\202\203\223\203\160\203\214\203\142\203\147", "\203\130\203\145\201\133\203\127\203\160\203\214\203\142\203\147"});
static_assert(ItemSourceNames.Count == 3);

// ItemSource where only the common palette applies
inline constexpr auto ItemSourceCommonNames = Names({"\202\310\202\265", "\203\122\203\202\203\223\203\160\203\214\203\142\203\147"});
static_assert(ItemSourceCommonNames.Count == 2);

// The kind of a condition (cCond,; value 0 has the empty text
inline constexpr auto CondKindNames =
    Names({"", "\203\122\203\202\203\223\225\317\220\224\217\360\214\217", "\203\130\203\145\201\133\203\127\225\317\220\224\217\360\214\217", "\203\114\203\203\203\211\225\317\220\224\217\360\214\217", "\203\130\203\145\201\133\203\136\203\130\217\360\214\217", "\203\130\203\145\201\133\203\136\203\130\217\360\214\2172",
           "\203\130\203\145\201\133\203\136\203\130\217\360\214\2173", "\213\227\227\243\217\360\214\217"});
static_assert(CondKindNames.Count == 8);

// How a condition list combines its conditions
inline constexpr auto CondCombineNames = Names({"\221\123\202\304\202\314\217\360\214\217\202\252\220\136\202\310\202\347\220\254\227\247", "1\202\302\210\310\217\343\202\314\217\360\214\217\202\252\220\136\202\310\202\347\220\254\227\247"});
static_assert(CondCombineNames.Count == 2);

// Whom a distance condition measures to
inline constexpr auto DistanceSubjectNames =
    Names({"\216\345\220\154\214\366", "\203\136\201\133\203\121\203\142\203\1471", "\203\136\201\133\203\121\203\142\203\1472", "\203\136\201\133\203\121\203\142\203\1473", "\203\136\201\133\203\121\203\142\203\1474"});
static_assert(DistanceSubjectNames.Count == 5);

// How a distance condition measures
inline constexpr auto DistanceAxisNames = Names({"\211\241", "\221\117", "\214\343", "\217\143", "\221\117Y", "\214\343Y", "\211\176"});
static_assert(DistanceAxisNames.Count == 7);

// Inside or outside the distance
inline constexpr auto DistanceRangeNames = Names({"\210\310\223\340", "\212\117"});
static_assert(DistanceRangeNames.Count == 2);

// Whether something is shown: never, always, only in test play
inline constexpr auto CondDisplayNames = Names({"\225\134\216\246\202\265\202\310\202\242", "\225\134\216\246\202\267\202\351", "\203\145\203\130\203\147\203\166\203\214\203\103\216\236\202\314\202\335\225\134\216\246"});
static_assert(CondDisplayNames.Count == 3);

// Who controls a character (0 player, 1 computer)
inline constexpr auto ControlNames = Names({"\203\166\203\214\203\103\203\204\201\133", "\203\122\203\223\203\163\203\205\201\133\203\136\201\133"});
static_assert(ControlNames.Count == 2);

// A single value "1"
inline constexpr auto OneNames = Names({"1"});
static_assert(OneNames.Count == 1);

// The status flag "飛行" (values 0 to 3); no terminator
inline constexpr auto FlyNames = NamesWithoutTerminator(
    {"OFF", "ON (\203\165\203\215\203\142\203\116\202\360\202\267\202\350\224\262\202\257\202\351)", "ON (\203\165\203\215\203\142\203\116\202\311\223\226\202\275\202\351)", "ON (\203\165\203\215\203\142\203\116\202\311\223\226\202\275\202\351\202\306\221\246\216\200)"});
static_assert(FlyNames.Count == 4);

// The status flag "無敵" (values 0 to 2)
inline constexpr auto InvincibleNames = Names({"OFF", "ON (\203\126\203\207\203\142\203\147\202\252\223\226\202\275\202\351)", "ON (\203\126\203\207\203\142\203\147\202\252\202\267\202\350\224\262\202\257\202\351)"});
static_assert(InvincibleNames.Count == 3);

// A plain switch
inline constexpr auto SwitchNames3 = Names({"OFF", "ON"});
static_assert(SwitchNames3.Count == 2);

// The status flag "巨大化": 0 off, then area factors 4 to 100 (scale 2 to 10)
inline constexpr auto GiantNames =
    Names({"\202\265\202\310\202\242", "\201\1764", "\201\1769", "\201\17616", "\201\17625", "\201\17636", "\201\17649", "\201\17664", "\201\17681", "\201\176100"});
static_assert(GiantNames.Count == 10);

// The enlargement factors without "しない"
inline constexpr auto GiantSizeNames = Names({"\201\1764", "\201\1769", "\201\17616", "\201\17625", "\201\17636", "\201\17649", "\201\17664", "\201\17681", "\201\176100"});
static_assert(GiantSizeNames.Count == 9);

// The shape of a character's sight range
inline constexpr auto SightShapeNames = Names({"\211\346\226\312\223\340\221\123\202\304", "\203\114\203\203\203\211\202\360\222\206\220\123\202\306\202\265\202\275\211\176\214\140", "\203\114\203\203\203\211\202\314\221\117\225\373\202\311\211\176\214\140",
                                               "\203\114\203\203\203\211\202\360\222\206\220\123\202\306\202\265\202\275\220\263\225\373\214\140", "\203\114\203\203\203\211\202\314\221\117\225\373\202\311\220\263\225\373\214\140"});
static_assert(SightShapeNames.Count == 5);

// Which hit range a test uses
inline constexpr auto HitRangeNames =
    Names({"\203\114\203\203\203\211\221\316\203\114\203\203\203\211\202\314\223\226\202\275\202\350\224\273\222\350\224\315\210\315\201\151\220\204\217\247\201\152", "\203\114\203\203\203\211\221\316\203\126\203\207\203\142\203\147\202\314\223\226\202\275\202\350\224\273\222\350\224\315\210\315",
           "\203\126\203\207\203\142\203\147\221\316\203\114\203\203\203\211\202\314\223\226\202\275\202\350\224\273\222\350\224\315\210\315", "32\201\17632"});
static_assert(HitRangeNames.Count == 4);

// Where a character stays active
inline constexpr auto ActiveAreaNames = Names({"\211\346\226\312\223\340", "X\215\300\225\127\202\314\202\335\211\346\226\312\223\340", "Y\215\300\225\127\202\314\202\335\211\346\226\312\223\340", "\221\123\224\315\210\315"});
static_assert(ActiveAreaNames.Count == 4);

// How range and group decide activation
inline constexpr auto ActivationNames =
    Names({"\224\315\210\315\202\251\203\117\203\213\201\133\203\166\202\252\220\136\202\310\202\347\220\254\227\247", "\210\352\223\170\224\315\210\315\202\251\203\117\203\213\201\133\203\166\202\252\220\136\202\311\202\310\202\351\202\306\201\101\210\310\214\343\226\263\217\360\214\217\202\305\220\254\227\247",
           "\224\315\210\315\202\306\203\117\203\213\201\133\203\166\202\252\213\125\202\310\202\347\220\254\227\247"});
static_assert(ActivationNames.Count == 3);

// A letter slot: "-" then A to Z
inline constexpr auto UpperLetterNames =
    Names({"-", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
           "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"});
static_assert(UpperLetterNames.Count == 27);

// A letter slot: "全て" then A to Z
inline constexpr auto UpperLetterAllNames =
    Names({"\221\123\202\304", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
           "N",    "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"});
static_assert(UpperLetterAllNames.Count == 27);

// A letter slot: "-" then a to z
inline constexpr auto LowerLetterNames =
    Names({"-", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m",
           "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z"});
static_assert(LowerLetterNames.Count == 27);
