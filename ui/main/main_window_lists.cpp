// The main window's two command lists: what they show, type-ahead, gestures, selection, removal
// and reading them again when the store changes.

#include "ui/main/main_window.h"

#include <commctrl.h>

#include "store/app_paths_store.h"
#include "store/definition_store.h"
#include "store/text.h"
#include "ui/common/store_messages.h"
#include "ui/main/removal.h"

namespace quillet {

namespace {

// The first row from `start` on (wrapping round to the top when `wrap`) whose name begins with
// `prefix`, letter case ignored: the list's answer when the user types the start of a name.
template <typename Rows>
int FindRowStartingWith(const Rows& rows, const std::string& prefix, int start, bool wrap) {
  const std::size_t count = rows.size();
  if (count == 0) return -1;
  const std::size_t first = start >= 0 && static_cast<std::size_t>(start) < count ? static_cast<std::size_t>(start) : 0;
  for (std::size_t step = 0; step < count; ++step) {
    const std::size_t row = first + step;
    if (row >= count && !wrap) break;
    const std::string& name = rows[row % count].name;
    if (SameNameIgnoringCase(std::string_view(name).substr(0, prefix.size()), prefix)) return static_cast<int>(row % count);
  }
  return -1;
}

}  // namespace

std::optional<std::size_t> MainWindow::Selected(MainControl list) const {
  const int row = ListView_GetNextItem(Control(list), -1, LVNI_SELECTED);
  return row >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(row)) : std::nullopt;
}

