#include "tests/tools/ui_driver.h"

namespace quillet::tools {

namespace {

constexpr DWORD kPollIntervalMs = 10;
// Long enough for a busy but live program; a hung one makes the calls fail instead of block.
constexpr UINT kReplyTimeoutMs = 5000;

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
  GetWindowTextA(window, title, static_cast<int>(sizeof title));
  return title;
}

// WM_GETTEXT, which the system carries across processes (GetWindowText of another process's Edit
// would give only the text it was created with).
template <typename Char, typename Send>
std::basic_string<Char> TextOf(HWND window, Send send) {
  DWORD_PTR length = 0;
  if (!send(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &length)) return {};
  std::basic_string<Char> text(static_cast<std::size_t>(length) * 2 + 1, Char{});  // bytes of DBCS too
  DWORD_PTR copied = 0;
  if (!send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
            kReplyTimeoutMs, &copied)) {
    return {};
  }
  text.resize(static_cast<std::size_t>(copied));
  return text;
}
std::string TextOf(HWND window) { return TextOf<char>(window, SendMessageTimeoutA); }

std::string WithoutAccelerators(const std::string& caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && ++i == caption.size()) break;  // "&x" shows x, "&&" shows '&'
    shown += caption[i];
  }
  return shown;
}

bool IsShownPushButton(HWND control) {
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  const LONG kind = style & BS_TYPEMASK;
  return IsClass(control, "Button") && (style & WS_VISIBLE) && (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON);
}

std::optional<DialogInfo> ReadDialog(HWND dialog) {
  DWORD_PTR synced = 0;  // answered only once WM_INITDIALOG has finished filling the dialog in
  if (!SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &synced)) return std::nullopt;
  DialogInfo info;
  info.window = dialog;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    const LONG kind = style & SS_TYPEMASK;
    if (IsClass(child, "Static") && (style & WS_VISIBLE) && kind != SS_ICON && kind != SS_BITMAP) {
      const std::wstring text = TextOf<wchar_t>(child, SendMessageTimeoutW);
      if (text.empty()) continue;
      info.text += (info.text.empty() ? L"" : L"\n") + text;
    } else if (IsShownPushButton(child)) {
      info.buttons.push_back(WithoutAccelerators(TextOf(child)));
    } else if (IsClass(child, "Edit") && !info.hasEdit) {
      info.hasEdit = true;
      info.editText = TextOf(child);
    }
  }
  return IsWindow(dialog) ? std::optional<DialogInfo>(info) : std::nullopt;  // not half a picture
}

}  // namespace

std::optional<DialogInfo> WaitForDialog(const std::string& title, DWORD timeoutMs, DWORD processId) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    for (HWND window = FindWindowExA(nullptr, nullptr, "#32770", nullptr); window;
         window = FindWindowExA(nullptr, window, "#32770", nullptr)) {
      if ((processId != 0 && ProcessOf(window) != processId) || StoredTitleOf(window) != title) continue;
      if (auto info = ReadDialog(window)) return info;
    }
    if (GetTickCount64() >= deadline) return std::nullopt;
    Sleep(kPollIntervalMs);
  }
}

bool SetControlText(HWND dialog, int controlId, const std::string& text) {
  HWND control = controlId != 0 ? GetDlgItem(dialog, controlId) : nullptr;
  for (HWND child = GetWindow(dialog, GW_CHILD); controlId == 0 && child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsClass(child, "Edit")) control = child;
    if (control) break;
  }
  DWORD_PTR accepted = FALSE;
  return control && SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                        SMTO_ABORTIFHUNG, kReplyTimeoutMs, &accepted) && accepted == TRUE;
}

bool PressButton(HWND dialog, const std::string& caption) {
  for (HWND button = GetWindow(dialog, GW_CHILD); button; button = GetWindow(button, GW_HWNDNEXT)) {
    if (!IsShownPushButton(button) || !IsWindowEnabled(button) ||
        lstrcmpiA(WithoutAccelerators(TextOf(button)).c_str(), WithoutAccelerators(caption).c_str()) != 0) {
      continue;
    }
    // BM_CLICK would go through mouse capture and focus, which only work reliably in the active
    // window; the WM_COMMAND it ends in does not depend on either.
    const WPARAM command = MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(button)), BN_CLICKED);
    return PostMessageA(dialog, WM_COMMAND, command, reinterpret_cast<LPARAM>(button)) != 0;
  }
  return false;
}

bool WaitForDialogGone(HWND dialog, DWORD timeoutMs) {
  // Window handles can be reused; a window that changed owner or title is no longer this dialog.
  const DWORD processId = ProcessOf(dialog);
  const std::string title = StoredTitleOf(dialog);
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (IsWindow(dialog) && ProcessOf(dialog) == processId && StoredTitleOf(dialog) == title) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(kPollIntervalMs);
  }
  return true;
}

}  // namespace quillet::tools
