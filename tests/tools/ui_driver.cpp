// The dialog driver (ui_driver.h) and the control driver (control_driver.h): both reach into
// windows of another process and share the helpers for that.

#include "tests/tools/ui_driver.h"

#include <commctrl.h>

#include <iterator>
#include <regex>

#include "store/scoped_handles.h"
#include "tests/tools/control_driver.h"

namespace quillet::tools {

namespace {

// Long enough for a busy but live program; a hung one makes the calls fail instead of block.
constexpr UINT kReplyTimeoutMs = 5000;
constexpr int kTextCapacity = 1024;

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

bool IsClass(HWND window, const char* name) {
  char found[64] = {};
  GetClassNameA(window, found, sizeof found);
  return lstrcmpiA(found, name) == 0;
}

// The stored title, read without sending a message, so polling never waits on a busy program.
std::string StoredTitleOf(HWND window) {
  char title[512] = {};
  GetWindowTextA(window, title, sizeof title);
  return title;
}

// WM_GETTEXT, which the system carries across processes (GetWindowText of another process's Edit
// would give only the text it was created with); wide, for characters the ANSI code page lacks.
template <typename Char, typename Send>
std::basic_string<Char> TextOf(HWND window, Send send) {
  Char text[4096] = {};  // left empty when the program does not answer in time
  send(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, kReplyTimeoutMs, nullptr);
  return text;
}
std::string TextOf(HWND window) { return TextOf<char>(window, SendMessageTimeoutA); }

// "&x" shows x, "&&" shows '&'.
std::string WithoutAccelerators(const std::string& text) { return std::regex_replace(text, std::regex("&(.)"), "$1"); }

bool IsShownPushButton(HWND control) {
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  const LONG kind = style & BS_TYPEMASK;
  return IsClass(control, "Button") && (style & WS_VISIBLE) && (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON);
}

std::optional<DialogInfo> ReadDialog(HWND dialog) {
  // Answered only once WM_INITDIALOG has finished filling the dialog in.
  if (!SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs, nullptr)) return std::nullopt;
  DialogInfo info;
  info.window = dialog;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    const LONG kind = style & SS_TYPEMASK;
    if (IsClass(child, "Static") && (style & WS_VISIBLE) && kind != SS_ICON && kind != SS_BITMAP) {
      const std::wstring text = TextOf<wchar_t>(child, SendMessageTimeoutW);
      if (!text.empty()) info.text += (info.text.empty() ? L"" : L"\n") + text;
    }
  }
  const HWND edit = FindWindowExA(dialog, nullptr, "Edit", nullptr);
  info.hasEdit = edit != nullptr;
  if (edit) info.editText = TextOf(edit);
  return IsWindow(dialog) ? std::optional<DialogInfo>(info) : std::nullopt;  // not half a picture
}

// Sends a message whose lParam points at `record` to a control of another process. The pointer
// has to be good there, so the record is copied into memory placed in that process, followed by a
// text buffer that a record's pszText is pointed at; the record and that text come back after the
// call. 0 when the memory could not be used.
template <typename Record>
LRESULT SendThere(HWND control, UINT message, WPARAM wParam, Record& record, std::string* text = nullptr) {
  const ScopedProcess process(
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessOf(control)));
  char* memory = static_cast<char*>(
      VirtualAllocEx(process.Get(), nullptr, sizeof record + kTextCapacity, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (!memory) return 0;
  if constexpr (requires { record.pszText; }) {
    record.pszText = memory + sizeof record;
    record.cchTextMax = kTextCapacity;
  }
  const LRESULT result = WriteProcessMemory(process.Get(), memory, &record, sizeof record, nullptr)
                             ? SendMessageA(control, message, wParam, reinterpret_cast<LPARAM>(memory))
                             : 0;
  char buffer[kTextCapacity] = {};
  ReadProcessMemory(process.Get(), memory, &record, sizeof record, nullptr);
  if (text && ReadProcessMemory(process.Get(), memory + sizeof record, buffer, kTextCapacity - 1, nullptr)) {
    *text = buffer;
  }
  VirtualFreeEx(process.Get(), memory, 0, MEM_RELEASE);
  return result;
}

}  // namespace

bool Eventually(const std::function<bool()>& condition, DWORD timeoutMs, DWORD intervalMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(intervalMs);
  }
  return true;
}

