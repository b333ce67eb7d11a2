#pragma once
// The small icons of both command lists (imglstMain): the thirteen built-in pictures first, then
// the icons taken from program files.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <string>

#include "store/command_table.h"
#include "ui/common/scoped_ui_handles.h"

namespace quillet {

// The built-in pictures' transparent colour, and the lists' background.
inline constexpr COLORREF kMaskColour = RGB(192, 192, 192);
inline constexpr COLORREF kIconBackground = RGB(0xE0, 0xE0, 0xE0);

class CommandIcons {
 public:
  // Marks drawn over a command's icon (list-view overlay numbers).
  enum Overlay : int { kNoOverlay = 0, kShadowedOverlay = 1, kMissingTargetOverlay = 2 };

  // Loads the built-in pictures from the program's resources, at `size` pixels square (the
  // small-icon size of the window's DPI).
  explicit CommandIcons(int size = 16);

  HIMAGELIST Images() const { return images_.Get(); }

  // Gives every row without an icon (0) its icon: a program's own for ".exe" and ".dll" targets,
  // a built-in one for the rest. Rows that have an icon keep it.
  void AssignMissingIcons(UserCommandList& rows);

 private:
  int ProgramIcon(const std::string& path);
  int EmptyIcon();
  void AddOverlays();
  // Adds a picture drawn at drawnSize pixels square on `background`, which stays transparent,
  // scaled to the list's size; its position, counted from 1.
  int AddDrawn(const std::function<void(HDC)>& draw, int drawnSize = 16, COLORREF background = kMaskColour);

  int size_;
  ScopedImageList images_;
  // Rows of the same program file share one image instead of adding a copy each, and programs
  // without an icon share one empty image.
  std::map<std::string, int> programIcons_;
  int emptyIcon_ = 0;
};

}  // namespace quillet
