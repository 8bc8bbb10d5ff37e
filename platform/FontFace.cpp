#include "platform/FontFace.h"

#include "platform/Cp932.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

namespace {

// Windows faces and the family fontconfig is asked for in their place.
struct FaceAlias {
    const char8_t* windowsName;
    const char* family;
};

bool Equals(const std::string& utf8, const char8_t* name) {
    return utf8 == reinterpret_cast<const char*>(name);
}

bool Contains(const std::string& utf8, const char8_t* part) {
    return utf8.find(reinterpret_cast<const char*>(part)) != std::string::npos;
}

constexpr FaceAlias kAliases[] = {
    {u8"ＭＳ ゴシック", "IPAGothic"},
    {u8"MS Gothic", "IPAGothic"},
    {u8"ＭＳ Ｐゴシック", "IPAPGothic"},
    {u8"MS PGothic", "IPAPGothic"},
    {u8"MS UI Gothic", "IPAPGothic"},
    {u8"メイリオ", "IPAPGothic"},
    {u8"Meiryo", "IPAPGothic"},
    {u8"ＭＳ 明朝", "IPAMincho"},
    {u8"MS Mincho", "IPAMincho"},
    {u8"ＭＳ Ｐ明朝", "IPAPMincho"},
    {u8"MS PMincho", "IPAPMincho"},
    {u8"System", "IPAPGothic"},
    {u8"Terminal", "monospace"},
    {u8"FixedSys", "monospace"},
    {u8"Courier", "monospace"},
    {u8"Courier New", "monospace"},
    {u8"Lucida Console", "monospace"},
    {u8"Times New Roman", "serif"},
    {u8"Georgia", "serif"},
    {u8"Book Antiqua", "serif"},
    {u8"Century", "serif"},
    {u8"Garamond", "serif"},
    {u8"Palatino Linotype", "serif"},
    {u8"MS Serif", "serif"},
    {u8"Roman", "serif"},
    {u8"Arial", "sans-serif"},
    {u8"Tahoma", "sans-serif"},
    {u8"Verdana", "sans-serif"},
    {u8"MS Sans Serif", "sans-serif"},
    {u8"Microsoft Sans Serif", "sans-serif"},
    {u8"Trebuchet MS", "sans-serif"},
    {u8"Century Gothic", "sans-serif"},
};

// Windows families of the HG faces: gothic or mincho by their name.
const char* HgFamily(const std::string& utf8) {
    if (utf8.rfind("HG", 0) != 0) return nullptr;
    const bool proportional = utf8.size() > 2 && utf8[2] == 'P';
    const bool mincho = Contains(utf8, u8"明朝") || Contains(utf8, u8"教科書") || Contains(utf8, u8"行書") ||
                        Contains(utf8, u8"楷書");
    if (mincho) return proportional ? "IPAPMincho" : "IPAMincho";
    return proportional ? "IPAPGothic" : "IPAGothic";
}

std::string MatchFamily(const char* family) {
    std::string file;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    if (!pattern) return file;
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    if (match) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path)
            file = reinterpret_cast<const char*>(path);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return file;
}

std::mutex& LibraryMutex() {
    static std::mutex m;
    return m;
}

// One FreeType library for the program; faces are used by one drawing thread
// at a time, but opening them may happen on another.
FT_Library Library() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) l = nullptr;
        return l;
    }();
    return lib;
}

// Starts fontconfig once; its state is freed when the program exits, after
// every lookup (nothing looks fonts up while the program ends).
bool StartFontconfig() {
    static const bool started = [] {
        if (!FcInit()) return false;
        std::atexit([] { FcFini(); });
        return true;
    }();
    return started;
}

char32_t DecodeUtf8(const std::string& s) {
    if (s.empty()) return 0;
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    if (b(0) < 0x80) return b(0);
    if ((b(0) & 0xE0) == 0xC0 && s.size() >= 2) return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    if ((b(0) & 0xF0) == 0xE0 && s.size() >= 3)
        return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    if ((b(0) & 0xF8) == 0xF0 && s.size() >= 4)
        return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
    return 0;
}

} // namespace

std::string FindFontFile(const std::string& faceNameCp932) {
    const std::string utf8 = Cp932ToUtf8(faceNameCp932);
    const char* family = nullptr;
    for (const FaceAlias& a : kAliases)
        if (Equals(utf8, a.windowsName)) family = a.family;
    if (!family) family = HgFamily(utf8);
    std::lock_guard<std::mutex> lock(LibraryMutex());
    if (!StartFontconfig()) return {};
    return MatchFamily(family ? family : (utf8.empty() ? "IPAGothic" : utf8.c_str()));
}

char32_t Cp932CodePoint(unsigned code) {
    char bytes[2];
    std::size_t n = 0;
    if (code > 0xFF) bytes[n++] = static_cast<char>(code >> 8);
    bytes[n++] = static_cast<char>(code & 0xFF);
    std::string utf8;
    if (!Cp932ToUtf8(std::string_view(bytes, n), utf8)) return 0;
    return DecodeUtf8(utf8);
}

struct cFontFace::Impl {
    FT_Face face = nullptr;
    FT_Face fallback = nullptr; // IPA Gothic for characters the face lacks
    int height = 0, width = 0;
    int baseline = 0; // from the cell's top
    std::unordered_map<std::uint32_t, GlyphBitmap> glyphs;
    GlyphBitmap scratch; // a glyph rendered once the cache is full

    ~Impl() { Close(); }
    void Close() {
        std::lock_guard<std::mutex> lock(LibraryMutex());
        if (fallback && fallback != face) FT_Done_Face(fallback);
        if (face) FT_Done_Face(face);
        face = fallback = nullptr;
        glyphs.clear();
    }

