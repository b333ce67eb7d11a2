#include "ui/main/action_popup.h"

#include "resources/resource_ids.h"
#include "ui/common/dialog_styling.h"
#include "ui/common/dpi.h"
#include "ui/common/twips.h"

namespace quillet {

namespace {

constexpr const char* kClassName = "QuilletActionPopup";
constexpr DWORD kStyle = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;  // no taskbar button
constexpr COLORREF kBackground = RGB(0xE0, 0xE0, 0xE0);
constexpr int kClientWidth = 2160;  // twips
constexpr int kClientHeight = 990;
constexpr int kStripWidth = 360;
constexpr int kSeparatorTop = 330;
constexpr int kLabelWidth = 1815;  // every label, at the strip's right
constexpr int kLabelHeight = 255;
// Where it opens: this far right of and below the mouse, from the main window's outer corner.
constexpr int kOffsetRight = 1600;
constexpr int kOffsetDown = 650;

struct LabelDesign {
  const char* text;
  int top;  // twips
};
constexpr LabelDesign kLabels[] = {{"  <none>", 60}, {"  Edit Command", 405}, {"  Security Settings", 705}};

}  // namespace

ActionPopup::ActionPopup(ItemHandler onItem)
    : onItem_(std::move(onItem)), background_(CreateSolidBrush(kBackground)) {}

bool ActionPopup::CreateFor(HWND mainWindow) {
  if (Handle()) return true;
  if (!Create(kClassName, "", kStyle, kExStyle, nullptr, nullptr, mainWindow)) return false;
  for (int item = 0; item < 3; ++item) {  // placed by LayOut
    CreateWindowExA(0, "STATIC", kLabels[item].text,
                    WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE, 0, 0, 0, 0, Handle(),
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstLabelId + item)), GetModuleHandleA(nullptr),
                    nullptr);
  }
  return true;
}

// The popup is made once but may open over a main window that has moved to a monitor of another
// DPI since: the labels and their font follow the main window's DPI of the moment.
void ActionPopup::LayOut(UINT dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  ScopedFont font = DesignFont(dpi);
  for (int item = 0; item < 3; ++item) {
    const HWND label = Label(static_cast<Item>(item));
    SetWindowPos(label, nullptr, TwipsToPixels(kStripWidth, dpi), TwipsToPixels(kLabels[item].top, dpi),
                 TwipsToPixels(kLabelWidth, dpi), TwipsToPixels(kLabelHeight, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
  }
  font_ = std::move(font);  // the old font goes once the labels no longer use it
  // Its own copy: the shared one would keep the size of the first loading at any DPI.
  const int icon = SystemMetricAtDpi(SM_CXSMICON, dpi);
  programIcon_.Reset(static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_QUILLET), IMAGE_ICON, icon, icon, 0)));
}

void ActionPopup::Open(HWND mainWindow, POINT mouseInList, const std::string& name) {
  if (!CreateFor(mainWindow)) return;
  Hide();
  const UINT dpi = WindowDpi(mainWindow);
  LayOut(dpi);
  RECT main{};
  GetWindowRect(mainWindow, &main);
  RECT frame{0, 0, TwipsToPixels(kClientWidth, dpi), TwipsToPixels(kClientHeight, dpi)};
  AdjustRectForDpi(frame, kStyle, false, kExStyle, dpi);
  const int left = main.left + mouseInList.x + TwipsToPixels(kOffsetRight, dpi);
  const int top = main.top + mouseInList.y + TwipsToPixels(kOffsetDown, dpi);
  SetWindowTextA(Label(kHeading), ("  " + name).c_str());
  Highlight(-1);  // the light of the last opening would point at an item nobody chose
  SetWindowPos(Handle(), HWND_TOP, left, top, frame.right - frame.left, frame.bottom - frame.top, SWP_SHOWWINDOW);
  SetForegroundWindow(Handle());
  SetFocus(Handle());
}

void ActionPopup::Hide() {
  if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

void ActionPopup::Highlight(int item) {
  if (item == highlighted_) return;
  highlighted_ = item;
  for (int i = 0; i < 3; ++i) InvalidateRect(Label(static_cast<Item>(i)), nullptr, TRUE);
}

// As in a menu: the arrow keys move the light, Enter or Space chooses, Esc closes.
void ActionPopup::OnKey(UINT key) {
  if (key == VK_ESCAPE) Hide();
  if (key == VK_DOWN || key == VK_UP) {
    const int step = key == VK_DOWN ? 1 : 2;  // two steps forward is one back, round the three labels
    Highlight(highlighted_ < 0 ? kEditCommand : (highlighted_ + step) % 3);
  }
  if ((key == VK_RETURN || key == VK_SPACE) && highlighted_ >= 0) {
    Hide();
    if (onItem_) onItem_(static_cast<Item>(highlighted_));
  }
}

void ActionPopup::Paint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(Handle(), &paint);
  const UINT dpi = dpi_;  // the labels' DPI, so that the strip and the line fit them
  RECT client{};
  GetClientRect(Handle(), &client);
  // The strip on the left: the highlight colour with the program's icon at its top.
  RECT strip{0, 0, TwipsToPixels(kStripWidth, dpi), client.bottom};
  FillRect(dc, &strip, GetSysColorBrush(COLOR_HIGHLIGHT));
  const int icon = SystemMetricAtDpi(SM_CXSMICON, dpi);
  DrawIconEx(dc, (strip.right - icon) / 2, (strip.right - icon) / 2, programIcon_.Get(), icon, icon, 0, nullptr,
             DI_NORMAL);
  RECT rest{strip.right, 0, client.right, client.bottom};
  FillRect(dc, &rest, background_.Get());
  // The line under the heading.
  const int line = TwipsToPixels(kSeparatorTop, dpi);
  RECT separator{strip.right, line, client.right, line + 1};
  FillRect(dc, &separator, GetSysColorBrush(COLOR_BTNSHADOW));
  EndPaint(Handle(), &paint);
}

LRESULT ActionPopup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SETCURSOR: {
      // The labels pass this up as the mouse moves over them; the last one touched stays lit.
      const int id = GetDlgCtrlID(reinterpret_cast<HWND>(wParam));
      if (id >= kFirstLabelId && id < kFirstLabelId + 3) Highlight(id - kFirstLabelId);
      break;
    }
    case WM_CTLCOLORSTATIC: {
      const bool lit = GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) - kFirstLabelId == highlighted_;
      const HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, lit ? RGB(0xFF, 0xFF, 0xFF) : RGB(0, 0, 0));
      SetBkColor(dc, lit ? GetSysColor(COLOR_DESKTOP) : kBackground);
      return reinterpret_cast<LRESULT>(lit ? GetSysColorBrush(COLOR_DESKTOP) : background_.Get());
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == STN_CLICKED) {
        Hide();
        if (onItem_) onItem_(static_cast<Item>(LOWORD(wParam) - kFirstLabelId));
      }
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) Hide();  // a click elsewhere closes it
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;  // the keys below are the popup's, not the dialog manager's
    case WM_KEYDOWN:
      OnKey(static_cast<UINT>(wParam));
      return 0;
  }
  return WindowBase::HandleMessage(message, wParam, lParam);
}

}  // namespace quillet
