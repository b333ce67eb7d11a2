// The main window's controls, layout, DPI, focus and message dispatch.

#include "ui/main/main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "resources/resource_ids.h"
#include "store/app_paths_store.h"
#include "store/definition_store.h"
#include "store/shadowing.h"
#include "ui/common/dialog_styling.h"
#include "ui/common/dpi.h"
#include "ui/common/twips.h"
#include "ui/common/input_blocked.h"
#include "ui/common/store_messages.h"
#include "ui/common/script_wait.h"
#include "ui/main/main_menu.h"

namespace quillet {

namespace {

constexpr const char* kClassName = "QuilletMainWindow";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr ULONGLONG kRefreshDelayMs = 300;

// The window owns the image lists; the list views only borrow them.
constexpr DWORD kListStyle = WS_CHILD | WS_TABSTOP | WS_BORDER | LVS_SHOWSELALWAYS | LVS_SINGLESEL | LVS_SHAREIMAGELISTS;

// What each control is; where it goes is kMainControlPlaces' (main_layout.h).
struct ControlKind {
  MainControl id;
  const char* windowClass;
  const char* text;  // also the name screen readers give the control
  DWORD style;
};
constexpr ControlKind kControls[] = {
    {kCategoryPaneId, WC_LISTVIEWA, "Categories", kListStyle | WS_VISIBLE | LVS_ICON | LVS_NOSCROLL},
    {kUserListId, WC_LISTVIEWA, "My Commands", kListStyle | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA},
    {kSystemListId, WC_LISTVIEWA, "System Commands", kListStyle | LVS_REPORT | LVS_OWNERDATA},
    {kAddButtonId, "BUTTON", "&Add Command", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
    {kRemoveButtonId, "BUTTON", "&Remove Command", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
    {kHelpPictureId, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ICON | SS_NOTIFY},
};

struct ColumnDesign {
  MainControl list;
  const char* caption;
};
constexpr ColumnDesign kColumns[] = {
    {kCategoryPaneId, "Views"},
    {kUserListId, "Command"}, {kUserListId, "Path"}, {kUserListId, "Parameter(s)"},
    {kSystemListId, "Command"}, {kSystemListId, "Path"},
};

constexpr COLORREF kListBackground = kIconBackground;
constexpr COLORREF kCategoryPaneBackground = RGB(0x80, 0x80, 0x80);
constexpr int kStatusPanelWidth = 3510;  // twips, each of the three panels

void SetColumnWidth(HWND list, int column, double twips, UINT dpi) {
  ListView_SetColumnWidth(list, column, TwipsToPixels(twips, dpi));
}

}  // namespace

MainWindow::MainWindow(const StoreContext& store, Prompt& prompt)
    : store_(store), prompt_(prompt), popup_([this](ActionPopup::Item item) { OnPopupItem(item); }) {
  // A wait for a script in the middle of an action handles messages, so that the windows stay
  // painted; meanwhile this window takes no input, so that no second action starts inside it.
  store_.waitForScript = [this](HANDLE script, const std::string& file, DWORD timeoutMs) {
    const InputBlocked busy(Handle());
    return WaitForScriptWithMessages(script, file, timeoutMs);
  };
}

bool MainWindow::Create() {
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_QUILLET));
  if (!WindowBase::Create(kClassName, "Quillet", kStyle, 0, CreateMainMenu(), icon)) return false;
  store_.owner = Handle();
  shortcuts_.Reset(CreateMainAccelerators());
  CreateControls();

  const UINT dpi = WindowDpi(Handle());
  RECT frame{0, 0, TwipsToPixels(kDesignClientWidth, dpi), TwipsToPixels(kDesignClientHeight, dpi)};
  AdjustRectForDpi(frame, kStyle, true, 0, dpi);  // the design size is the client area below the menu bar
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(Handle(), nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void MainWindow::CreateControls() {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  // Placed by the first layout pass.
  for (const ControlKind& kind : kControls) {
    CreateWindowExA(0, kind.windowClass, kind.text, kind.style, 0, 0, 0, 0, Handle(),
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kind.id)), instance, nullptr);
  }
  SetWindowTextA(Control(kHelpPictureId), "Help");  // its name, before a picture takes the place of the text
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
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    ListView_SetBkColor(list, kListBackground);
    ListView_SetTextBkColor(list, kListBackground);
  }
  // A user command's icon carries a mark when the command cannot work (see command_health.h).
  ListView_SetCallbackMask(Control(kUserListId), LVIS_OVERLAYMASK);
  const HWND pane = Control(kCategoryPaneId);
  ListView_SetBkColor(pane, kCategoryPaneBackground);
  ListView_SetTextBkColor(pane, kCategoryPaneBackground);
  ListView_SetTextColor(pane, RGB(0xFF, 0xFF, 0xFF));

