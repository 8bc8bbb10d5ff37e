#include "records/RecordContext.h"

#include <gtest/gtest.h>

namespace {

struct Dummy {
    int v = 0;
};

TEST(RecordContext, DefaultAnswersWhatTestsSetAndAnotherContextReplacesIt) {
    cDefaultRecordContext& def = DefaultRecordContext();
    def.Clear(5);
    def.SetDatabaseSize(eDatabase::Sound, 3);
    def.keepFlows = true;
    def.playMode = kPlayModeReplay;
    EXPECT_EQ(RecordContext().DatabaseSize(eDatabase::Anime), 5);
    EXPECT_EQ(RecordContext().DatabaseSize(eDatabase::Sound), 3);
    EXPECT_TRUE(RecordContext().KeepFlows());
    EXPECT_EQ(RecordContext().PlayMode(), kPlayModeReplay);
    EXPECT_EQ(RecordContext().PaletteCharaCount(ePalette::Stage), 0);
    EXPECT_EQ(RecordContext().PaletteChara(ePalette::Common, 0), nullptr);

    cDefaultRecordContext other;
    other.editorStarted = true;
    SetRecordContext(&other);
    EXPECT_TRUE(RecordContext().EditorStarted());
    EXPECT_EQ(RecordContext().DatabaseSize(eDatabase::Sound), 0);
    SetRecordContext(nullptr);
    EXPECT_FALSE(RecordContext().EditorStarted());
    def.Clear();
}

TEST(RecordContext, TableViewAndSourcesRefuseEveryIndexOutsideTheTable) {
    cVector<Dummy> table(3);
    table[2].v = 7;
    cTableView<Dummy> view(table);
    EXPECT_EQ(view.Size(), 3);
    ASSERT_NE(view.At(2), nullptr);
    EXPECT_EQ(view.At(2)->v, 7);
    EXPECT_EQ(view.At(3), nullptr);
    EXPECT_EQ(view.At(-1), nullptr);
    EXPECT_EQ(cTableView<Dummy>().At(0), nullptr);

    EXPECT_EQ(PaletteFromSource(1), ePalette::Common);
    EXPECT_EQ(PaletteFromSource(2), ePalette::Stage);
    EXPECT_FALSE(PaletteFromSource(0).has_value());
    EXPECT_FALSE(PaletteFromSource(-1).has_value());
    EXPECT_FALSE(PaletteFromSource(3).has_value());
}

} // namespace
