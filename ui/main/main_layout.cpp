#include "ui/main/main_layout.h"

namespace quillet {

UserColumns UserListColumns(double listWidth) {
  const double unit = listWidth / 10;
  const double command = 2 * unit;
  const double path = 6 * unit;
  return {command, path, listWidth - (command + path) - 70};
}

SystemColumns SystemListColumns(double listWidth) {
  const double unit = listWidth / 10;
  return {2.3 * unit, 7.7 * unit - 355};
}

MainLayout LayoutMainWindow(double outerWidth, double outerHeight) {
  MainLayout layout;
  layout.restoreHeight = outerHeight < kMinimumOuterSize;
  layout.restoreWidth = outerWidth < kMinimumOuterSize;
  const double listWidth = PlaceControl(kMainControlPlaces[1], outerWidth, outerHeight).width;
  layout.userColumns = UserListColumns(listWidth);
  layout.systemColumns = SystemListColumns(listWidth);
  return layout;
}

}  // namespace quillet
