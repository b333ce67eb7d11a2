#pragma once
// The folder chooser: a tree of the file system's folders with Ok and Cancel. Ok accepts only a
// folder on a drive letter.

#include <optional>
#include <string>

#include "ui/common/dialog_base.h"
#include "ui/common/folder_tree.h"
#include "ui/common/prompt.h"

namespace quillet {

class FolderChooser : public DialogBase {
 public:
  explicit FolderChooser(Prompt& prompt);

  // The folder confirmed with Ok, as the tree reports it ("C:\" for a drive, "C:\Tools" below it).
  const std::optional<std::string>& Chosen() const { return chosen_; }
  FolderTree& Tree() { return tree_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  LRESULT OnNotify(const NMHDR& header) override;

 private:
  Prompt& prompt_;
  FolderTree tree_;
  std::optional<std::string> chosen_;
};

}  // namespace quillet
