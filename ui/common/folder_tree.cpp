#include "ui/common/folder_tree.h"

#include <algorithm>
#include <vector>

#include "resources/resource_ids.h"
#include "store/scoped_handles.h"
#include "store/text.h"

namespace quillet {

namespace {

std::string WithoutTrailingSlash(std::string path) {
  if (path.size() > 3 && path.back() == '\\') path.pop_back();  // "C:\" keeps its slash
  return path;
}

std::string Child(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

// The folders directly inside `folder`, by name, without hidden and system folders.
std::vector<std::string> SubfolderNames(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  ScopedFind search(FindFirstFileExA(Child(folder, "*").c_str(), FindExInfoBasic, &found,
                                     FindExSearchLimitToDirectories, nullptr, 0));
  if (!search) return names;
  constexpr DWORD kHidden = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  do {
    const std::string name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !(found.dwFileAttributes & kHidden) && name != "." &&
        name != "..") {
      names.push_back(name);
    }
  } while (FindNextFileA(search.Get(), &found));
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return LowerAscii(a) < LowerAscii(b); });
  return names;
}

}  // namespace

void FolderTree::Reset(HWND tree) {
  tree_ = tree;
  TreeView_DeleteAllItems(tree_);
  paths_.clear();
  if (folderPicture_) return;
  // Every node shows the folder picture, the first of the built-in command pictures.
  folderPicture_.Reset(ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_COMMANDS), 16, 0,
                                            RGB(192, 192, 192), IMAGE_BITMAP, LR_CREATEDIBSECTION));
  TreeView_SetImageList(tree_, folderPicture_.Get(), TVSIL_NORMAL);
}

void FolderTree::ShowDrives(HWND tree) {
  Reset(tree);
  const DWORD drives = GetLogicalDrives();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (drives & (1u << (letter - 'A'))) {
      const std::string root = std::string(1, letter) + ":\\";
      Add(TVI_ROOT, root, root);
    }
  }
}

void FolderTree::ShowRoots(HWND tree, const std::vector<std::string>& folders) {
  Reset(tree);
  HTREEITEM first = nullptr;
  for (const std::string& folder : folders) {
    const std::string path = WithoutTrailingSlash(folder);
    if (path.empty()) continue;
    // A drive shows as "C:\", a folder by its own name.
    const auto slash = path.rfind('\\');
    const std::string name = path.size() <= 3 || slash == std::string::npos ? path : path.substr(slash + 1);
    const HTREEITEM root = Add(TVI_ROOT, name, path);
    if (first) continue;
    first = root;
    ListChildren(root);
    TreeView_Expand(tree_, root, TVE_EXPAND);
  }
  if (first) TreeView_SelectItem(tree_, first);
}

HTREEITEM FolderTree::Add(HTREEITEM parent, const std::string& text, std::string path) {
  paths_.push_back(std::move(path));
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
  insert.item.pszText = const_cast<char*>(text.c_str());
  insert.item.lParam = static_cast<LPARAM>(paths_.size() - 1);
  insert.item.cChildren = 1;  // until it is opened and found empty
  return TreeView_InsertItem(tree_, &insert);
}

const std::string& FolderTree::PathOf(HTREEITEM item) const {
  TVITEMA data{};
  data.mask = TVIF_PARAM;
  data.hItem = item;
  TreeView_GetItem(tree_, &data);
  return paths_.at(static_cast<std::size_t>(data.lParam));
}

void FolderTree::ListChildren(HTREEITEM item) {
  if (TreeView_GetChild(tree_, item)) return;  // listed already
  const std::string folder = PathOf(item);
  const std::vector<std::string> names = SubfolderNames(folder);
  for (const std::string& name : names) Add(item, name, Child(folder, name));
  if (names.empty()) {
    TVITEMA data{};
    data.mask = TVIF_CHILDREN;
    data.hItem = item;
    data.cChildren = 0;
    TreeView_SetItem(tree_, &data);
  }
}

bool FolderTree::Select(const std::string& path) {
  const std::string wanted = LowerAscii(WithoutTrailingSlash(path));
  HTREEITEM item = TreeView_GetRoot(tree_);
  while (item) {
    const std::string here = LowerAscii(PathOf(item));
    if (here == wanted) {
      TreeView_SelectItem(tree_, item);
      TreeView_EnsureVisible(tree_, item);
      return true;
    }
    const std::string prefix = !here.empty() && here.back() == '\\' ? here : here + "\\";
    if (wanted.rfind(prefix, 0) == 0) {
      ListChildren(item);
      TreeView_Expand(tree_, item, TVE_EXPAND);
      item = TreeView_GetChild(tree_, item);
    } else {
      item = TreeView_GetNextSibling(tree_, item);
    }
  }
  return false;
}

std::string FolderTree::SelectedPath() const {
  const HTREEITEM item = tree_ ? TreeView_GetSelection(tree_) : nullptr;
  return item ? PathOf(item) : std::string();
}

void FolderTree::OnNotify(const NMHDR& header) {
  if (header.hwndFrom != tree_ || (header.code != TVN_ITEMEXPANDINGA && header.code != TVN_ITEMEXPANDINGW)) return;
  const auto& expanding = reinterpret_cast<const NMTREEVIEWA&>(header);
  if (expanding.action & TVE_EXPAND) ListChildren(expanding.itemNew.hItem);
}

}  // namespace quillet
