#pragma once
// The main window: owner of the user and system command lists for the whole run. The two
// command lists are virtual list views that show the rows the window owns without copying them.
//
// Its code is spread by concern: main_window.cpp (controls, layout, DPI, focus and message
// dispatch), main_window_lists.cpp (the two lists), main_window_categories.cpp (the category pane
// and the status bar), main_window_actions.cpp (menus, buttons and the windows they open).

#include <windows.h>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/command_table.h"
#include "store/store_context.h"
#include "store/store_watch.h"
#include "ui/common/message_loop.h"
#include "ui/common/prompt.h"
#include "ui/common/scoped_ui_handles.h"
#include "ui/common/shell_launcher.h"
#include "ui/common/window_base.h"
#include "ui/editor/command_editor.h"
#include "ui/import/import_rules.h"
#include "ui/main/action_popup.h"
#include "ui/main/command_health.h"
#include "ui/main/command_icons.h"
#include "ui/main/main_layout.h"

namespace quillet {

class MainWindow : public WindowBase, public LoopClient, private CommandListOwner {
 public:
  // The store's owner and script waits are the window's own once it is made.
  MainWindow(const StoreContext& store, Prompt& prompt);

  // Creates the window hidden, at its design size, centred on the screen, with its controls.
  bool Create();

  // The rest of a normal start: show the window, fill the user list (its first row selected), its
  // status and icons, set up the category pane and write the Run-dialog verbs.
  void FinishNormalStart();

  // The message loop's client. Menu shortcuts act on messages meant for this window or its
  // controls. The loop waits on the signals that the commands on disk or in App Paths changed
  // (none before the normal start); once the changes have settled, and only from the loop itself,
  // the lists are read again, keeping the selected rows where they still exist.
  bool TranslateShortcut(MSG& message) override;
  std::vector<HANDLE> WatchHandles() const override;
  void OnSignalled(HANDLE signalled) override;
  DWORD MsUntilDue() const override;
  void OnDue() override;

  // Opens the editor, not modal, on the selected user command; one already open for an update
  // closes first, unsaved (unless it shows a dialog of its own: it then stays as it is).
  void OpenCommandForUpdate();
  // The editor open for an update, if any (its window may have closed); the popup once opened.
  CommandEditor* Editor() const { return editor_.get(); }
  ActionPopup& Popup() { return popup_; }

  const UserCommandList& UserCommands() const { return userCommands_; }
  const SystemCommandList& SystemCommands() const { return systemCommands_; }
  HWND Control(MainControl id) const { return GetDlgItem(Handle(), id); }
  // The status bar's count and type panels are greyed while the system commands are shown; their
  // texts are the status bar's own (SB_GETTEXT), as screen readers read them.
  bool PanelGreyed(int panel) const { return !panelEnabled_[static_cast<std::size_t>(panel)]; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  enum class Category { User, System };

  const StoreContext& Store() const { return store_; }
  UserCommandList& UserCommandRows() override { return userCommands_; }
  void UserCommandsSaved() override;
  const ShadowIndex& ShadowingPrograms() const override { return shadows_; }

  // main_window.cpp
  void CreateControls();
  void ApplyDpi(UINT dpi);
  void OnSize();
  void OnActivate(bool active);

  // main_window_lists.cpp
  LRESULT OnListNotify(NMHDR& header);
  void ShowRows();
  std::optional<std::size_t> Selected(MainControl list) const;
  void Select(MainControl list, std::size_t row);
  void RemoveCommand();
  void RefreshFromStore();
  // Selects, in each list, the row of the command that was selected (by its files' name, or by
  // name in the system list); where that is gone, the row at its place.
  void KeepSelections();
  // Looked up when a row is drawn, and kept until the lists are read again.
  const CommandHealth& HealthOf(const UserCommandRow& row);

  // main_window_categories.cpp
  void SetUpCategoryPane();
  void PlaceCategoryEntries();
  LRESULT OnCategoryNotify(const NMHDR& header);
  void SwitchCategory();
  void RefreshStatusBar();
  void SetStatus(int panel, const std::string& text, bool enabled = true);
  static LRESULT CALLBACK StatusBarProcedure(HWND bar, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR window);
  void GreyDisabledPanels() const;

  // main_window_actions.cpp
  void OnCommand(int id);
  void OpenNewCommand();
  void OpenImportWizard(ImportSource source);
  // Whether the editor may be closed or replaced now (see CommandEditor::InNestedDialog).
  bool EditorReplaceable() const;
  void OpenPopup(POINT at);
  void OnPopupItem(ActionPopup::Item item);
  void OpenHelpFile();

  StoreContext store_;
  Prompt& prompt_;
  SystemShellLauncher shell_;  // the About box's links, the help file
  UserCommandList userCommands_;
  SystemCommandList systemCommands_;
  Category category_ = Category::User;
  std::unique_ptr<CommandIcons> commandIcons_;  // imglstMain
  ScopedImageList categoryIcons_;               // imglstMenu
  ScopedIcon helpPicture_;
  ScopedAccelerators shortcuts_;
  ScopedFont font_;
  std::array<bool, 3> panelEnabled_{true, true, true};  // count and type are greyed for "System"
  ShadowIndex shadows_;                                 // programs Windows finds before App Paths
  std::unique_ptr<StoreWatch> watch_;
  ULONGLONG refreshDue_ = 0;  // when the lists are to be read again (0: not asked for)
  // What each list had selected, kept as the selection changes, so that it follows the command.
  struct Selection {
    std::string key;  // the user row's fileName, the system row's name
    std::size_t row = 0;
  };
  std::optional<Selection> userSelection_, systemSelection_;
  std::map<std::string, CommandHealth> health_;  // by name and target
  std::unique_ptr<CommandEditor> editor_;        // frmNewCommand
  ActionPopup popup_;                            // frmMnuEdit
  HWND lastFocus_ = nullptr;                     // given back when the window is active again
  // The outer size, in twips, at the end of the last layout pass: sizes below the minimum go
  // back to it.
  double rememberedWidth_ = 0;
  double rememberedHeight_ = 0;
  bool inLayout_ = false;
};

}  // namespace quillet
