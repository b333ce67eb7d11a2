#pragma once
// A tree of the file system's folders (no virtual shell folders) in a tree-view control that a
// dialog template made. Folders are listed when their node is first opened.

#include <windows.h>
#include <commctrl.h>

#include <deque>
#include <string>
#include <vector>

#include "ui/common/scoped_ui_handles.h"

namespace quillet {

class FolderTree {
 public:
  FolderTree() = default;
  FolderTree(const FolderTree&) = delete;
  FolderTree& operator=(const FolderTree&) = delete;

  // Shows every drive at the top level.
  void ShowDrives(HWND tree);
  // Shows each folder (empty ones left out) as a top-level node, the first opened and selected.
  void ShowRoots(HWND tree, const std::vector<std::string>& folders);

  // Opens the nodes down to `path` (letter case ignored) and selects it. False when the tree does
  // not hold it; the selection is then unchanged.
  bool Select(const std::string& path);
  // The path of the selected folder ("C:\" for a drive, "C:\Tools" below it); "" when none.
  std::string SelectedPath() const;

  // The owner passes its WM_NOTIFY messages from the tree here (it lists folders on expansion).
  void OnNotify(const NMHDR& header);

 private:
  void Reset(HWND tree);
  HTREEITEM Add(HTREEITEM parent, const std::string& text, std::string path);
  void ListChildren(HTREEITEM item);
  const std::string& PathOf(HTREEITEM item) const;

  HWND tree_ = nullptr;
  ScopedImageList folderPicture_;
  // The full path of every node; a node's item data is its index here.
  std::deque<std::string> paths_;
};

}  // namespace quillet
