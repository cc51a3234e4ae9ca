#include "platform/list_box.h"

#include <gtest/gtest.h>

namespace pv {
namespace {

TEST(ListBox, SortedListOrdersWithoutRegardToCase) {
    ListBox list(true);
    list.Add(" 00000200   bob");
    list.Add(" 00000100   Zed");
    list.Add(" 00000200   Anna");
    list.Add(" 00000200   alf");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{" 00000100   Zed", " 00000200   alf",
                                                      " 00000200   Anna", " 00000200   bob"}));
}

TEST(ListBox, UnsortedListKeepsTheOrderAdded) {
    ListBox list(false);
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.Add("a"), 1);
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"b", "a"}));
}

TEST(ListBox, ExactSearchIgnoresCaseButNotLength) {
    ListBox list(true);
    list.Add(" 00000187   Pondivar");
    EXPECT_EQ(list.FindExact(" 00000187   PONDIVAR"), 0);
    EXPECT_EQ(list.FindExact(" 00000187   pondivar"), 0);
    EXPECT_EQ(list.FindExact(" 00000187   Pondiva"), -1);
    EXPECT_EQ(list.FindExact(" 00000187   Pondivars"), -1);
}

TEST(ListBox, PositionsOutsideTheListFail) {
    ListBox list(true);
    list.Add("x");
    EXPECT_EQ(list.At(1), nullptr);
    EXPECT_EQ(list.At(-1), nullptr);
    EXPECT_FALSE(list.Delete(1));
    EXPECT_TRUE(list.Delete(0));
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace pv
