// What the main window's menus, buttons, keys and popup do: mostly opening other windows.

#include "ui/main/main_window.h"

#include "store/launcher_shortcut.h"
#include "store/repair.h"
#include "store/store_paths.h"
#include "ui/import/import_wizard.h"
#include "ui/main/command_transfer.h"
#include "ui/main/main_menu.h"
#include "ui/settings/about_box.h"
#include "ui/settings/settings_dialog.h"

namespace quillet {

void MainWindow::OnCommand(int id) {
  switch (id) {
    case IDOK:  // Enter: in the category pane it switches, on a command it opens the editor
      if (GetFocus() == Control(kCategoryPaneId)) SwitchCategory();
      if (GetFocus() == Control(kUserListId)) OpenCommandForUpdate();
      break;
    case kAddButtonId:
    case kMenuAddCommand:
      OpenNewCommand();
      break;
    case kMenuImportDesktop:
      OpenImportWizard(ImportSource::Desktop);
      break;
    case kMenuImportStartMenu:
      OpenImportWizard(ImportSource::StartMenu);
      break;
    case kMenuImportFavorites:
      OpenImportWizard(ImportSource::Favorites);
      break;
    case kMenuExport:
      ExportCommands(prompt_, userCommands_);
      break;
    case kMenuRestore:
      if (category_ == Category::User) RestoreCommands(store_, prompt_, *this);
      break;
    case kMenuRepair: {
      const RepairResult repaired = RepairCommands(store_);
      prompt_.Message(RepairMessage(repaired), kAppTitle,
                      kOkOnly | (repaired.failed.empty() ? kIconInformation : kIconExclamation));
      break;
    }
    case kRemoveButtonId:
    case kMenuRemoveCommand:
      RemoveCommand();
      break;
    case kMenuExit:
      if (EditorReplaceable()) DestroyWindow(Handle());
      break;
    case kMenuHelp:
    case kHelpPictureId:  // the help picture does what F1 does
      OpenHelpFile();
      break;
    case kMenuSettings:
      ShowSettings(Handle(), store_, prompt_);
      break;
    case kMenuAbout:
      ShowAbout(Handle(), shell_);
      break;
  }
}

bool MainWindow::EditorReplaceable() const { return !editor_ || !editor_->InNestedDialog(); }

void MainWindow::OpenNewCommand() {
  if (category_ != Category::User || !EditorReplaceable()) return;  // not while the system commands are shown
  editor_.reset();  // an editor open for an update closes unsaved
  CommandEditor editor(store_, prompt_, *this, EditorMode::New, {});
  editor.ShowModal(Handle());
}

void MainWindow::OpenImportWizard(ImportSource source) {
  if (category_ != Category::User) return;
  CommandListOwner& list = *this;
  ImportWizard wizard(store_, prompt_, list, source);
  wizard.ShowModal(Handle());
}

void MainWindow::OpenCommandForUpdate() {
  const std::optional<std::size_t> row = Selected(kUserListId);
  if (!row || *row >= userCommands_.size() || !EditorReplaceable()) return;
  editor_.reset();
  const UserCommandRow& command = userCommands_[*row];
  CommandListOwner& list = *this;
  editor_ = std::make_unique<CommandEditor>(store_, prompt_, list, EditorMode::Update,
                                            EditedCommand{command.name, command.fileName});
  if (!editor_->CreateModeless(Handle())) return;
  editor_->Fill(command);
  ShowWindow(editor_->Handle(), SW_SHOW);
}

void MainWindow::OpenPopup(POINT at) {
  const std::optional<std::size_t> row = Selected(kUserListId);
  if (!row || *row >= userCommands_.size()) return;
  popup_.Open(Handle(), at, userCommands_[*row].name);
}

void MainWindow::OnPopupItem(ActionPopup::Item item) {
  const std::optional<std::size_t> row = Selected(kUserListId);
  if (!row || *row >= userCommands_.size()) return;
  if (item == ActionPopup::kEditCommand) OpenCommandForUpdate();
  if (item == ActionPopup::kSecuritySettings) {
    ShowFileProperties(store_, GeneratedFilePath(store_.programFolder, userCommands_[*row].fileName, ".lnk"));
  }
}

void MainWindow::OpenHelpFile() {
  if (shell_.Open(OpenRestored(Handle(), store_.programFolder + "\\quillet.chm")) == SE_ERR_FNF) {
    prompt_.Message("Couldn\xB4t locate the program\xB4s HTML Helpfile!", kAppTitle, kOkOnly | kIconInformation);
  }
}

}  // namespace quillet
