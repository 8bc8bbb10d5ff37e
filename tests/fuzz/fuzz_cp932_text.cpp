// Code page 932 text and file names: conversions both ways, cutting without
// splitting a character, and the file-name helpers on 260-byte buffers.
#include "FuzzCheck.h"

#include "foundation/FileNames.h"
#include "platform/Cp932.h"

#include <cstring>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);

    std::string utf8;
    if (Cp932ToUtf8(text, utf8)) {
        std::string back;
        FuzzRequire(Utf8ToCp932(utf8, back), "converted CP932 text does not convert back");
        // Some characters have two CP932 codes (NEC and IBM rows), so the bytes may
        // change; the characters may not.
        std::string again;
        FuzzRequire(Cp932ToUtf8(back, again) && again == utf8,
                    "CP932 text changes on a round trip through UTF-8");
    }
    std::string cp932;
    if (Utf8ToCp932(text, cp932)) {
        std::string back;
        FuzzRequire(Cp932ToUtf8(cp932, back), "converted UTF-8 text does not convert back");
    }
    (void)Cp932ToUtf8(text);
    (void)Utf8ToCp932(text);

    for (std::size_t max : {std::size_t{0}, std::size_t{1}, size / 2, size}) {
        std::size_t n = Cp932SafeLength(text, max);
        FuzzRequire(n <= max && n <= size, "a safe length longer than allowed");
        std::string cut(text);
        TruncateCp932(cut, max);
        FuzzRequire(cut.size() <= max, "a cut text longer than allowed");
    }

    // The file-name helpers, on the string and on the fixed-buffer forms.
    std::string path(text);
    std::string out;
    (void)FileNamePos(path);
    (void)ExtensionDotPos(path);
    (void)ReplaceExtension(out, path, "stg4");
    (void)ReplaceExtension(out, path, nullptr);
    (void)GetExtension(out, path);
    (void)MakeNumberedFileName(out, path, 12);
    std::string name = path;
    PathToFileName(name);
    RemoveExtensionStr(name);

    char buffer[kMaxPath];
    char result[kMaxPath];
    std::memset(buffer, 0, sizeof buffer);
    std::memcpy(buffer, data, size < sizeof buffer ? size : sizeof buffer); // may lack a terminator
    (void)ReplaceExtension(result, buffer, "rkg");
    (void)GetExtension(result, buffer);
    (void)MakeNumberedFileName(result, buffer, 999);
    char copy[kMaxPath];
    std::memcpy(copy, buffer, sizeof copy);
    RemoveExtension(copy);
    PathToFileName(copy);
    return 0;
}
