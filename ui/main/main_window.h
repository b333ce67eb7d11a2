#pragma once
// The main window: owner of the user and system command lists for the whole run. The list views
// are virtual: they show the rows of userCommands_ and systemCommands_ without copying them.

#include <windows.h>

#include <string>

#include "store/command_table.h"
#include "store/store_context.h"
#include "ui/common/window_base.h"

namespace quillet {

// Control ids of the main window.
enum MainControl : int {
  kMenuPaneId = 100,  // lsvMenu
  kUserListId,        // lsvMain
  kSystemListId,      // lsvSystem
  kAddButtonId,       // cmdAddCommand
  kRemoveButtonId,    // cmdDelCommand
  kHelpPictureId,     // imgHelp
  kStatusBarId,       // StatusBar1
};

class MainWindow : public WindowBase {
 public:
  // Creates the window hidden, at its design size, centred on the screen, with its controls.
  bool Create();

  // The rest of a normal start: show the window, fill the user list, caption, verbs.
  void FinishNormalStart(const StoreContext& store);

  const UserCommandList& UserCommands() const { return userCommands_; }
  HWND Control(MainControl id) const { return GetDlgItem(Handle(), id); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls();
  void OnSize();
  LRESULT OnNotify(const NMHDR& header);
  void ShowUserRows();
  void RefreshStatusBar();

  UserCommandList userCommands_;
  SystemCommandList systemCommands_;
  // The outer size, in twips, at the end of the last layout pass: sizes below the minimum go
  // back to it.
  double rememberedWidth_ = 0;
  double rememberedHeight_ = 0;
  bool inLayout_ = false;
};

}  // namespace quillet
