// What the definition records need to know about the world around them: the
// sizes of the ten databases and of the palette tables (references are
// clamped against them), the template definitions of both palettes
// (inheritance), the durations of a sword type's frames, and the few settings
// they consult (the keep-flows switch of System.dat, whether the editor
// started the program, the play mode). The project and the play scene provide
// the real answers; until then, and in tests, a settable default serves.
#pragma once

#include "foundation/Containers.h"
#include "platform/Seam.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class cEdChara;
class cEdItem;
class cEdBlock;

enum class eDatabase : int {
    AnimeSet,
    Anime,
    Bmp_CharaExc,
    SwordType,
    Effect,
    CharaEffect,
    ScrEffect,
    Picture,
    Sound,
    Bgm,
};
constexpr int kDatabaseCount = 10;

// The two palettes that hold template definitions.
enum class ePalette : int { Common, Stage };

// A definition's `PaletteSource` (0 none, 1 common, 2 stage) as a palette.
std::optional<ePalette> PaletteFromSource(int source);

// True when `index` lies outside a table of `count` entries: negative, or not
// below the count (an empty table has no valid index).
inline bool OutsideTable(std::int64_t index, std::int64_t count) {
    return index < 0 || index >= count;
}

// The play mode in which a replay is being played back.
constexpr std::int32_t kPlayModeReplay = 4;

class cRecordContext {
public:
    virtual ~cRecordContext() = default;

    virtual std::int64_t DatabaseSize(eDatabase db) const = 0;
    // Durations of the entries of one sword type, in entry order (empty when
    // the index is outside the SwordType database).
    virtual std::vector<std::int32_t> SwordTypeDurations(std::int64_t index) const = 0;

    virtual std::int64_t PaletteCharaCount(ePalette palette) const = 0;
    virtual std::int64_t PaletteItemCount(ePalette palette) const = 0;
    virtual std::int64_t PaletteBlockCount(ePalette palette) const = 0;
    // The template at an index, or none when the index is outside the table.
    virtual const cEdChara* PaletteChara(ePalette palette, std::int64_t index) const = 0;
    virtual const cEdItem* PaletteItem(ePalette palette, std::int64_t index) const = 0;
    virtual const cEdBlock* PaletteBlock(ePalette palette, std::int64_t index) const = 0;

    // System.dat's keep-flows switch: flows marked for dropping stay.
    virtual bool KeepFlows() const = 0;
    // The editor started the program (a test play).
    virtual bool EditorStarted() const = 0;
    virtual std::int32_t PlayMode() const = 0;
};

// A read-only view of one palette table; built where the element type is
// complete, so this header needs only its name.
template <class T> class cTableView {
public:
    cTableView() = default;
    explicit cTableView(const cVector<T>& table)
        : table_(&table), size_([](const void* t) { return static_cast<std::int64_t>(Of(t).size()); }),
          at_([](const void* t, std::int64_t i) -> const T* { return &Of(t)[static_cast<std::size_t>(i)]; }) {
    }

    std::int64_t Size() const { return table_ ? size_(table_) : 0; }
    const T* At(std::int64_t index) const {
        return OutsideTable(index, Size()) ? nullptr : at_(table_, index);
    }

private:
    static const cVector<T>& Of(const void* t) { return *static_cast<const cVector<T>*>(t); }
    const void* table_ = nullptr;
    std::int64_t (*size_)(const void*) = nullptr;
    const T* (*at_)(const void*, std::int64_t) = nullptr;
};

// A context whose answers are plain members: the default until the project
// installs its own, and what tests set.
class cDefaultRecordContext : public cRecordContext {
public:
    std::array<std::int64_t, kDatabaseCount> databaseSizes{};
    std::vector<std::vector<std::int32_t>> swordTypeDurations;
    // Palette tables by palette (common, stage); an unset view is an empty table.
    std::array<cTableView<cEdChara>, 2> charaTables{};
    std::array<cTableView<cEdItem>, 2> itemTables{};
    std::array<cTableView<cEdBlock>, 2> blockTables{};
    bool keepFlows = false;
    bool editorStarted = false;
    std::int32_t playMode = 0;

    // Every database of the same size, no palettes, no settings.
    void Clear(std::int64_t databaseSize = 0);
    void SetDatabaseSize(eDatabase db, std::int64_t n) { databaseSizes[static_cast<int>(db)] = n; }

    std::int64_t DatabaseSize(eDatabase db) const override;
    std::vector<std::int32_t> SwordTypeDurations(std::int64_t index) const override;
    std::int64_t PaletteCharaCount(ePalette palette) const override;
    std::int64_t PaletteItemCount(ePalette palette) const override;
    std::int64_t PaletteBlockCount(ePalette palette) const override;
    const cEdChara* PaletteChara(ePalette palette, std::int64_t index) const override;
    const cEdItem* PaletteItem(ePalette palette, std::int64_t index) const override;
    const cEdBlock* PaletteBlock(ePalette palette, std::int64_t index) const override;
    bool KeepFlows() const override { return keepFlows; }
    bool EditorStarted() const override { return editorStarted; }
    std::int32_t PlayMode() const override { return playMode; }
};

// The context in effect. Set once before anything loads; SetRecordContext
// (nullptr) goes back to the default.
cRecordContext& RecordContext();
void SetRecordContext(cRecordContext* context);
using cScopedRecordContext = cScopedSeam<cRecordContext, RecordContext, SetRecordContext>;
cDefaultRecordContext& DefaultRecordContext();
// A context for the calling thread only, ahead of the one in effect (a loader
// that answers with the tables it is filling); null removes it. Returns the
// thread's previous one.
cRecordContext* SetThreadRecordContext(cRecordContext* context);
