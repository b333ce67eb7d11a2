#include "ui/main/main_window.h"

#include <commctrl.h>

#include "resources/resource_ids.h"
#include "store/app_paths_store.h"
#include "store/definition_store.h"
#include "store/file_types.h"
#include "ui/common/common_controls.h"
#include "ui/common/twips.h"
#include "ui/main/main_layout.h"

namespace quillet {

namespace {

constexpr const char* kClassName = "QuilletMainWindow";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

struct ControlDesign {
  MainControl id;
  const char* windowClass;
  const char* text;
  DWORD style;
  int left, top, width, height;  // twips
};

constexpr DWORD kListStyle = WS_CHILD | WS_TABSTOP | WS_BORDER | LVS_SHOWSELALWAYS | LVS_SINGLESEL;

// The controls as designed; the layout pass moves them when the window is resized.
constexpr ControlDesign kControls[] = {
    {kMenuPaneId, WC_LISTVIEWA, "", kListStyle | WS_VISIBLE | LVS_ICON | LVS_NOSCROLL, kMenuPaneLeft, 0, kMenuPaneWidth, 5775},
    {kUserListId, WC_LISTVIEWA, "", kListStyle | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA, kListLeft, kListTop, 9225, 5775},
    {kSystemListId, WC_LISTVIEWA, "", kListStyle | LVS_REPORT | LVS_OWNERDATA, kListLeft, kListTop, 9225, 5775},
    {kAddButtonId, "BUTTON", "&Add Command", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 120, 5880, 1335, 375},
    {kRemoveButtonId, "BUTTON", "&Remove Command", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 1560, 5880, 1575, 375},
    {kHelpPictureId, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ICON | SS_NOTIFY, 10080, 5880, 480, 480},
};

struct ColumnDesign {
  MainControl list;
  const char* caption;
};
constexpr ColumnDesign kColumns[] = {
    {kMenuPaneId, "Views"},
    {kUserListId, "Command"}, {kUserListId, "Path"}, {kUserListId, "Parameter(s)"},
    {kSystemListId, "Command"}, {kSystemListId, "Path"},
};

constexpr COLORREF kListBackground = RGB(0xE0, 0xE0, 0xE0);
constexpr COLORREF kMenuPaneBackground = RGB(0x80, 0x80, 0x80);
constexpr int kStatusPanelWidth = 3510;  // twips, each of the three panels

void SetColumnWidth(HWND list, int column, double twips, UINT dpi) {
  ListView_SetColumnWidth(list, column, TwipsToPixels(twips, dpi));
}

void MoveControl(HWND control, double left, double top, double width, double height, UINT dpi) {
  if (width < 0 || height < 0) return;  // a measure that comes out negative is skipped
  SetWindowPos(control, nullptr, TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), TwipsToPixels(width, dpi),
               TwipsToPixels(height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

bool MainWindow::Create() {
  InitializeCommonControls();
  const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_QUILLET));
  if (!WindowBase::Create(kClassName, "Quillet", kStyle, 0, nullptr, icon)) return false;
  CreateControls();

  const UINT dpi = GetDpiForWindow(Handle());
  RECT frame{0, 0, TwipsToPixels(kDesignClientWidth, dpi), TwipsToPixels(kDesignClientHeight, dpi)};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, dpi);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(Handle(), nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void MainWindow::CreateControls() {
  const UINT dpi = GetDpiForWindow(Handle());
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const ControlDesign& design : kControls) {
    const HWND control = CreateWindowExA(
        0, design.windowClass, design.text, design.style, TwipsToPixels(design.left, dpi),
        TwipsToPixels(design.top, dpi), TwipsToPixels(design.width, dpi), TwipsToPixels(design.height, dpi), Handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), instance, nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  for (const ColumnDesign& design : kColumns) {
    const HWND list = Control(design.list);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(design.caption);
    column.cx = 100;
    const int count = Header_GetItemCount(ListView_GetHeader(list));
    ListView_InsertColumn(list, count < 0 ? 0 : count, &column);
  }
  for (MainControl id : {kUserListId, kSystemListId}) {
    const HWND list = Control(id);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    ListView_SetBkColor(list, kListBackground);
    ListView_SetTextBkColor(list, kListBackground);
  }
  const HWND menuPane = Control(kMenuPaneId);
  ListView_SetBkColor(menuPane, kMenuPaneBackground);
  ListView_SetTextBkColor(menuPane, kMenuPaneBackground);
  ListView_SetTextColor(menuPane, RGB(0xFF, 0xFF, 0xFF));

  const HWND status = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                      Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)),
                                      instance, nullptr);
  int edges[3];
  for (int i = 0; i < 3; ++i) edges[i] = TwipsToPixels(kStatusPanelWidth * (i + 1), dpi);
  SendMessageA(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
}

void MainWindow::FinishNormalStart(const StoreContext& store) {
  ShowWindow(Handle(), SW_SHOW);
  UpdateWindow(Handle());
  LoadDefinitionFiles(store, userCommands_);
  ShowUserRows();
  RefreshStatusBar();
  SetWindowTextA(Handle(), "Quillet");
  WriteBuiltInVerbs(store);
}

void MainWindow::ShowUserRows() {
  ListView_SetItemCountEx(Control(kUserListId), static_cast<int>(userCommands_.size()), 0);
}

void MainWindow::RefreshStatusBar() {
  const int selected = ListView_GetNextItem(Control(kUserListId), -1, LVNI_SELECTED);
  const StatusTexts texts = StatusBarTexts(
      userCommands_, selected >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(selected)) : std::nullopt);
  const HWND status = Control(kStatusBarId);
  SendMessageA(status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(texts.count.c_str()));
  SendMessageA(status, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(texts.type.c_str()));
}

