#include "ui/main/main_layout.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(MainLayout, ColumnsAtTenThousandTwips) {
  const MainLayout layout = LayoutMainWindow(10000, 7000);
  EXPECT_DOUBLE_EQ(layout.userColumns.command, 1659);
  EXPECT_DOUBLE_EQ(layout.userColumns.path, 4977);
  EXPECT_DOUBLE_EQ(layout.userColumns.parameters, 1589);
  EXPECT_DOUBLE_EQ(layout.systemColumns.command, 0.23 * 8295);
  EXPECT_DOUBLE_EQ(layout.systemColumns.path, 0.77 * 8295 - 355);
}

TEST(MainLayout, ListsFillTheWindowAndButtonsFollowTheirBottom) {
  const std::pair<MainControl, TwipsRect> expected[] = {
      {kCategoryPaneId, {30, 0, 1455, 5500}},   {kUserListId, {1530, 0, 8295, 5500}},
      {kSystemListId, {1530, 0, 8295, 5500}},   {kAddButtonId, {120, 5570, 1335, 375}},
      {kRemoveButtonId, {1560, 5570, 1575, 375}}, {kHelpPictureId, {10000 - 480 - 450, 5570, 480, 480}},
  };
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    ASSERT_EQ(kMainControlPlaces[i].id, expected[i].first);
    const TwipsRect place = PlaceControl(kMainControlPlaces[i], 10000, 7000);
    const TwipsRect& want = expected[i].second;
    EXPECT_TRUE(place.left == want.left && place.top == want.top && place.width == want.width &&
                place.height == want.height) << i;
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
