#include "foundation/Containers.h"

#include "fixtures/ReadAll.h"
#include "fixtures/TempDir.h"
#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "foundation/KeyConfig.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

TEST(CheckedAccess, BadVectorIndexLogsPostsCloseAndProtectsElementZero) {
    TempDir dir;
    SetErrorLog(true, "EC_Game.txt");
    SetReportFile("Report_Game.txt");
    // A record the program keeps in checked vectors; the line gives its size in this program.
    cVector<KEYCONFIGDATA> v(3);
    v[0].dwCount = 77;
    auto before = MainWindowCloseRequests();
    KEYCONFIGDATA& got = v.At(-1);
    EXPECT_EQ(got.dwCount, 77); // reads see element 0's value
    got.dwCount = 1;            // but writes do not reach it
    EXPECT_EQ(v[0].dwCount, 77);
    EXPECT_EQ(MainWindowCloseRequests(), before + 1);
    v.At(3);
    EXPECT_EQ(MainWindowCloseRequests(), before + 2);
    const std::string size = std::to_string(sizeof(KEYCONFIGDATA));
    const std::string lines = "err V[-1] ( 3 , " + size + " )\nerr V[3] ( 3 , " + size + " )\n";
    EXPECT_EQ(ReadAll("EC_Game.txt"), lines);
    EXPECT_EQ(ReadAll("Report_Game.txt"), lines);

    cVector<int> empty;
    EXPECT_NO_THROW(empty.At(0) = 5);
    EXPECT_EQ(empty.size(), 0u);
    EXPECT_NE(ReadAll("EC_Game.txt").find("err V[0] ( 0 , 4 )"), std::string::npos);

    struct Entry {
        char b[48];
    };
    cList<Entry> list(2);
    Entry& e = list.At(2);
    EXPECT_EQ(e.b[0], 0);
    EXPECT_NE(ReadAll("EC_Game.txt").find("err L[2] ( 2 , 48 )"), std::string::npos);
    SetErrorLog(false, "");
}

TEST(CheckedAccess, GoodIndicesAndIterAt) {
    cVector<int> v{1, 2, 3};
    v.At(2) = 9;
    EXPECT_EQ(v[2], 9);
    v.Fill(4);
    EXPECT_EQ(v, (cVector<int>{4, 4, 4}));
    cList<int> l{5, 6, 7};
    EXPECT_EQ(l.At(1), 6);
    EXPECT_EQ(*l.IterAt(-3), 5);
    EXPECT_EQ(*l.IterAt(2), 7);
}

} // namespace