    // Scales a face so its cell (ascender + descender) is `height` pixels.
    bool Size(FT_Face f) {
        const int units = f->units_per_EM > 0 ? f->units_per_EM : 1000;
        const int asc = f->ascender, desc = f->descender < 0 ? -f->descender : f->descender;
        const int cell = asc + desc > 0 ? asc + desc : units;
        const FT_UInt em = static_cast<FT_UInt>(std::max(1L, std::lround(double(height) * units / cell)));
        FT_UInt emWidth = em;
        if (width > 0) emWidth = static_cast<FT_UInt>(width * 2); // a half-width character is half an em
        if (FT_Set_Pixel_Sizes(f, emWidth, em) != 0) {
            if (!FT_IS_SCALABLE(f) && f->num_fixed_sizes > 0) return FT_Select_Size(f, 0) == 0;
            return false;
        }
        if (f == face) baseline = static_cast<int>(std::lround(double(height) * asc / cell));
        return true;
    }

    void Render(FT_Face f, FT_UInt index, bool antialias, GlyphBitmap& out) {
        out = GlyphBitmap{};
        FT_Int32 flags = FT_LOAD_RENDER | (antialias ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO);
        if (!antialias) flags |= FT_LOAD_MONOCHROME;
        if (FT_Load_Glyph(f, index, flags) != 0) return;
        const FT_GlyphSlot g = f->glyph;
        out.advance = static_cast<int>((g->advance.x + 32) >> 6);
        out.left = g->bitmap_left;
        out.top = baseline - g->bitmap_top;
        out.width = static_cast<int>(g->bitmap.width);
        out.height = static_cast<int>(g->bitmap.rows);
        out.coverage.assign(static_cast<std::size_t>(out.width) * out.height, 0);
        for (int y = 0; y < out.height; ++y) {
            const unsigned char* row = g->bitmap.buffer + static_cast<std::ptrdiff_t>(y) * g->bitmap.pitch;
            for (int x = 0; x < out.width; ++x) {
                std::uint8_t v;
                if (g->bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
                    v = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
                else
                    v = row[x];
                out.coverage[static_cast<std::size_t>(y) * out.width + x] = v;
            }
        }
    }
};

cFontFace::cFontFace() : impl_(std::make_unique<Impl>()) {}
cFontFace::~cFontFace() = default;

bool cFontFace::Open(const std::string& faceNameCp932, int height, int width) {
    impl_->Close();
    height_ = height;
    file_.clear();
    if (height < 1) return false;
    impl_->height = height;
    impl_->width = width;
    std::string file = FindFontFile(faceNameCp932);
    std::string fallbackFile;
    {
        std::lock_guard<std::mutex> lock(LibraryMutex());
        if (StartFontconfig()) fallbackFile = MatchFamily("IPAGothic");
    }
    if (file.empty()) file = fallbackFile;
    std::lock_guard<std::mutex> lock(LibraryMutex());
    FT_Library lib = Library();
    if (!lib || file.empty()) return false;
    if (FT_New_Face(lib, file.c_str(), 0, &impl_->face) != 0) {
        impl_->face = nullptr;
        if (fallbackFile.empty() || FT_New_Face(lib, fallbackFile.c_str(), 0, &impl_->face) != 0) {
            impl_->face = nullptr;
            return false;
        }
        file = fallbackFile;
    }
    file_ = file;
    if (!impl_->Size(impl_->face)) return false;
    if (fallbackFile == file) {
        impl_->fallback = impl_->face;
    } else if (!fallbackFile.empty() && FT_New_Face(lib, fallbackFile.c_str(), 0, &impl_->fallback) == 0) {
        if (!impl_->Size(impl_->fallback)) {
            FT_Done_Face(impl_->fallback);
            impl_->fallback = nullptr;
        }
    } else {
        impl_->fallback = nullptr;
    }
    return true;
}

bool cFontFace::IsOpen() const {
    return impl_->face != nullptr;
}

std::string cFontFace::Family() const {
    return impl_->face && impl_->face->family_name ? impl_->face->family_name : "";
}

const GlyphBitmap& cFontFace::Glyph(unsigned code, bool antialias) {
    const std::uint32_t key = (code & 0xFFFF) | (antialias ? 0x10000u : 0);
    if (auto it = impl_->glyphs.find(key); it != impl_->glyphs.end()) return it->second;
    GlyphBitmap made;
    if (impl_->face) {
        const char32_t cp = Cp932CodePoint(code & 0xFFFF);
        FT_Face f = impl_->face;
        FT_UInt index = cp ? FT_Get_Char_Index(f, cp) : 0;
        if (!index && cp && impl_->fallback) {
            f = impl_->fallback;
            index = FT_Get_Char_Index(f, cp);
        }
        if (index) {
            impl_->Render(f, index, antialias, made);
        } else {
            // No glyph: the character still advances by its width.
            made.advance = (code > 0xFF) ? height_ : (height_ + 1) / 2;
        }
    }
    if (impl_->glyphs.size() >= kMaxCachedGlyphs) {
        impl_->scratch = std::move(made);
        return impl_->scratch;
    }
    return impl_->glyphs.emplace(key, std::move(made)).first->second;
}

int cFontFace::TextWidth(const char* text, int count) {
    int w = 0;
    for (int i = 0; text && i < count && text[i];) {
        unsigned code = static_cast<unsigned char>(text[i]);
        if (i + 1 < count && IsDoubleByteChar(text + i)) {
            code = (code << 8) | static_cast<unsigned char>(text[i + 1]);
            i += 2;
        } else {
            i += 1;
        }
        w += Glyph(code, false).advance;
    }
    return w;
}

std::size_t cFontFace::CachedGlyphs() const {
    return impl_->glyphs.size();
}