  const HWND status = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                      Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)), instance,
                                      nullptr);
  SetWindowSubclass(status, StatusBarProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
  ApplyDpi(WindowDpi(Handle()));
}

// What depends on the DPI besides the layout pass's positions: the font, the pictures, the status
// panels and the category entries (their icons and text change size).
void MainWindow::ApplyDpi(UINT dpi) {
  font_ = DesignFont(dpi);
  const HFONT font = font_ ? font_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const ControlKind& kind : kControls) SendMessageA(Control(kind.id), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);

  // Command icons at the small-icon size of this DPI: every row gets its icon again.
  commandIcons_ = std::make_unique<CommandIcons>(SystemMetricAtDpi(SM_CXSMICON, dpi));
  for (UserCommandRow& row : userCommands_) row.icon = 0;
  commandIcons_->AssignMissingIcons(userCommands_);
  ListView_SetImageList(Control(kUserListId), commandIcons_->Images(), LVSIL_SMALL);
  ListView_SetImageList(Control(kSystemListId), commandIcons_->Images(), LVSIL_SMALL);

  const HINSTANCE instance = GetModuleHandleA(nullptr);
  const int large = SystemMetricAtDpi(SM_CXICON, dpi);
  categoryIcons_.Reset(ImageList_Create(large, large, ILC_COLOR32 | ILC_MASK, 2, 0));
  for (int id : {IDI_CATEGORY_USER, IDI_CATEGORY_SYSTEM}) {
    const ScopedIcon picture(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, large, large, 0)));
    ImageList_AddIcon(categoryIcons_.Get(), picture.Get());
  }
  ListView_SetImageList(Control(kCategoryPaneId), categoryIcons_.Get(), LVSIL_NORMAL);
  // As large as its place in the layout.
  const int helpSize = TwipsToPixels(kMainControlPlaces[5].width, USER_DEFAULT_SCREEN_DPI);
  helpPicture_ = SetPicture(Handle(), kHelpPictureId, IDI_HELP_PICTURE, helpSize, dpi);

  int edges[3];
  for (int i = 0; i < 3; ++i) edges[i] = TwipsToPixels(kStatusPanelWidth * (i + 1), dpi);
  SendMessageA(Control(kStatusBarId), SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
  PlaceCategoryEntries();
}

void MainWindow::FinishNormalStart() {
  ShowWindow(Handle(), SW_SHOW);
  UpdateWindow(Handle());
  shadows_ = ShadowsOf(store_);
  // Watched before the first reading, so that a command made meanwhile is not missed.
  watch_ = std::make_unique<StoreWatch>(store_);
  LoadDefinitionFiles(store_, userCommands_);
  ShowRows();
  if (!userCommands_.empty()) Select(kUserListId, 0);  // a list with rows always has one selected
  RefreshStatusBar();
  commandIcons_->AssignMissingIcons(userCommands_);
  InvalidateRect(Control(kUserListId), nullptr, TRUE);
  SetUpCategoryPane();
  if (!WriteBuiltInVerbs(store_)) TellRegistryFailure(prompt_);
  SetFocus(Control(kUserListId));
}

std::vector<HANDLE> MainWindow::WatchHandles() const { return watch_ ? watch_->Handles() : std::vector<HANDLE>(); }

void MainWindow::OnSignalled(HANDLE signalled) {
  if (!watch_) return;
  watch_->Rearm(signalled);
  // A save or a script writes several files in a row: read once they are all there.
  refreshDue_ = GetTickCount64() + kRefreshDelayMs;
}

DWORD MainWindow::MsUntilDue() const {
  if (refreshDue_ == 0) return INFINITE;
  const ULONGLONG now = GetTickCount64();
  return now >= refreshDue_ ? 0 : static_cast<DWORD>(refreshDue_ - now);
}

void MainWindow::OnDue() {
  refreshDue_ = 0;
  RefreshFromStore();
}

