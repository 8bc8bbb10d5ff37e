#include "project/ScreenWords.h"

#include "platform/Cp932.h"
#include "project/SystemData.h"

#include <algorithm>

const char* const kDefaultTitleMenu[kTitleMenuCount] = {
    "\202\315\202\266\202\337\202\251\202\347", "\202\302\202\303\202\253\202\251\202\347", "\203\140\203\203\203\214\203\223\203\127", "\203\164\203\212\201\133", "\203\212\203\166\203\214\203\103", "\203\111\203\166\203\126\203\207\203\223", "\202\265\202\343\202\244\202\350\202\345\202\244",
};

const char* const kDefaultSaveMenu[kSaveMenuCount] = {"\203\132\201\133\203\165", "\203\111\201\133\203\147\203\132\201\133\203\165", "\202\340\202\307\202\351", "\203\136\203\103\203\147\203\213\202\326"};

const char* const kDefaultOptionMenu[kOptionMenuCount] = {
    "BGM", "SE", "\203\211\203\223\203\114\203\223\203\117\223\157\230\136", "\203\211\203\223\203\114\203\223\203\117\223\157\230\136\226\274", "\202\340\202\307\202\351", "",
};

const char* const kDefaultRankingModeNames[kRankingModeCount] = {
    "\216\350\223\256\223\157\230\136\201\151\223\157\230\136\226\274\223\374\227\315\201\152",
    "\216\350\223\256\223\157\230\136\201\151\223\157\230\136\226\274\214\305\222\350\201\152",
    "\216\251\223\256\223\157\230\136\201\151\223\157\230\136\226\274\223\374\227\315\201\152",
    "\216\251\223\256\223\157\230\136\201\151\223\157\230\136\226\274\214\305\222\350\201\152",
};

const char* const kDefaultScreenWords[kScreenWordCount] = {
    "\203\217\201\133\203\213\203\150",
    "\203\130\203\145\201\133\203\127",
    "\203\130\203\122\203\101",
    "\203\156\203\103\203\130\203\122\203\101",
    "\203\147\201\133\203\136\203\213\203\130\203\122\203\101",
    "\203\130\203\122\203\101",
    "\216\143\202\350\216\236\212\324",
    "\203\116\203\212\203\101\216\236\212\324",
    "\216\143\202\350HP",
    "\216\143\202\350SP",
    "\203\130\203\145\201\133\203\127\202\311\222\247\202\336",
    "\202\342\202\301\202\317\202\350\202\342\202\337\202\351",
    "\203\132\201\133\203\165\202\267\202\351",
    "\202\342\202\301\202\317\202\350\202\342\202\337\202\351",
    "\203\111\201\133\203\147\203\132\201\133\203\165\202\156\202\155",
    "\203\111\201\133\203\147\203\132\201\133\203\165\202\156\202\145\202\145",
    "\225\333\221\266\220\346\202\252\225\163\226\276\202\305\202\267\201\111\210\352\223\170\202\315\201\165\203\132\201\133\203\165\201\166\202\265\202\304\211\272\202\263\202\242\201\111",
    "\203\136\203\103\203\147\203\213\202\326\226\337\202\351",
    "\202\342\202\301\202\317\202\350\202\342\202\337\202\351",
    "\202\265\202\343\202\244\202\350\202\345\202\244",
    "\202\302\202\303\202\257\202\351",
    "\203\212\203\147\203\211\203\103",
    "", // a new project's fourth pause item is empty
    "\203\212\203\147\203\211\203\103",
    "\203\175\203\142\203\166\202\326\226\337\202\351",
    "V\203\114\201\133\202\305\203\127\203\203\203\223\203\213\202\314\220\330\202\350\221\326\202\246",
    "\203\130\203\171\201\133\203\130\203\114\201\133\202\305\203\136\203\103\203\147\203\213\202\326\226\337\202\351",
    "\203\130\203\171\201\133\203\130\203\114\201\133\202\305\217\111\227\271",
    "F3\203\114\201\133\202\305\203\211\203\223\203\114\203\223\203\117\202\326\223\157\230\136",
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

std::int32_t GetWordMenuX(const cVector<std::string>& words, std::int32_t x, std::int32_t first,
                          std::int32_t n, std::int32_t cursor) {
    std::int32_t longest = 0;
    for (std::int32_t i = 0; i < n; ++i) longest = std::max(longest, CountTextChars(words.At(first + i)));
    std::int32_t columns = longest + (cursor ? 1 : 0);
    return x - (columns * 16) / 2;
}

std::int32_t GetWordMenuX(std::int32_t x, std::int32_t first, std::int32_t n, std::int32_t cursor) {
    return GetWordMenuX(SystemData.Words, x, first, n, cursor);
}
