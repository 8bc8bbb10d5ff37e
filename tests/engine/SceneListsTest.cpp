#include "fixtures/EngineHarness.h"

#include "engine/SceneLists.h"

#include <algorithm>

namespace {

using SceneLists = EngineTest;

TEST_F(SceneLists, AMarkedCharacterLeavesAfterTheWalkWithItsLinks) {
    AddHero(Def(), 2, 5);
    cNpcChara& a = AddNpc(Def(), 4, 5);
    cNpcChara& b = AddNpc(Def(), 6, 5);
    b.SetTarget(1, &a);
    const std::int32_t idB = b.nId;
    // Marked during a walk: nothing is erased under the walker.
    for (cNpcChara& c : scene().CharaList)
        if (c.nId == a.nId) MarkCharaRemoved(c);
    ASSERT_EQ(scene().CharaList.size(), 2u);
    RemoveMarkedCharas();
    ASSERT_EQ(scene().CharaList.size(), 1u);
    EXPECT_EQ(scene().CharaList.front().nId, idB);
    EXPECT_EQ(b.TargetAt(1), nullptr);
    EXPECT_EQ(hero.BackLinks.size(), 2u); // its own and b's: a's went with it
    const cList<cChara*>& faction = scene().FactionCharas.At(b.nGroup);
    EXPECT_EQ(std::count(faction.begin(), faction.end(), static_cast<cChara*>(&b)), 1);
    EXPECT_EQ(faction.size(), 2u); // the hero and b
}

TEST_F(SceneLists, PicturesAreErasedAndInsertedByPosition) {
    auto picture = [](std::uint16_t id) {
        cPictureState p;
        p.wPictureId = id;
        return p;
    };
    auto ids = [this] {
        std::vector<int> v;
        for (const cPictureState& p : scene().Pictures) v.push_back(p.wPictureId);
        return v;
    };
    InsertPictureAt(0, picture(1));
    InsertPictureAt(5, picture(3)); // past the end: appended
    InsertPictureAt(1, picture(2));
    InsertPictureAt(-2, picture(0));
    EXPECT_EQ(ids(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(ErasePictureAt(9), scene().Pictures.end());
    EXPECT_EQ(ids(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(ErasePictureAt(1)->wPictureId, 2);
    EXPECT_EQ(ids(), (std::vector<int>{0, 2, 3}));
}

} // namespace
