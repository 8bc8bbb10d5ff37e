#include "project/PaletteContext.h"

#include "records/EdChara.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(PaletteScope, AnswersForItsOwnThreadOnlyAndNests) {
    DefaultRecordContext().Clear(3);
    cVector<cEdChara> table(4);
    cRecordContext* outside = &RecordContext();
    {
        cPaletteScope scope;
        scope.SetTables(ePalette::Stage, {nullptr, &table, nullptr});
        EXPECT_EQ(&RecordContext(), &scope);
        EXPECT_EQ(RecordContext().PaletteCharaCount(ePalette::Stage), 4);
        EXPECT_EQ(RecordContext().PaletteChara(ePalette::Stage, 3), &table[3]);
        EXPECT_EQ(RecordContext().PaletteChara(ePalette::Stage, 4), nullptr);
        EXPECT_EQ(RecordContext().PaletteCharaCount(ePalette::Common), 0); // passed on
        EXPECT_EQ(RecordContext().DatabaseSize(eDatabase::Bgm), 3);
        std::thread([&] { EXPECT_EQ(&RecordContext(), outside); }).join();
        {
            cPaletteScope inner;
            inner.SetLoading(ePalette::Stage);
            EXPECT_EQ(RecordContext().PaletteChara(ePalette::Stage, 1), nullptr);
            EXPECT_GT(RecordContext().PaletteCharaCount(ePalette::Stage), 1'000'000);
        }
        EXPECT_EQ(&RecordContext(), &scope);
    }
    EXPECT_EQ(&RecordContext(), outside);
    DefaultRecordContext().Clear();
}

} // namespace
