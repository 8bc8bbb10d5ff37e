// Which palette tables the definition records see while a palette or a stage
// loads. A definition follows its template through the record context; during
// a load the context must answer with the tables of the object being loaded,
// never with the playing stage or a half-filled table.
#pragma once

#include "records/RecordContext.h"

class cEdBlock;
class cEdChara;
class cEdItem;

// The three tables of one palette.
struct cPaletteTables {
    const cVector<cEdBlock>* blocks = nullptr;
    const cVector<cEdChara>* charas = nullptr;
    const cVector<cEdItem>* items = nullptr;
};

// Installs, for its lifetime and for the calling thread only, a context that
// answers as the one in effect except for the palettes it is given:
// - a palette set to tables answers with those tables;
// - a palette marked as loading has no size limit, so that no reference into
//   it is dropped before the table is complete (the loader clamps them then),
//   and answers as templates only the entries already loaded into the tables
//   it is given (none when given none); a definition whose template is not
//   there yet copies nothing and keeps its reference as stored.
class cPaletteScope : public cRecordContext {
public:
    cPaletteScope();
    ~cPaletteScope() override;
    cPaletteScope(const cPaletteScope&) = delete;
    cPaletteScope& operator=(const cPaletteScope&) = delete;

    void SetTables(ePalette palette, const cPaletteTables& tables);
    void SetLoading(ePalette palette, const cPaletteTables& filling = {});

    std::int64_t DatabaseSize(eDatabase db) const override { return base_->DatabaseSize(db); }
    std::vector<std::int32_t> SwordTypeDurations(std::int64_t index) const override {
        return base_->SwordTypeDurations(index);
    }
    std::int64_t PaletteCharaCount(ePalette palette) const override;
    std::int64_t PaletteItemCount(ePalette palette) const override;
    std::int64_t PaletteBlockCount(ePalette palette) const override;
    const cEdChara* PaletteChara(ePalette palette, std::int64_t index) const override;
    const cEdItem* PaletteItem(ePalette palette, std::int64_t index) const override;
    const cEdBlock* PaletteBlock(ePalette palette, std::int64_t index) const override;
    bool KeepFlows() const override { return base_->KeepFlows(); }
    bool EditorStarted() const override { return base_->EditorStarted(); }
    std::int32_t PlayMode() const override { return base_->PlayMode(); }

private:
    enum class eMode { Base, Tables, Loading };
    struct Slot {
        eMode mode = eMode::Base;
        cPaletteTables tables;
    };
    const Slot& SlotOf(ePalette palette) const { return slots_[static_cast<int>(palette)]; }

    cRecordContext* base_;
    cRecordContext* previous_;
    Slot slots_[2];
};
