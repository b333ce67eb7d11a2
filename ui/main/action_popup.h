#pragma once
// The small popup (frmMnuEdit) that a right-click on the user command list opens beside the
// mouse: the command's name as a heading, then "Edit Command" and "Security Settings". It is
// drawn by the program, highlights the item under the mouse, and hides when it loses the focus.

#include <windows.h>

#include <functional>
#include <string>

#include "ui/common/scoped_ui_handles.h"
#include "ui/common/window_base.h"

namespace quillet {

class ActionPopup : public WindowBase {
 public:
  enum Item : int { kHeading = 0, kEditCommand = 1, kSecuritySettings = 2 };
  // Called after a click on an item has hidden the popup.
  using ItemHandler = std::function<void(Item)>;

  explicit ActionPopup(ItemHandler onItem);

  // Opens at the main window's outer top-left plus the mouse position in the list plus 1600 twips
  // across and 650 down, with "  " and the command's name as its heading. The popup is owned by
  // the main window, so it never outlives it.
  void Open(HWND mainWindow, POINT mouseInList, const std::string& name);
  void Hide();

  // The label drawn highlighted (the last one the mouse touched), or -1.
  int Highlighted() const { return highlighted_; }
  HWND Label(Item item) const { return GetDlgItem(Handle(), kFirstLabelId + item); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static constexpr int kFirstLabelId = 10;
  bool CreateFor(HWND mainWindow);
  void LayOut(UINT dpi);
  void Highlight(int item);
  void OnKey(UINT key);
  void Paint();

  ItemHandler onItem_;
  UINT dpi_ = 0;  // what the labels, their font and the strip are laid out for
  ScopedFont font_;
  ScopedIcon programIcon_;  // on the strip
  ScopedBrush background_;
  int highlighted_ = -1;
};

}  // namespace quillet
