// The small text helpers beside the fonts, and the seed of the double-byte cache.
#include "graphics/Font.h"
#include "project/ScreenWords.h"

int GetCharCount(const char* text) {
    return text ? CountTextChars(text) : 0;
}

int GetLineLength(const char* text) {
    int n = 0;
    while (text && text[n] && text[n] != '\n') ++n;
    return n;
}

// Digits, punctuation, Latin letters, kana and a few symbols: what most game
// text is made of (ト stands twice, and each takes its own cell).
const char kFullCharSeed[] = "０１２３４５６７８９ー～、。．！？「」（）・…※→↑↓←＋－＝○●×ＡＢＣＤＥＦＧＨＩＪ"
                             "ＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ"
                             "ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚあいうえおかきくけこさしす"
                             "せそたちつてとなにぬねのはひふへほ"
                             "まみむめもやゆよらりるれろわをんがぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷ"
                             "ぺぽぁぃぅぇぉっゃゅょアイウエオ"
                             "カキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワ"
                             "ヲンガギグゲゴザジズゼゾダヂヅデ"
                             "トバビブベボヴパピプペポァィゥェォッャュョ□■☆★％＆＜＞：";
