#pragma once
// The main window: owner of the user and system command lists for the whole run. The two
// command lists are virtual list views that show the rows the window owns without copying them.

#include <windows.h>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/command_table.h"
#include "store/store_watch.h"
#include "store/store_context.h"
#include "ui/common/prompt.h"
#include "ui/common/scoped_ui_handles.h"
#include "ui/common/shell_launcher.h"
#include "ui/common/window_base.h"
#include "ui/editor/command_editor.h"
#include "ui/import/import_rules.h"
#include "ui/main/action_popup.h"
#include "ui/main/command_health.h"
#include "ui/main/command_icons.h"

namespace quillet {

// Control ids of the main window.
enum MainControl : int {
  kCategoryPaneId = 100,  // lsvMenu
  kUserListId,        // lsvMain
  kSystemListId,      // lsvSystem
  kAddButtonId,       // cmdAddCommand
  kRemoveButtonId,    // cmdDelCommand
  kHelpPictureId,     // imgHelp
  kStatusBarId,       // StatusBar1
};

enum class Category { User, System };

class MainWindow : public WindowBase, private CommandListOwner {
 public:
  MainWindow(std::string programFolder, Prompt& prompt);

  // Creates the window hidden, at its design size, centred on the screen, with its controls.
  bool Create();

  // The rest of a normal start: show the window, fill the user list, its status and icons, set
  // up the category pane and write the Run-dialog verbs.
  void FinishNormalStart();

  // Lets the menu shortcuts act on a message meant for this window or its controls.
  bool TranslateShortcut(MSG& message);

  // What the message loop waits on besides messages: the signals that the commands on disk or in
  // App Paths changed (none before the normal start). After one, the lists are read again once
  // the changes have settled, keeping the selected rows where they still exist.
  std::vector<HANDLE> WatchHandles() const;
  void OnStoreChanged(HANDLE signalled);

  // Opens the editor, not modal, on the selected user command; one already open for an update
  // closes first, unsaved.
  void OpenCommandForUpdate();
  // The editor open for an update, if any (its window may have closed); the popup once opened.
  CommandEditor* Editor() const { return editor_.get(); }
  ActionPopup& Popup() { return popup_; }

  const UserCommandList& UserCommands() const { return userCommands_; }
  const SystemCommandList& SystemCommands() const { return systemCommands_; }
  HWND Control(MainControl id) const { return GetDlgItem(Handle(), id); }

  // The status bar's panels: count, type, category. Count and type are greyed while the system
  // commands are shown.
  struct StatusPanel {
    std::string text;
    bool enabled = true;
  };
  const StatusPanel& Status(int panel) const { return status_[static_cast<std::size_t>(panel)]; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  StoreContext Store() const { return {programFolder_, Handle(), prompt_}; }
  UserCommandList& UserCommandRows() override { return userCommands_; }
  void UserCommandsSaved() override;
  const ShadowIndex& ShadowingPrograms() const override { return shadows_; }
  void OpenNewCommand();
  void OpenImportWizard(ImportSource source);
  void OnPopupItem(ActionPopup::Item item);
  void OpenPopup(POINT mouseInList);
  void RefreshFromStore();
  void CreateControls();
  void ApplyDpi(UINT dpi);
  void SetUpCategoryPane();
  void OnSize();
  LRESULT OnNotify(NMHDR& header);
  void OnCommand(int id);
  void SwitchCategory();
  void RemoveCommand();
  void OpenHelpFile();
  void ShowRows();
  void RefreshStatusBar();
  void SetStatus(int panel, const std::string& text, bool enabled = true);
  void DrawStatusPanel(const DRAWITEMSTRUCT& item) const;
  std::optional<std::size_t> Selected(MainControl list) const;
  // Looked up when a row is drawn, and kept until the lists are read again.
  const CommandHealth& HealthOf(const UserCommandRow& row);

  std::string programFolder_;
  Prompt& prompt_;
  SystemShellLauncher shell_;  // the settings' scripts and the About box's links
  UserCommandList userCommands_;
  SystemCommandList systemCommands_;
  std::unique_ptr<CommandIcons> commandIcons_;  // imglstMain
  ScopedImageList categoryIcons_;               // imglstMenu
  ScopedAccelerators shortcuts_;
  ScopedFont font_;
  std::array<StatusPanel, 3> status_;
  ShadowIndex shadows_;                    // programs Windows finds before App Paths
  std::unique_ptr<StoreWatch> watch_;
  std::map<std::string, CommandHealth> health_;  // by name and target
  std::unique_ptr<CommandEditor> editor_;  // frmNewCommand
  ActionPopup popup_;                      // frmMnuEdit
  // The outer size, in twips, at the end of the last layout pass: sizes below the minimum go
  // back to it.
  double rememberedWidth_ = 0;
  double rememberedHeight_ = 0;
  bool inLayout_ = false;
};

}  // namespace quillet
