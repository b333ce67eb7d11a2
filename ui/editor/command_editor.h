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
  // `oldName` is the name of the command an update edits ("" for a new command).
  CommandEditor(std::string programFolder, HWND mainWindow, Prompt& prompt, CommandListOwner& list,
                EditorMode mode, std::string oldName);

  // Puts a row of the user list into the boxes (an update).
  void Fill(const UserCommandRow& row);
  EditorMode Mode() const { return mode_; }

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

  std::string programFolder_;
  HWND mainWindow_;
  Prompt& prompt_;
  CommandListOwner& list_;
  EditorMode mode_;
  std::string oldName_;
  std::string lastChosenFile_;  // what a cancelled file dialog leaves in the path box
};

}  // namespace quillet
