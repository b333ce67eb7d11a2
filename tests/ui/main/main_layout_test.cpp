#include "ui/main/main_layout.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(MainLayout, ColumnsAtTenThousandTwips) {
  const MainLayout layout = LayoutMainWindow(10000, 7000);
  EXPECT_DOUBLE_EQ(layout.listWidth, 8295);
  EXPECT_DOUBLE_EQ(layout.userColumns.command, 1659);
  EXPECT_DOUBLE_EQ(layout.userColumns.path, 4977);
  EXPECT_DOUBLE_EQ(layout.userColumns.parameters, 1589);
  EXPECT_DOUBLE_EQ(layout.systemColumns.command, 0.23 * 8295);
  EXPECT_DOUBLE_EQ(layout.systemColumns.path, 0.77 * 8295 - 355);
}

TEST(MainLayout, ListsFillTheWindowAndButtonsFollowTheirBottom) {
  const MainLayout layout = LayoutMainWindow(10000, 7000);
  EXPECT_DOUBLE_EQ(layout.listHeight, 5500);
  EXPECT_DOUBLE_EQ(layout.buttonTop, 5570);
  EXPECT_DOUBLE_EQ(layout.helpPictureLeft, 10000 - 480 - 450);
  EXPECT_FALSE(layout.restoreWidth || layout.restoreHeight);
}

TEST(MainLayout, EachDimensionBelowTheMinimumIsJudgedOnItsOwn) {
  EXPECT_TRUE(LayoutMainWindow(9000, 4999).restoreHeight);
  EXPECT_FALSE(LayoutMainWindow(9000, 4999).restoreWidth);
  EXPECT_TRUE(LayoutMainWindow(4999, 9000).restoreWidth);
  EXPECT_FALSE(LayoutMainWindow(5000, 5000).restoreWidth);
}

}  // namespace
}  // namespace quillet