void MainWindow::Select(MainControl list, std::size_t row) {
  const HWND view = Control(list);
  ListView_SetItemState(view, static_cast<int>(row), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(view, static_cast<int>(row), FALSE);
}

const CommandHealth& MainWindow::HealthOf(const UserCommandRow& row) {
  const std::string key = row.name + '\n' + row.target;
  auto known = health_.find(key);
  if (known == health_.end()) known = health_.emplace(key, CheckCommand(row, shadows_)).first;
  return known->second;
}

void MainWindow::ShowRows() {
  // Keep the selection where it is; the rows behind it may have changed.
  ListView_SetItemCountEx(Control(kUserListId), static_cast<int>(userCommands_.size()), LVSICF_NOSCROLL);
  ListView_SetItemCountEx(Control(kSystemListId), static_cast<int>(systemCommands_.size()), LVSICF_NOSCROLL);
  InvalidateRect(Control(kUserListId), nullptr, TRUE);
  InvalidateRect(Control(kSystemListId), nullptr, TRUE);
}

void MainWindow::UserCommandsSaved() {
  KeepSelections();
  RefreshStatusBar();
  commandIcons_->AssignMissingIcons(userCommands_);
  InvalidateRect(Control(kUserListId), nullptr, TRUE);
}

void MainWindow::KeepSelections() {
  const auto keep = [&](MainControl list, const auto& rows, const std::optional<Selection>& was, auto keyOf) {
    ListView_SetItemState(Control(list), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (rows.empty()) return;
    std::size_t row = was ? std::min(was->row, rows.size() - 1) : 0;
    if (was) {
      for (std::size_t i = 0; i < rows.size(); ++i) {
        if (keyOf(rows[i]) == was->key) row = i;
      }
    }
    Select(list, row);
  };
  // The selections as they were before the rows changed; selecting records them anew.
  const std::optional<Selection> user = userSelection_, system = systemSelection_;
  ShowRows();
  keep(kUserListId, userCommands_, user, [](const UserCommandRow& row) { return LowerAscii(row.fileName); });
  keep(kSystemListId, systemCommands_, system, [](const SystemCommandRow& row) { return row.name; });
}

void MainWindow::RemoveCommand() {
  const bool user = category_ == Category::User;
  const MainControl list = user ? kUserListId : kSystemListId;
  const std::optional<std::size_t> selected = Selected(list);
  // With no selected row there is no command to name, so nothing is asked and nothing deleted.
  if (selected && user && *selected < userCommands_.size()) {
    const UserCommandRow row = userCommands_[*selected];
    if (RemoveUserCommand(store_, prompt_, row)) {
      const int at = RowOfFile(userCommands_, row.fileName);
      if (at >= 0) userCommands_.erase(userCommands_.begin() + at);
      KeepSelections();
      RefreshStatusBar();
    }
  } else if (selected && !user && *selected < systemCommands_.size()) {
    if (RemoveSystemCommand(store_, prompt_, systemCommands_[*selected])) {
      if (!RebuildSystemList(store_, userCommands_, systemCommands_)) TellSystemListFailure(prompt_);
      KeepSelections();
    }
  }
  SetFocus(Control(list));
}

void MainWindow::RefreshFromStore() {
  UserCommandList current;
  LoadDefinitionFiles(store_, current);
  if (MergeRows(userCommands_, current)) {
    health_.clear();
    commandIcons_->AssignMissingIcons(userCommands_);
    if (category_ == Category::User) RefreshStatusBar();
  }
  if (category_ == Category::System && !RebuildSystemList(store_, userCommands_, systemCommands_)) {
    TellSystemListFailure(prompt_);
  }
  KeepSelections();
}

LRESULT MainWindow::OnListNotify(NMHDR& header) {
  const bool user = header.idFrom == kUserListId;
  if (!user && header.idFrom != kSystemListId) return 0;
  switch (header.code) {
    case LVN_GETDISPINFOA: {
      auto& item = reinterpret_cast<NMLVDISPINFOA&>(header).item;  // filled in for the list view
      if (item.iItem < 0) return 0;
      const auto row = static_cast<std::size_t>(item.iItem);
      if (user ? row >= userCommands_.size() : row >= systemCommands_.size()) return 0;
      // Rows count icons from 1 (0: none yet); system rows all show the first picture.
      if (item.mask & LVIF_IMAGE) item.iImage = user ? userCommands_[row].icon - 1 : 0;
      if ((item.mask & LVIF_STATE) && user) {
        item.state |= INDEXTOOVERLAYMASK(OverlayOf(HealthOf(userCommands_[row])));
        item.stateMask |= LVIS_OVERLAYMASK;
      }
      if (item.mask & LVIF_TEXT) {
        const std::string& text = user ? (item.iSubItem == 0   ? userCommands_[row].name
                                          : item.iSubItem == 1 ? userCommands_[row].target
                                                               : userCommands_[row].parameters)
                                       : (item.iSubItem == 0 ? systemCommands_[row].name : systemCommands_[row].target);
        lstrcpynA(item.pszText, text.c_str(), item.cchTextMax);
      }
      return 0;
    }
    // Windows asks an ANSI window in ANSI; Wine asks every window in UTF-16.
    case LVN_ODFINDITEMA:
    case LVN_ODFINDITEMW: {
      const auto& find = reinterpret_cast<const NMLVFINDITEMA&>(header);  // W differs only in the text
      if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz) return -1;
      char prefix[MAX_PATH] = {};
      if (header.code == LVN_ODFINDITEMW) {
        WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const NMLVFINDITEMW&>(header).lvfi.psz, -1, prefix,
                            sizeof prefix - 1, nullptr, nullptr);
      } else {
        lstrcpynA(prefix, find.lvfi.psz, sizeof prefix);
      }
      const bool wrap = (find.lvfi.flags & LVFI_WRAP) != 0;
      return user ? FindRowStartingWith(userCommands_, prefix, find.iStart, wrap)
                  : FindRowStartingWith(systemCommands_, prefix, find.iStart, wrap);
    }
    case LVN_GETINFOTIPA: {
      auto& tip = reinterpret_cast<NMLVGETINFOTIPA&>(header);
      const auto row = static_cast<std::size_t>(tip.iItem);
      if (user && row < userCommands_.size() && tip.cchTextMax > 0) {
        const std::string text = HealthTip(HealthOf(userCommands_[row]), userCommands_[row]);
        if (!text.empty()) lstrcpynA(tip.pszText, text.c_str(), tip.cchTextMax);
      }
      // A system command's row says which key it lives in, the user's or the machine's.
      if (!user && row < systemCommands_.size() && tip.cchTextMax > 0) {
        const SystemCommandRow& command = systemCommands_[row];
        const std::string text = command.target + (command.target.empty() ? "" : "\r\n") + ScopeDescription(command.scope);
        lstrcpynA(tip.pszText, text.c_str(), tip.cchTextMax);
      }
      return 0;
    }
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if ((change.uNewState & LVIS_SELECTED) && change.iItem >= 0) {
        const auto row = static_cast<std::size_t>(change.iItem);
        if (user && row < userCommands_.size()) userSelection_ = Selection{LowerAscii(userCommands_[row].fileName), row};
        if (!user && row < systemCommands_.size()) systemSelection_ = Selection{systemCommands_[row].name, row};
      }
      if (user) RefreshStatusBar();
      return 0;
    }
    case NM_CLICK:
      if (user) RefreshStatusBar();
      return 0;
    // Both act on the selected row, wherever in the list the mouse is.
    case NM_DBLCLK:
    case NM_RETURN:
      if (user) OpenCommandForUpdate();
      return 0;
    case NM_RCLICK:
      if (user) OpenPopup(reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction);
      return 0;
    case LVN_KEYDOWN:
      if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_DELETE) RemoveCommand();
      return 0;
  }
  return 0;
}

}  // namespace quillet