HWND WaitForWindow(const char* className, DWORD processId, DWORD timeoutMs, const std::function<bool(HWND)>& accept) {
  HWND found = nullptr;
  Eventually([&] {
    while ((found = FindWindowExA(nullptr, found, className, nullptr))) {
      if ((!processId || ProcessOf(found) == processId) && accept(found)) return true;
    }
    return false;
  }, timeoutMs);
  return found;
}

std::optional<DialogInfo> WaitForDialog(const std::string& title, DWORD timeoutMs, DWORD processId) {
  std::optional<DialogInfo> found;
  WaitForWindow("#32770", processId, timeoutMs,
                [&](HWND window) { return StoredTitleOf(window) == title && (found = ReadDialog(window)); });
  return found;
}

bool SetControlText(HWND dialog, int controlId, const std::string& text) {
  const HWND control = controlId != 0 ? GetDlgItem(dialog, controlId) : FindWindowExA(dialog, nullptr, "Edit", nullptr);
  DWORD_PTR accepted = FALSE;
  return control && SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                        SMTO_ABORTIFHUNG, kReplyTimeoutMs, &accepted) && accepted == TRUE;
}

bool PressButton(HWND dialog, const std::string& caption) {
  HWND found = nullptr;
  Eventually([&] {
    for (HWND button = GetWindow(dialog, GW_CHILD); button && !found; button = GetWindow(button, GW_HWNDNEXT)) {
      if (IsShownPushButton(button) && IsWindowEnabled(button) &&
          lstrcmpiA(WithoutAccelerators(TextOf(button)).c_str(), WithoutAccelerators(caption).c_str()) == 0) {
        found = button;
      }
    }
    return found != nullptr;
  }, kReplyTimeoutMs);
  if (!found) return false;
  // BM_CLICK would go through mouse capture and focus, which only work reliably in the active
  // window; the WM_COMMAND it ends in does not depend on either.
  const WPARAM command = MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(found)), BN_CLICKED);
  return PostMessageA(dialog, WM_COMMAND, command, reinterpret_cast<LPARAM>(found)) != 0;
}

bool WaitForDialogGone(HWND dialog, DWORD timeoutMs) {
  // Window handles can be reused; a window that changed owner or title is no longer this dialog.
  const DWORD processId = ProcessOf(dialog);
  const std::string title = StoredTitleOf(dialog);
  return Eventually(
      [&] { return !IsWindow(dialog) || ProcessOf(dialog) != processId || StoredTitleOf(dialog) != title; }, timeoutMs);
}

std::vector<std::vector<std::string>> ReadListViewRows(HWND list, int columns) {
  std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)));
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (int column = 0; column < columns; ++column) {
      LVITEMA item{};
      item.iSubItem = column;
      SendThere(list, LVM_GETITEMTEXTA, row, item, &rows[row].emplace_back());
    }
  }
  return rows;
}

std::string StatusBarText(HWND status, int part) {
  char text[kTextCapacity] = {};  // SB_GETTEXT's lParam is the text buffer itself
  SendThere(status, SB_GETTEXTA, static_cast<WPARAM>(part), text);
  text[kTextCapacity - 1] = '\0';
  return text;
}

bool ClickListViewRow(HWND list, int row, Clicks clicks) {
  RECT rect{};
  rect.left = LVIR_LABEL;  // which part of the row LVM_GETITEMRECT measures
  if (!SendThere(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), rect)) return false;
  const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageA(list, WM_LBUTTONUP, 0, point);
  if (clicks == Clicks::Double) {
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    PostMessageA(list, WM_LBUTTONUP, 0, point);
  }
  return true;
}

bool SelectTreeChild(HWND tree, const std::string& text) {
  const auto next = [tree](UINT relation, HTREEITEM item) {
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
  };
  const HTREEITEM selected = next(TVGN_CARET, nullptr);
  if (!selected) return false;
  // Opening the node lets its owner list the folders in it.
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(selected));
  for (HTREEITEM child = next(TVGN_CHILD, selected); child; child = next(TVGN_NEXT, child)) {
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = child;
    std::string shown;
    if (SendThere(tree, TVM_GETITEMA, 0, item, &shown) && lstrcmpiA(shown.c_str(), text.c_str()) == 0) {
      return SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(child)) != 0;
    }
  }
  return false;
}

}  // namespace quillet::tools
