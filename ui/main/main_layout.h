#pragma once
// The main window's layout arithmetic, in twips (1/1440 inch). The window converts the results
// to pixels at its DPI.

namespace quillet {

// Design geometry of the main window.
inline constexpr int kDesignClientWidth = 10845;
inline constexpr int kDesignClientHeight = 6645;
inline constexpr int kCategoryPaneLeft = 30;
inline constexpr int kCategoryPaneWidth = 1455;
inline constexpr int kListLeft = 1530;
inline constexpr int kListTop = 0;
inline constexpr int kHelpPictureSize = 480;
inline constexpr int kMinimumOuterSize = 5000;

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
  double listWidth = 0;   // both command lists
  double listHeight = 0;  // both lists and the category pane
  UserColumns userColumns{};
  SystemColumns systemColumns{};
  double buttonTop = 0;        // both buttons and the help picture
  double helpPictureLeft = 0;
};
MainLayout LayoutMainWindow(double outerWidth, double outerHeight);

}  // namespace quillet
