#include "ui/settings/link_labels.h"

#include <algorithm>
#include <cctype>

#include "resources/resource_ids.h"
#include "ui/common/dialog_styling.h"
#include "ui/common/scoped_ui_handles.h"

namespace quillet {

namespace {

bool IsMailAddress(const std::string& address) {
  return address.find('@') != std::string::npos && address.find(':') == std::string::npos;
}

// Percent-encodes all but the characters a mailto header value may hold as they are.
std::string Encoded(const std::string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const unsigned char c : text) {
    if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
      encoded += static_cast<char>(c);
    } else {
      encoded += {'%', kHex[c >> 4], kHex[c & 15]};
    }
  }
  return encoded;
}

// Narrows a label to its text, so that the pointer and the click belong to the words only.
void FitToText(HWND label, HFONT font) {
  const ScopedWindowDc dc(label);
  if (!dc.Get()) return;
  SIZE size{};
  {
    const ScopedSelection textFont(dc.Get(), font);
    char text[256] = {};
    const int length = GetWindowTextA(label, text, sizeof text);
    GetTextExtentPoint32A(dc.Get(), text, length, &size);
  }
  RECT bounds{};
  GetClientRect(label, &bounds);
  SetWindowPos(label, nullptr, 0, 0, std::min<LONG>(size.cx + 1, bounds.right), bounds.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HCURSOR ProgramCursor(int id) { return LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }

}  // namespace

std::string LinkTarget(const LinkLabel& link) {
  if (!IsMailAddress(link.address)) return link.address;
  return "mailto:" + link.address + (link.subject.empty() ? "" : "?subject=" + Encoded(link.subject));
}

LinkLabels::LinkLabels(ShellLauncher& shell, std::vector<LinkLabel> links) : shell_(shell), links_(std::move(links)) {}

const LinkLabel* LinkLabels::Find(int control) const {
  const auto found =
      std::find_if(links_.begin(), links_.end(), [&](const LinkLabel& l) { return l.control == control; });
  return found == links_.end() ? nullptr : &*found;
}

bool LinkLabels::IsLink(int control) const {
  return Find(control) || std::find(windowLinks_.begin(), windowLinks_.end(), control) != windowLinks_.end();
}

void LinkLabels::Init(HWND dialog, std::initializer_list<int> windowLinks) {
  windowLinks_.assign(windowLinks);
  for (const LinkLabel& link : links_) SetDlgItemTextA(dialog, link.control, link.address.c_str());
  font_ = DerivedFont(dialog, {.underline = true});
  if (!font_) return;
  std::vector<int> controls = windowLinks_;
  for (const LinkLabel& link : links_) controls.push_back(link.control);
  for (const int control : controls) {
    SendDlgItemMessageA(dialog, control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    FitToText(GetDlgItem(dialog, control), font_.Get());
  }
}

bool LinkLabels::OnCommand(HWND dialog, int id, int code) {
  const LinkLabel* link = Find(id);
  if (!link || code != STN_CLICKED) return false;
  // Not checked: without a browser or a mail program there is nothing more to do here.
  shell_.Open(OpenRestored(dialog, LinkTarget(*link)));
  return true;
}

bool LinkLabels::OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  if (message == WM_CTLCOLORSTATIC) {
    if (!IsLink(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)))) return false;
    const auto dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, GetSysColor(COLOR_HOTLIGHT));
    SetBkMode(dc, TRANSPARENT);
    result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    return true;
  }
  if (message != WM_SETCURSOR) return false;
  // The dialog is asked first about the pointer over each of its controls.
  const auto over = reinterpret_cast<HWND>(wParam);
  if (over == dialog || GetParent(over) != dialog || !IsLink(GetDlgCtrlID(over))) return false;
  const LinkLabel* link = Find(GetDlgCtrlID(over));
  const HCURSOR cursor = !link                          ? LoadCursorA(nullptr, MAKEINTRESOURCEA(32649))  // IDC_HAND
                         : IsMailAddress(link->address) ? ProgramCursor(IDCUR_MAIL_LINK)
                                                        : ProgramCursor(IDCUR_WEB_LINK);
  SetCursor(cursor);
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
  result = TRUE;
  return true;
}

}  // namespace quillet
