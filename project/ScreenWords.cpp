#include "project/ScreenWords.h"

#include "platform/Cp932.h"
#include "project/SystemData.h"

#include <algorithm>

const char* const kDefaultTitleMenu[kTitleMenuCount] = {
    "はじめから", "つづきから", "チャレンジ", "フリー", "リプレイ", "オプション", "しゅうりょう",
};

const char* const kDefaultSaveMenu[kSaveMenuCount] = {"セーブ", "オートセーブ", "もどる", "タイトルへ"};

const char* const kDefaultOptionMenu[kOptionMenuCount] = {
    "BGM", "SE", "ランキング登録", "ランキング登録名", "もどる", "",
};

const char* const kDefaultRankingModeNames[kRankingModeCount] = {
    "手動登録（登録名入力）",
    "手動登録（登録名固定）",
    "自動登録（登録名入力）",
    "自動登録（登録名固定）",
};

const char* const kDefaultScreenWords[kScreenWordCount] = {
    "ワールド",
    "ステージ",
    "スコア",
    "ハイスコア",
    "トータルスコア",
    "スコア",
    "残り時間",
    "クリア時間",
    "残りHP",
    "残りSP",
    "ステージに挑む",
    "やっぱりやめる",
    "セーブする",
    "やっぱりやめる",
    "オートセーブＯＮ",
    "オートセーブＯＦＦ",
    "保存先が不明です！一度は「セーブ」して下さい！",
    "タイトルへ戻る",
    "やっぱりやめる",
    "しゅうりょう",
    "つづける",
    "リトライ",
    "", // a new project's fourth pause item is empty
    "リトライ",
    "マップへ戻る",
    "Vキーでジャンルの切り替え",
    "スペースキーでタイトルへ戻る",
    "スペースキーで終了",
    "F3キーでランキングへ登録",
};

void SetDefaultMenu(cVector<cCmd>& menu, const char* const* texts, std::size_t n) {
    menu.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        cCmd& item = menu.At(static_cast<std::int64_t>(i));
        item.bEnabled = 1;
        item.Text = texts[i];
    }
}

void SetDefaultWords(cVector<std::string>& words, const char* const* texts, std::size_t n) {
    words.resize(n);
    for (std::size_t i = 0; i < n; ++i) words.At(static_cast<std::int64_t>(i)) = texts[i];
}

void PadMenu(cVector<cCmd>& menu, const char* const* texts, std::size_t n) {
    std::size_t have = menu.size();
    menu.resize(std::max(have, n));
    for (std::size_t i = have; i < n; ++i) menu.At(static_cast<std::int64_t>(i)) = cCmd(1, texts[i]);
}

void PadWords(cVector<std::string>& words, const char* const* texts, std::size_t n) {
    std::size_t have = words.size();
    words.resize(std::max(have, n));
    for (std::size_t i = have; i < n; ++i) words.At(static_cast<std::int64_t>(i)) = texts[i];
}

std::int32_t CountTextChars(const std::string& text) {
    std::int32_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') continue;
        if (IsDoubleByteCharAt(text, i)) ++i;
        ++count;
    }
    return count;
}

std::int32_t WordMenuColumns(const cVector<std::string>& words, std::int32_t first, std::int32_t n,
                             std::int32_t cursor) {
    std::int32_t longest = 0;
    for (std::int32_t i = 0; i < n; ++i) longest = std::max(longest, CountTextChars(words.At(first + i)));
    return longest + (cursor ? 1 : 0);
}

std::int32_t GetWordMenuX(const cVector<std::string>& words, std::int32_t x, std::int32_t first,
                          std::int32_t n, std::int32_t cursor) {
    return x - (WordMenuColumns(words, first, n, cursor) * 16) / 2;
}

std::int32_t GetWordMenuX(std::int32_t x, std::int32_t first, std::int32_t n, std::int32_t cursor) {
    return GetWordMenuX(SystemData.Words, x, first, n, cursor);
}