void MainWindow::OnSize() {
  const HWND status = Control(kStatusBarId);
  if (status) SendMessageA(status, WM_SIZE, 0, 0);  // it follows the bottom edge by itself
  if (inLayout_ || IsIconic(Handle()) || !Control(kUserListId)) return;
  const UINT dpi = GetDpiForWindow(Handle());
  RECT outer{};
  GetWindowRect(Handle(), &outer);
  const double width = PixelsToTwips(outer.right - outer.left, dpi);
  const double height = PixelsToTwips(outer.bottom - outer.top, dpi);
  const MainLayout layout = LayoutMainWindow(width, height);
  if ((layout.restoreWidth || layout.restoreHeight) && rememberedWidth_ > 0) {
    // Too small: put the size of the last pass back; that resize runs the pass again.
    SetWindowPos(Handle(), nullptr, 0, 0, TwipsToPixels(layout.restoreWidth ? rememberedWidth_ : width, dpi),
                 TwipsToPixels(layout.restoreHeight ? rememberedHeight_ : height, dpi),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  inLayout_ = true;
  for (MainControl id : {kUserListId, kSystemListId}) {
    MoveControl(Control(id), kListLeft, kListTop, layout.listWidth, layout.listHeight, dpi);
  }
  MoveControl(Control(kMenuPaneId), kMenuPaneLeft, 0, kMenuPaneWidth, layout.listHeight, dpi);
  const HWND userList = Control(kUserListId);
  SetColumnWidth(userList, 0, layout.userColumns.command, dpi);
  SetColumnWidth(userList, 1, layout.userColumns.path, dpi);
  SetColumnWidth(userList, 2, layout.userColumns.parameters, dpi);
  const HWND systemList = Control(kSystemListId);
  SetColumnWidth(systemList, 0, layout.systemColumns.command, dpi);
  SetColumnWidth(systemList, 1, layout.systemColumns.path, dpi);
  MoveControl(Control(kAddButtonId), 120, layout.buttonTop, 1335, 375, dpi);
  MoveControl(Control(kRemoveButtonId), 1560, layout.buttonTop, 1575, 375, dpi);
  MoveControl(Control(kHelpPictureId), layout.helpPictureLeft, layout.buttonTop, kHelpPictureSize, kHelpPictureSize, dpi);
  rememberedWidth_ = width;
  rememberedHeight_ = height;
  inLayout_ = false;
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
  if (header.code == LVN_GETDISPINFOA) {
    auto& item = reinterpret_cast<const NMLVDISPINFOA&>(header).item;
    if (!(item.mask & LVIF_TEXT) || item.iItem < 0) return 0;
    const std::size_t row = static_cast<std::size_t>(item.iItem);
    const std::string* text = nullptr;
    if (header.idFrom == kUserListId && row < userCommands_.size()) {
      const UserCommandRow& command = userCommands_[row];
      text = item.iSubItem == 0 ? &command.name : item.iSubItem == 1 ? &command.target : &command.parameters;
    } else if (header.idFrom == kSystemListId && row < systemCommands_.size()) {
      text = item.iSubItem == 0 ? &systemCommands_[row].name : &systemCommands_[row].target;
    }
    if (text) lstrcpynA(item.pszText, text->c_str(), item.cchTextMax);
    return 0;
  }
  if (header.idFrom == kUserListId && (header.code == NM_CLICK || header.code == LVN_ITEMCHANGED)) {
    RefreshStatusBar();
  }
  return 0;
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_DESTROY:
      // Closing the main window ends the program.
      PostQuitMessage(0);
      return 0;
  }
  return WindowBase::HandleMessage(message, wParam, lParam);
}

}  // namespace quillet