bool MainWindow::TranslateShortcut(MSG& message) {
  // Only keys pressed in this window: Ctrl+A in the editor's boxes selects their text.
  if (!shortcuts_ || !message.hwnd || GetAncestor(message.hwnd, GA_ROOT) != Handle()) return false;
  return TranslateAcceleratorA(Handle(), shortcuts_.Get(), &message) != 0;
}

void MainWindow::OnSize() {
  const HWND status = Control(kStatusBarId);
  if (status) SendMessageA(status, WM_SIZE, 0, 0);  // it follows the bottom edge by itself
  if (inLayout_ || IsIconic(Handle()) || !Control(kUserListId)) return;
  const UINT dpi = WindowDpi(Handle());
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
  for (const ControlPlace& place : kMainControlPlaces) {
    const TwipsRect at = PlaceControl(place, width, height);
    if (at.width < 0 || at.height < 0) continue;  // a measure that comes out negative is skipped
    SetWindowPos(Control(static_cast<MainControl>(place.id)), nullptr, TwipsToPixels(at.left, dpi),
                 TwipsToPixels(at.top, dpi), TwipsToPixels(at.width, dpi), TwipsToPixels(at.height, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const HWND userList = Control(kUserListId);
  SetColumnWidth(userList, 0, layout.userColumns.command, dpi);
  SetColumnWidth(userList, 1, layout.userColumns.path, dpi);
  SetColumnWidth(userList, 2, layout.userColumns.parameters, dpi);
  const HWND systemList = Control(kSystemListId);
  SetColumnWidth(systemList, 0, layout.systemColumns.command, dpi);
  SetColumnWidth(systemList, 1, layout.systemColumns.path, dpi);
  // Moved controls and the status bar's size grip are drawn afresh, not left half-painted.
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  rememberedWidth_ = width;
  rememberedHeight_ = height;
  inLayout_ = false;
}

// The focus goes back to the control that had it when the window was last left, as in a
// dialog: after a question, the arrow keys move in the list again.
void MainWindow::OnActivate(bool active) {
  if (active && !health_.empty()) {
    // A target may have gone while the user was elsewhere: the marks are looked up afresh.
    health_.clear();
    InvalidateRect(Control(kUserListId), nullptr, FALSE);
  }
  if (!active) {
    const HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
    return;
  }
  const HWND list = Control(category_ == Category::User ? kUserListId : kSystemListId);
  SetFocus(lastFocus_ && IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_) ? lastFocus_ : list);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_NOTIFY: {
      auto& header = *reinterpret_cast<NMHDR*>(lParam);
      return header.idFrom == kCategoryPaneId ? OnCategoryNotify(header) : OnListNotify(header);
    }
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_CONTEXTMENU:
      // The keyboard's way to the popup (the menu key or Shift+F10, which come as a position of
      // -1, -1): beside the selected row. A right-click has opened it already, on NM_RCLICK.
      if (reinterpret_cast<HWND>(wParam) == Control(kUserListId) && GET_X_LPARAM(lParam) == -1 && GET_Y_LPARAM(lParam) == -1) {
        const std::optional<std::size_t> row = Selected(kUserListId);
        RECT bounds{};
        if (row) ListView_GetItemRect(Control(kUserListId), static_cast<int>(*row), &bounds, LVIR_LABEL);
        OpenPopup({bounds.left, bounds.bottom});
      }
      return 0;
    case WM_SETFOCUS:
      OnActivate(true);
      return 0;
    case WM_DPICHANGED: {
      // Moved to a monitor of another DPI: the suggested size keeps the design size there, and
      // the layout pass that follows converts every position again. The rest comes after it,
      // since the category entries are placed within the pane's new size.
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      ApplyDpi(HIWORD(wParam));
      health_.clear();
      return 0;
    }
    case WM_COMMAND:
      // The help picture reports more than clicks.
      if (LOWORD(wParam) != kHelpPictureId || HIWORD(wParam) == STN_CLICKED) OnCommand(LOWORD(wParam));
      return 0;
    case WM_CLOSE:
      // Not while the editor's code waits below a dialog of its own: it would run on after its window went.
      if (EditorReplaceable()) DestroyWindow(Handle());
      return 0;
    case WM_DESTROY:
      RemoveWindowSubclass(Control(kStatusBarId), StatusBarProcedure, 0);
      // Closing the main window ends the program.
      PostQuitMessage(0);
      return 0;
  }
  return WindowBase::HandleMessage(message, wParam, lParam);
}

}  // namespace quillet
