#include "ui/main/main_layout.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

// The column widths, which follow the lists' width, are main_window_test's.
TEST(MainLayout, ListsFillTheWindowAndButtonsFollowItsBottomAndRight) {
  const std::pair<std::size_t, TwipsRect> expected[] = {  // one control of each anchor, by its place in the table
      {1, {1530, 0, 8295, 5500}}, {4, {1560, 5570, 1575, 375}}, {5, {10000 - 480 - 450, 5570, 480, 480}}};
  for (const auto& [index, want] : expected) {
    const TwipsRect place = PlaceControl(kMainControlPlaces[index], 10000, 7000);
    EXPECT_TRUE(place.left == want.left && place.top == want.top && place.width == want.width &&
                place.height == want.height) << index;
  }
}

TEST(MainLayout, EachDimensionBelowTheMinimumIsJudgedOnItsOwn) {
  EXPECT_TRUE(LayoutMainWindow(9000, 4999).restoreHeight);
  EXPECT_FALSE(LayoutMainWindow(9000, 4999).restoreWidth);
  EXPECT_TRUE(LayoutMainWindow(4999, 9000).restoreWidth);
  EXPECT_FALSE(LayoutMainWindow(5000, 5000).restoreWidth);
}

}  // namespace
}  // namespace quillet
