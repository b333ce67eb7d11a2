#pragma once
// The shortcut picker (frmWizardStartmenu): a folder tree rooted at the import folder and the
// shortcuts of the selected folder, which the user adds to the import list folder by folder.

#include <string>
#include <vector>

#include "ui/common/dialog_base.h"
#include "ui/common/folder_tree.h"
#include "ui/import/import_rules.h"

namespace quillet {

class ShortcutPicker : public DialogBase {
 public:
  // Adds to `rows` directly; Cancel (and Esc) empties it again, the close box keeps it. The tree
  // shows each of `folders` (the user's own first, then the one of all users).
  ShortcutPicker(ImportList& rows, ImportSource source, std::vector<std::string> folders);

  FolderTree& Tree() { return tree_; }
  // The shortcuts the file list shows, as listed.
  std::vector<std::string> ListedFiles() const;
  std::string StatusText(int panel) const;

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  LRESULT OnNotify(const NMHDR& header) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void ShowFolder(const std::string& folder);
  // Adds the listed files, all of them or only the selected ones, skipping names already listed.
  void AddFiles(bool selectedOnly);
  void UpdateStatusBar();

  ImportList& rows_;
  ImportSource source_;
  std::vector<std::string> folders_;
  std::string shownFolder_;
  FolderTree tree_;
};

}  // namespace quillet
