#include "foundation/Containers.h"

#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "fixtures/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

std::string ReadAll(const std::string& name) {
    std::ifstream f(name);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

struct Big {
    char bytes[72] = {};
};

TEST(CheckedAccess, BadVectorIndexLogsPostsCloseAndProtectsElementZero) {
    TempDir dir;
    SetErrorLog(true, "EC_Game.txt");
    SetReportFile("Report_Game.txt");
    cVector<Big> v(3);
    v[0].bytes[0] = 'k';
    auto before = MainWindowCloseRequests();
    Big& got = v.At(-1);
    EXPECT_EQ(got.bytes[0], 'k'); // reads see element 0's value
    got.bytes[0] = 'X';           // but writes do not reach it
    EXPECT_EQ(v[0].bytes[0], 'k');
    EXPECT_EQ(MainWindowCloseRequests(), before + 1);
    v.At(3);
    EXPECT_EQ(MainWindowCloseRequests(), before + 2);
    EXPECT_EQ(ReadAll("EC_Game.txt"), "err V[-1] ( 3 , 72 )\nerr V[3] ( 3 , 72 )\n");
    EXPECT_EQ(ReadAll("Report_Game.txt"), "err V[-1] ( 3 , 72 )\nerr V[3] ( 3 , 72 )\n");

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
