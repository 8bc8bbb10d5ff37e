#include "RecordFixtures.h"
#include "records/EdBlock.h"
#include "records/EdChara.h"
#include "records/EdItem.h"

#include <gtest/gtest.h>

namespace {

using HostileBytes = RecordTest;

// Deterministic byte changes of a good file: every variant loads or is
// refused, and nothing reads outside the bytes or allocates beyond them.
template <class T> void Mutate(const std::vector<std::uint8_t>& good, int rounds) {
    std::uint32_t x = 12345;
    auto rnd = [&x] {
        x = x * 214013u + 2531011u;
        return (x >> 16) & 0x7FFF;
    };
    for (int r = 0; r < rounds; ++r) {
        std::vector<std::uint8_t> bytes = good;
        const int changes = 1 + static_cast<int>(rnd() % 4);
        for (int c = 0; c < changes; ++c) {
            const std::size_t at = 4 + rnd() % (bytes.size() - 4);
            bytes[at] = static_cast<std::uint8_t>(rnd() % 3 == 0 ? 0xFF : rnd());
        }
        T record;
        record.LoadFromBytes(bytes);
        record.SaveToBytes();
    }
}

TEST_F(HostileBytes, ChangedDefinitionFilesNeverCrash) {
    cEdChara c;
    c.Name = "hostile";
    c.Conds.resize(2);
    c.Flows.resize(2);
    for (auto& f : c.Flows) {
        f.bySet1 = 1;
        f.vStartCond.resize(1);
        f.vKeyCond.resize(1);
        f.vKeyCond[0].KeyStates = {1, 2};
        f.vCmd.resize(3);
        f.vCmd[0].cKind = 19;
        f.vCmd[1].cKind = 11;
        ResetShared(f.vCmd[1].pShot);
        ResetShared(f.vCmd[1].pMove);
        f.vCmd[2].cKind = 16;
        ResetShared(f.vCmd[2].pCondList);
        f.vCmd[2].pCondList->vCond.resize(1);
        f.vCmd[2].vFlow.resize(1);
        f.vCmd[2].vFlow[0].bySet1 = 1;
    }
    Mutate<cEdChara>(c.SaveToBytes(), 3000);

    cEdItem i;
    i.Commands.resize(2);
    i.Commands[1].cKind = 12;
    ResetShared(i.Commands[1].pShot);
    Mutate<cEdItem>(i.SaveToBytes(), 1000);

    cEdBlock b;
    b.GraphicIndex = 1;
    b.Conds.resize(1);
    Mutate<cEdBlock>(b.SaveToBytes(), 1000);
}

} // namespace
