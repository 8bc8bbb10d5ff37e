#include "foundation/WindowSupport.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<cCtrl*> released;

void Release(cCtrl* c) {
    released.push_back(c);
}

TEST(WindowSupport, AtTheEndEveryControlEntryIsErasedThenBothListsAreFreed) {
    released.clear();
    auto* a = reinterpret_cast<cCtrl*>(0x10);
    auto* b = reinterpret_cast<cCtrl*>(0x20);
    auto* c = reinterpret_cast<cCtrl*>(0x30);
    {
        cWndList list;
        EXPECT_TRUE(list.m_WndList.empty());
        EXPECT_TRUE(list.m_CtrlList.empty());
        list.AddWindow(reinterpret_cast<cWnd*>(0x40));
        list.AddControl(a, Release);
        list.AddControl(b); // nothing to release
        list.AddControl(c, Release);
        list.RemoveControl(c);
        EXPECT_EQ(list.m_CtrlList.size(), 2u);
    }
    EXPECT_EQ(released, std::vector<cCtrl*>{a});
}

} // namespace
