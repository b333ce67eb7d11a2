#pragma once
// The main window's layout, in twips (1/1440 inch). The window converts the results to pixels at
// its DPI.

#include "ui/common/anchored_layout.h"

namespace quillet {

// Control ids of the main window.
enum MainControl : int {
  kCategoryPaneId = 100,  // lsvMenu
  kUserListId,            // lsvMain
  kSystemListId,          // lsvSystem
  kAddButtonId,           // cmdAddCommand
  kRemoveButtonId,        // cmdDelCommand
  kHelpPictureId,         // imgHelp
  kStatusBarId,           // StatusBar1
};

// The client area of the design, below the menu bar.
inline constexpr int kDesignClientWidth = 10845;
inline constexpr int kDesignClientHeight = 6645;
inline constexpr int kMinimumOuterSize = 5000;

// Every control but the status bar, which follows the bottom edge by itself. The lists take the
// outer size less 1705 x 1500, the category pane their height; the buttons stand 70 below the
// lists, the help picture 450 from the right edge.
inline constexpr ControlPlace kMainControlPlaces[] = {
    {kCategoryPaneId, 30, 0, 1455, 1500, kStretchHeight},
    {kUserListId, 1530, 0, 1705, 1500, kStretchWidth | kStretchHeight},
    {kSystemListId, 1530, 0, 1705, 1500, kStretchWidth | kStretchHeight},
    {kAddButtonId, 120, 1430, 1335, 375, kFollowBottom},
    {kRemoveButtonId, 1560, 1430, 1575, 375, kFollowBottom},
    {kHelpPictureId, 930, 1430, 480, 480, kFollowRight | kFollowBottom},
};

struct UserColumns {
  double command;
  double path;
  double parameters;
};
struct SystemColumns {
  double command;
  double path;
};

// "Command" 2/10 of the list, "Path" 6/10, "Parameter(s)" the rest less 70.
UserColumns UserListColumns(double listWidth);
// "Command" 2.3/10 of the list, "Path" 7.7/10 less 355.
SystemColumns SystemListColumns(double listWidth);

// One layout pass for an outer window size W x H.
struct MainLayout {
  // A dimension below the minimum is to be put back to the size the previous pass ended with;
  // the resize that this causes runs the pass again.
  bool restoreWidth = false;
  bool restoreHeight = false;
  UserColumns userColumns{};
  SystemColumns systemColumns{};
};
MainLayout LayoutMainWindow(double outerWidth, double outerHeight);

}  // namespace quillet
