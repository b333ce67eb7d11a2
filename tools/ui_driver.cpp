#include "tools/ui_driver.h"

#include "tools/icon_probe.h"
#include "tools/window_query.h"

namespace quillet::tools {

namespace {

constexpr DWORD kPollIntervalMs = 10;
constexpr UINT kReplyTimeoutMs = 5000;
constexpr const char* kDialogClass = "#32770";

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

// The stored title, read without sending a message, so polling never waits on a busy program.
std::string StoredTitleOf(HWND window) {
  char title[512];
  const int length = GetWindowTextA(window, title, static_cast<int>(sizeof title));
  return std::string(title, length > 0 ? static_cast<std::size_t>(length) : 0);
}

struct DialogSearch {
  const std::string& title;
  DWORD processId;
  HWND found = nullptr;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<DialogSearch*>(context);
  if (search.processId != 0 && ProcessOf(window) != search.processId) return TRUE;
  if (ClassNameOf(window) != kDialogClass || StoredTitleOf(window) != search.title) return TRUE;
  search.found = window;
  return FALSE;
}

HWND FindDialog(const std::string& title, DWORD processId) {
  DialogSearch search{title, processId};
  EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

MessageIcon IconOf(HWND iconStatic) {
  const DWORD owner = ProcessOf(iconStatic);
  DWORD_PTR handle = 0;
  SendMessageTimeoutA(iconStatic, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &handle);
  const auto icon = reinterpret_cast<HICON>(handle);
  if (owner == GetCurrentProcessId() || icon == nullptr) return SystemIconKind(icon);
  if (const auto probed = ProbeIconInOwner(iconStatic)) return *probed;
  // Without the probe: Windows shares system icon handles between processes, Wine does not.
  return SystemIconKind(icon);
}

template <typename Match>
HWND FindChild(HWND dialog, Match matches) {
  for (HWND child : ChildrenOf(dialog)) {
    if (matches(child)) return child;
  }
  return nullptr;
}

bool IsClass(HWND control, const char* className) {
  return lstrcmpiA(ClassNameOf(control).c_str(), className) == 0;
}

bool IsShownPushButton(HWND control) {
  return IsClass(control, "Button") && IsPushButton(control) && HasVisibleStyle(control);
}

}  // namespace

std::optional<DialogInfo> WaitForDialog(const std::string& title, DWORD timeoutMs, DWORD processId) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (const HWND dialog = FindDialog(title, processId)) {
      auto info = ReadDialog(dialog);
      if (info && info->title == title) return info;
    }
    if (GetTickCount64() >= deadline) return std::nullopt;
    Sleep(kPollIntervalMs);
  }
}

std::optional<DialogInfo> ReadDialog(HWND dialog) {
  if (!IsWindow(dialog) || !SyncWithOwnerThread(dialog)) return std::nullopt;
  DialogInfo info;
  info.window = dialog;
  info.processId = ProcessOf(dialog);
  info.title = TextOf(dialog);

  bool iconSeen = false;
  for (HWND child : ChildrenOf(dialog)) {
    if (IsClass(child, "Static")) {
      if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && !iconSeen) {
        iconSeen = true;
        info.icon = IconOf(child);
      } else if (!IsPictureStatic(child) && HasVisibleStyle(child)) {
        const std::string text = TextOf(child);
        if (text.empty()) continue;
        if (!info.text.empty()) {
          info.text += '\n';
          info.wideText += L'\n';
        }
        info.text += text;
        info.wideText += WideTextOf(child);
      }
    } else if (IsShownPushButton(child)) {
      info.buttons.push_back(WithoutAccelerators(TextOf(child)));
    } else if (IsClass(child, "Edit") && !info.hasEdit) {
      info.hasEdit = true;
      info.editText = TextOf(child);
    }
  }
  // A dialog closed while being read would leave half a picture.
  if (!IsWindow(dialog)) return std::nullopt;
  return info;
}

namespace {
bool SetText(HWND control, const std::string& text) {
  if (control == nullptr) return false;
  DWORD_PTR accepted = FALSE;
  return SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                             kReplyTimeoutMs, &accepted) != 0 &&
         accepted == TRUE;
}
}  // namespace

bool SetEditText(HWND dialog, const std::string& text) {
  return SetText(FindChild(dialog, [](HWND child) { return IsClass(child, "Edit"); }), text);
}

bool SetControlText(HWND dialog, int controlId, const std::string& text) {
  return SetText(GetDlgItem(dialog, controlId), text);
}

bool PressButton(HWND dialog, const std::string& caption) {
  const HWND button = FindChild(
      dialog, [&](HWND child) { return IsShownPushButton(child) && SameCaption(TextOf(child), caption); });
  if (button == nullptr || !IsWindowEnabled(button)) return false;
  // BM_CLICK would go through mouse capture and focus, which only work reliably in the
  // active window; the WM_COMMAND it ends in does not depend on either.
  const WPARAM command = MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(button)), BN_CLICKED);
  return PostMessageA(dialog, WM_COMMAND, command, reinterpret_cast<LPARAM>(button)) != 0;
}

bool WaitForDialogGone(HWND dialog, DWORD timeoutMs) {
  // Window handles can be reused; a window that changed owner or title is no longer this dialog.
  const DWORD processId = ProcessOf(dialog);
  const std::string title = StoredTitleOf(dialog);
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (!IsWindow(dialog) || ProcessOf(dialog) != processId || StoredTitleOf(dialog) != title) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(kPollIntervalMs);
  }
}

}  // namespace quillet::tools
