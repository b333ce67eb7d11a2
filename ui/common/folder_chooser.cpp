#include "ui/common/folder_chooser.h"

#include "ui/common/folder_chooser_ids.h"

namespace quillet {

FolderChooser::FolderChooser(Prompt& prompt) : DialogBase(IDD_FOLDER_CHOOSER), prompt_(prompt) {}

bool FolderChooser::OnInit() {
  tree_.ShowDrives(Item(IDC_FOLDER_TREE));
  tree_.Select("c:\\");  // without a drive C: the tree keeps its own selection
  return true;
}

bool FolderChooser::OnCommand(int id, int code, HWND control) {
  if (id != IDOK) return DialogBase::OnCommand(id, code, control);
  const std::string folder = tree_.SelectedPath();
  // Only a folder on a drive letter can become a command's target (no network shares).
  if (folder.find(':') == std::string::npos) {
    prompt_.Message("Please choose a valid folder!", kAppTitle, kOkOnly | kIconInformation);
    return true;
  }
  chosen_ = folder;
  Close(IDOK);
  return true;
}

LRESULT FolderChooser::OnNotify(const NMHDR& header) {
  tree_.OnNotify(header);
  return 0;
}

}  // namespace quillet
