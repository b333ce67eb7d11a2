#include "tools/window_query.h"

#include <type_traits>

namespace quillet::tools {

namespace {
// Long enough for a busy but live program; a hung one makes the calls fail instead of block.
constexpr UINT kReplyTimeoutMs = 5000;

bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
  return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &result) != 0;
}
}  // namespace

std::string ClassNameOf(HWND window) {
  char name[256];
  const int length = GetClassNameA(window, name, static_cast<int>(sizeof name));
  return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

namespace {
// WM_GETTEXT through the ANSI or the wide window functions, by the string wanted.
template <typename Char>
std::basic_string<Char> TextThrough(HWND window) {
  const auto send = std::is_same_v<Char, wchar_t> ? SendMessageTimeoutW : SendMessageTimeoutA;
  DWORD_PTR length = 0;
  if (!send(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &length)) return {};
  // WM_GETTEXTLENGTH may count characters, not bytes; twice that covers double-byte code pages.
  std::basic_string<Char> text(static_cast<std::size_t>(length) * 2 + 1, Char{});
  DWORD_PTR copied = 0;
  if (!send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
            kReplyTimeoutMs, &copied)) {
    return {};
  }
  text.resize(static_cast<std::size_t>(copied));
  return text;
}
}  // namespace

std::string TextOf(HWND window) { return TextThrough<char>(window); }
std::wstring WideTextOf(HWND window) { return TextThrough<wchar_t>(window); }

std::string WithoutAccelerators(std::string_view caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 == caption.size()) break;
      ++i;  // "&x" shows x, "&&" shows '&'
    }
    shown += caption[i];
  }
  return shown;
}

bool SameCaption(std::string_view a, std::string_view b) {
  return lstrcmpiA(WithoutAccelerators(a).c_str(), WithoutAccelerators(b).c_str()) == 0;
}

std::vector<HWND> ChildrenOf(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

bool IsPictureStatic(HWND control) {
  const LONG kind = GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK;
  return kind == SS_ICON || kind == SS_BITMAP || kind == SS_ENHMETAFILE;
}

bool IsPushButton(HWND control) {
  switch (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
      return true;
    default:
      return false;
  }
}

bool HasVisibleStyle(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

bool SyncWithOwnerThread(HWND window) {
  DWORD_PTR ignored = 0;
  return SendWithTimeout(window, WM_NULL, 0, 0, ignored);
}

}  // namespace quillet::tools
