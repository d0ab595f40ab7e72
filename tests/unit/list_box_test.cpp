#include "platform/list_box.h"
#include "platform/run_time_error.h"

#include <gtest/gtest.h>

namespace {

TEST(ListBox, ExactFindCountsCaseAndLength) {
    ListBox list;
    list.setItems({"bobby", "Bob", "bob", "bob"});
    EXPECT_EQ(list.findStringExact("bob"), 2);
    EXPECT_EQ(list.findStringExact("Bob"), 1);
    EXPECT_EQ(list.findStringExact("bo"), -1);
    EXPECT_EQ(list.findStringExact(""), -1);
}

TEST(ListBox, ExactFindFollowsEveryChange) {
    ListBox list;
    list.setItems({"a", "b", "a"});
    EXPECT_EQ(list.findStringExact("a"), 0);
    EXPECT_EQ(list.findStringExact("c"), -1);
    list.addItem("c");
    EXPECT_EQ(list.findStringExact("c"), 3);
    list.removeItem(0);
    EXPECT_EQ(list.findStringExact("a"), 1);
    EXPECT_EQ(list.findStringExact("b"), 0);
    list.addItem("");
    EXPECT_EQ(list.findStringExact(""), 3);
    list.setItems({"b"});
    EXPECT_EQ(list.findStringExact("a"), -1);
    EXPECT_EQ(list.findStringExact("b"), 0);
    list.clear();
    EXPECT_EQ(list.findStringExact("b"), -1);
}

TEST(ListBox, SelectionAndText) {
    ListBox list;
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), QString());
    list.setItems({"a", "", "c"});
    EXPECT_EQ(list.listIndex(), -1);
    list.setListIndex(2);
    EXPECT_EQ(list.listIndex(), 2);
    EXPECT_EQ(list.text(), "c");
    list.setListIndex(1);
    EXPECT_EQ(list.text(), ""); // an empty item reads like no selection
    list.setListIndex(-1);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_THROW(list.setListIndex(3), RunTimeError);
    EXPECT_THROW(list.setListIndex(-2), RunTimeError);
    EXPECT_THROW(list.removeItem(3), RunTimeError);
    list.setListIndex(0);
    list.removeItem(0);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.items(), (QStringList{"", "c"}));
}

TEST(ListBox, HoldsAtMost32767Items) {
    ListBox list;
    QStringList many;
    for (int i = 0; i < ListBox::MaxItems + 5; ++i)
        many << QString::number(i);
    EXPECT_EQ(list.setItems(many), ListBox::MaxItems);
    EXPECT_EQ(list.listCount(), 32767);
    list.setListIndex(32766);
    try {
        list.addItem("one more");
        FAIL() << "a full list took another item";
    } catch (const RunTimeError& e) {
        EXPECT_TRUE(e.description().contains("32767"));
    }
    EXPECT_EQ(list.listCount(), 32767);
    EXPECT_EQ(list.list(32766), "32766");
    EXPECT_EQ(list.listIndex(), 32766);
}

} // namespace
