#pragma once
// The command editor (frmNewCommand): name, path, four parameters, window mode and "Set
// Security". Modal for a new command, not modal for an update.

#include <string>

#include "ui/common/command_list_owner.h"
#include "ui/common/dialog_base.h"
#include "ui/common/prompt.h"
#include "ui/editor/command_input.h"

namespace quillet {

class CommandEditor : public DialogBase {
 public:
  // `edited` is the command an update edits (empty for a new command). The store's owner is the
  // main window.
  CommandEditor(const StoreContext& store, Prompt& prompt, CommandListOwner& list, EditorMode mode,
                EditedCommand edited);

  // Puts a row of the user list into the boxes (an update).
  void Fill(const UserCommandRow& row);
  EditorMode Mode() const { return mode_; }

  // While the editor shows a dialog of its own (a file dialog, the folder chooser, a message),
  // its code is on the stack below that dialog's loop: the main window then takes no input, and
  // must neither close nor replace the editor.
  bool InNestedDialog() const { return nestedDialogs_ > 0; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  EditorInput ReadInput() const;
  void Save();
  void PickFile();
  void PickFolder();
  void ShowHelp(int topic);
  void ApplyNameRule();

  // Marks a nested dialog for as long as it lives, and keeps the main window from input meanwhile.
  class NestedDialog {
   public:
    explicit NestedDialog(CommandEditor& editor);
    NestedDialog(const NestedDialog&) = delete;
    NestedDialog& operator=(const NestedDialog&) = delete;
    ~NestedDialog();

   private:
    CommandEditor& editor_;
    bool mainWasEnabled_;
  };

  const StoreContext& store_;
  Prompt& prompt_;
  CommandListOwner& list_;
  EditorMode mode_;
  EditedCommand edited_;
  int nestedDialogs_ = 0;
  std::string lastChosenFile_;  // what a cancelled file dialog leaves in the path box
};

}  // namespace quillet
