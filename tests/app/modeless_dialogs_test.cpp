#include "app/frame/modeless_dialogs.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ModelessDialogs : testing::Test {
    void TearDown() override { ClearModelessDialogs(); }
};

std::vector<void*> OpenDialogs() {
    std::vector<void*> seen;
    ForEachOpenModelessDialog([&](void* w) {
        seen.push_back(w);
        return false;
    });
    return seen;
}

}  // namespace

TEST_F(ModelessDialogs, SameHolderTwiceGivesOneNode) {
    void* titration = reinterpret_cast<void*>(0x10);
    EXPECT_EQ(AddModelessDialog(&titration), AddModelessDialog(&titration));
    EXPECT_EQ(OpenDialogs().size(), 1u);
}

TEST_F(ModelessDialogs, ClosedDialogStaysListedButGetsNothing) {
    void* splash = reinterpret_cast<void*>(0x20);
    void* titration = reinterpret_cast<void*>(0x30);
    AddModelessDialog(&splash);
    AddModelessDialog(&titration);
    splash = nullptr;  // the dialog closed itself
    EXPECT_EQ(OpenDialogs(), std::vector<void*>{titration});
    RemoveModelessDialog(titration);
    EXPECT_EQ(titration, nullptr);
    EXPECT_TRUE(OpenDialogs().empty());
    ASSERT_NE(ModelessDialogList, nullptr);  // the closed splash node remains
    EXPECT_EQ(ModelessDialogList->holder, &splash);
}

TEST_F(ModelessDialogs, FirstTakerEndsTheWalk) {
    void* a = reinterpret_cast<void*>(0x1);
    void* b = reinterpret_cast<void*>(0x2);
    AddModelessDialog(&a);
    AddModelessDialog(&b);  // new nodes go to the head
    int visits = 0;
    EXPECT_TRUE(ForEachOpenModelessDialog([&](void* w) {
        ++visits;
        return w == b;
    }));
    EXPECT_EQ(visits, 1);
    RemoveModelessDialog(reinterpret_cast<void*>(0x99));  // not listed: ignored
    EXPECT_EQ(OpenDialogs().size(), 2u);
}
