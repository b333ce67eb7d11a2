#include "ui/main/main_window.h"

#include <commctrl.h>

#include "resources/resource_ids.h"
#include "store/app_paths_store.h"
#include "store/definition_store.h"
#include "store/launcher_shortcut.h"
#include "store/shell_functions.h"
#include "store/repair.h"
#include "store/store_paths.h"
#include "ui/import/import_wizard.h"
#include "ui/common/dpi.h"
#include "ui/common/twips.h"
#include "ui/main/main_layout.h"
#include "ui/main/command_transfer.h"
#include "ui/main/main_menu.h"
#include "ui/main/removal.h"
#include "ui/settings/about_box.h"
#include "ui/settings/settings_dialog.h"

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

// The window owns the image lists; the list views only borrow them.
constexpr DWORD kListStyle = WS_CHILD | WS_TABSTOP | WS_BORDER | LVS_SHOWSELALWAYS | LVS_SINGLESEL | LVS_SHAREIMAGELISTS;

// The controls as designed; the layout pass moves them when the window is resized.
constexpr ControlDesign kControls[] = {
    {kCategoryPaneId, WC_LISTVIEWA, "", kListStyle | WS_VISIBLE | LVS_ICON | LVS_NOSCROLL, kCategoryPaneLeft, 0, kCategoryPaneWidth, 5775},
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
    {kCategoryPaneId, "Views"},
    {kUserListId, "Command"}, {kUserListId, "Path"}, {kUserListId, "Parameter(s)"},
    {kSystemListId, "Command"}, {kSystemListId, "Path"},
};

constexpr COLORREF kListBackground = RGB(0xE0, 0xE0, 0xE0);
constexpr COLORREF kCategoryPaneBackground = RGB(0x80, 0x80, 0x80);
constexpr int kStatusPanelWidth = 3510;  // twips, each of the three panels
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshDelayMs = 300;

std::optional<std::size_t> SelectedRow(HWND list) {
  const int row = ListView_GetNextItem(list, -1, LVNI_SELECTED);
  return row >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(row)) : std::nullopt;
}

void SetColumnWidth(HWND list, int column, double twips, UINT dpi) {
  ListView_SetColumnWidth(list, column, TwipsToPixels(twips, dpi));
}

void MoveControl(HWND control, double left, double top, double width, double height, UINT dpi) {
  if (width < 0 || height < 0) return;  // a measure that comes out negative is skipped
  SetWindowPos(control, nullptr, TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), TwipsToPixels(width, dpi),
               TwipsToPixels(height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

MainWindow::MainWindow(std::string programFolder, Prompt& prompt)
    : programFolder_(std::move(programFolder)),
      prompt_(prompt),
      popup_([this](ActionPopup::Item item) { OnPopupItem(item); }) {}

bool MainWindow::Create() {
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_QUILLET));
  if (!WindowBase::Create(kClassName, "Quillet", kStyle, 0, CreateMainMenu(), icon)) return false;
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
  const UINT dpi = WindowDpi(Handle());
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  for (const ControlDesign& design : kControls) {
    CreateWindowExA(0, design.windowClass, design.text, design.style, TwipsToPixels(design.left, dpi),
                    TwipsToPixels(design.top, dpi), TwipsToPixels(design.width, dpi), TwipsToPixels(design.height, dpi),
                    Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), instance, nullptr);
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
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    ListView_SetBkColor(list, kListBackground);
    ListView_SetTextBkColor(list, kListBackground);
  }
  // A user command's icon carries a mark when the command cannot work (see command_health.h).
  ListView_SetCallbackMask(Control(kUserListId), LVIS_OVERLAYMASK);
  commandIcons_ = std::make_unique<CommandIcons>();
  ListView_SetImageList(Control(kUserListId), commandIcons_->Images(), LVSIL_SMALL);
  ListView_SetImageList(Control(kSystemListId), commandIcons_->Images(), LVSIL_SMALL);

  const HWND menuPane = Control(kCategoryPaneId);
  ListView_SetBkColor(menuPane, kCategoryPaneBackground);
  ListView_SetTextBkColor(menuPane, kCategoryPaneBackground);
  ListView_SetTextColor(menuPane, RGB(0xFF, 0xFF, 0xFF));
  const int large = SystemMetricAtDpi(SM_CXICON, dpi);
  categoryIcons_.Reset(ImageList_Create(large, large, ILC_COLOR32 | ILC_MASK, 2, 0));
  for (int id : {IDI_CATEGORY_USER, IDI_CATEGORY_SYSTEM}) {
    const ScopedIcon picture(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, large, large, 0)));
    ImageList_AddIcon(categoryIcons_.Get(), picture.Get());
  }
  ListView_SetImageList(menuPane, categoryIcons_.Get(), LVSIL_NORMAL);

  const int helpSize = TwipsToPixels(kHelpPictureSize, dpi);
  const HICON help = static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDI_HELP_PICTURE), IMAGE_ICON, helpSize, helpSize, LR_SHARED));
  SendMessageA(Control(kHelpPictureId), STM_SETICON, reinterpret_cast<WPARAM>(help), 0);

  CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, Handle(),
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)), instance, nullptr);
  ApplyDpi(dpi);
}

// What depends on the DPI besides positions: the font and the status panels' widths.
void MainWindow::ApplyDpi(UINT dpi) {
  // The window is designed in Tahoma 8 pt.
  font_.Reset(CreateFontA(-MulDiv(8, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                          DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                          DEFAULT_PITCH | FF_SWISS, "Tahoma"));
  const HFONT font = font_ ? font_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const ControlDesign& design : kControls) {
    SendMessageA(Control(design.id), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  int edges[3];
  for (int i = 0; i < 3; ++i) edges[i] = TwipsToPixels(kStatusPanelWidth * (i + 1), dpi);
  SendMessageA(Control(kStatusBarId), SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
}

void MainWindow::FinishNormalStart() {
  ShowWindow(Handle(), SW_SHOW);
  UpdateWindow(Handle());
  const StoreContext store = Store();
  shadows_ = ShadowIndex(SystemSearchOrder());
  LoadDefinitionFiles(store, userCommands_);
  ShowRows();
  RefreshStatusBar();
  SetWindowTextA(Handle(), "Quillet");
  commandIcons_->AssignMissingIcons(userCommands_);
  InvalidateRect(Control(kUserListId), nullptr, TRUE);
  SetUpCategoryPane();
  WriteBuiltInVerbs(store);
  watch_ = std::make_unique<StoreWatch>(programFolder_);
}

std::vector<HANDLE> MainWindow::WatchHandles() const { return watch_ ? watch_->Handles() : std::vector<HANDLE>(); }

void MainWindow::OnStoreChanged(HANDLE signalled) {
  if (!watch_) return;
  watch_->Rearm(signalled);
  // A save or a script writes several files in a row: read once they are all there.
  SetTimer(Handle(), kRefreshTimer, kRefreshDelayMs, nullptr);
}

void MainWindow::RefreshFromStore() {
  KillTimer(Handle(), kRefreshTimer);
  const auto selectedName = [&](MainControl list, const auto& rows) {
    const std::optional<std::size_t> row = Selected(list);
    return row && *row < rows.size() ? std::optional<std::string>(rows[*row].name) : std::nullopt;
  };
  const auto reselect = [&](MainControl list, const auto& rows, const std::optional<std::string>& name) {
    if (!name) return;
    for (std::size_t row = 0; row < rows.size(); ++row) {
      if (rows[row].name != *name) continue;
      const int index = static_cast<int>(row);
      ListView_SetItemState(Control(list), index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
      ListView_EnsureVisible(Control(list), index, FALSE);
      return;
    }
  };
  UserCommandList current;
  LoadDefinitionFiles(Store(), current);
  const std::optional<std::string> userSelection = selectedName(kUserListId, userCommands_);
  if (MergeRows(userCommands_, current)) {
    health_.clear();
    ListView_SetItemState(Control(kUserListId), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    commandIcons_->AssignMissingIcons(userCommands_);
    ShowRows();
    reselect(kUserListId, userCommands_, userSelection);
    if (IsWindowVisible(Control(kUserListId))) RefreshStatusBar();
  }
  if (IsWindowVisible(Control(kSystemListId))) {
    const std::optional<std::string> systemSelection = selectedName(kSystemListId, systemCommands_);
    RebuildSystemList(Store(), userCommands_, systemCommands_);
    ListView_SetItemState(Control(kSystemListId), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ShowRows();
    reselect(kSystemListId, systemCommands_, systemSelection);
  }
}



void MainWindow::RemoveCommand() {
  const bool userListVisible = IsWindowVisible(Control(kUserListId)) != FALSE;
  const RemovalResult result =
      RemoveSelectedCommand(Store(), prompt_, userListVisible, userCommands_, Selected(kUserListId), systemCommands_,
                            Selected(kSystemListId));
  if (result == RemovalResult::Nothing) return;
  if (result == RemovalResult::SystemListRebuilt) {
    ListView_SetItemState(Control(kSystemListId), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  }
  ShowRows();
  if (result == RemovalResult::UserRowRemoved) RefreshStatusBar();
}

void MainWindow::OpenHelpFile() {
  if (shell_.Open(OpenRestored(Handle(), programFolder_ + "\\quillet.chm")) == SE_ERR_FNF) {
    prompt_.Message("Couldn\xB4t locate the program\xB4s HTML Helpfile!", kAppTitle, kOkOnly | kIconInformation);
  }
}

std::optional<std::size_t> MainWindow::Selected(MainControl list) const { return SelectedRow(Control(list)); }

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




bool MainWindow::TranslateShortcut(MSG& message) {
  // Only keys pressed in this window: Ctrl+A in the editor's boxes selects their text.
  if (!shortcuts_ || !message.hwnd || GetAncestor(message.hwnd, GA_ROOT) != Handle()) return false;
  return TranslateAcceleratorA(Handle(), shortcuts_.Get(), &message) != 0;
}

void MainWindow::OpenNewCommand() {
  if (!IsWindowEnabled(Control(kAddButtonId))) return;  // not while the system commands are shown
  editor_.reset();  // an editor open for an update closes unsaved
  CommandEditor editor(programFolder_, Handle(), prompt_, *this, EditorMode::New, "");
  editor.ShowModal(Handle());
}

void MainWindow::OpenImportWizard(ImportSource source) {
  if (!IsWindowVisible(Control(kUserListId))) return;  // not while the system commands are shown
  CommandListOwner& list = *this;
  ImportWizard wizard(programFolder_, Handle(), prompt_, list, source);
  wizard.ShowModal(Handle());
}

void MainWindow::OpenCommandForUpdate() {
  const std::optional<std::size_t> row = Selected(kUserListId);
  if (!row || *row >= userCommands_.size()) return;
  editor_.reset();
  const UserCommandRow& command = userCommands_[*row];
  CommandListOwner& list = *this;
  editor_ = std::make_unique<CommandEditor>(programFolder_, Handle(), prompt_, list, EditorMode::Update, command.name);
  if (!editor_->CreateModeless(Handle())) return;
  editor_->Fill(command);
  ShowWindow(editor_->Handle(), SW_SHOW);
}

void MainWindow::UserCommandsSaved() {
  ShowRows();
  RefreshStatusBar();
  commandIcons_->AssignMissingIcons(userCommands_);
  InvalidateRect(Control(kUserListId), nullptr, TRUE);
}

void MainWindow::OpenPopup(POINT mouseInList) {
  const std::optional<std::size_t> row = Selected(kUserListId);
  if (!row || *row >= userCommands_.size()) return;
  popup_.Open(Handle(), mouseInList, userCommands_[*row].name);
}

void MainWindow::OnPopupItem(ActionPopup::Item item) {
  const std::optional<std::size_t> row = Selected(kUserListId);
  if (!row || *row >= userCommands_.size()) return;
  if (item == ActionPopup::kEditCommand) OpenCommandForUpdate();
  if (item == ActionPopup::kSecuritySettings) {
    ShowFileProperties(Store(), GeneratedFilePath(programFolder_, userCommands_[*row].name, ".lnk"));
  }
}

void MainWindow::OnCommand(int id) {
  switch (id) {
    case kAddButtonId:
    case kMenuAddCommand:
      OpenNewCommand();
      break;
    case kMenuImportDesktop:
      OpenImportWizard(ImportSource::Desktop);
      break;
    case kMenuImportStartMenu:
      OpenImportWizard(ImportSource::StartMenu);
      break;
    case kMenuImportFavorites:
      OpenImportWizard(ImportSource::Favorites);
      break;
    case kMenuExport:
      ExportCommands(prompt_, userCommands_);
      break;
    case kMenuRestore:
      if (IsWindowVisible(Control(kUserListId))) RestoreCommands(Store(), prompt_, *this);
      break;
    case kMenuRepair: {
      const RepairResult repaired = RepairCommands(Store());
      prompt_.Message(RepairMessage(repaired), kAppTitle,
                      kOkOnly | (repaired.failed.empty() ? kIconInformation : kIconExclamation));
      break;
    }
    case kRemoveButtonId:
    case kMenuRemoveCommand:
      RemoveCommand();
      break;
    case kMenuExit:
      DestroyWindow(Handle());
      break;
    case kMenuHelp:
    case kHelpPictureId:  // the help picture does what F1 does
      OpenHelpFile();
      break;
    case kMenuSettings:
      ShowSettings(Handle(), programFolder_, prompt_, shell_);
      break;
    case kMenuAbout:
      ShowAbout(Handle(), shell_);
      break;
    default:
      break;
  }
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
  for (MainControl id : {kUserListId, kSystemListId}) {
    MoveControl(Control(id), kListLeft, kListTop, layout.listWidth, layout.listHeight, dpi);
  }
  MoveControl(Control(kCategoryPaneId), kCategoryPaneLeft, 0, kCategoryPaneWidth, layout.listHeight, dpi);
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

LRESULT MainWindow::OnNotify(NMHDR& header) {
  if (header.code == LVN_GETDISPINFOA) {
    auto& item = reinterpret_cast<NMLVDISPINFOA&>(header).item;  // filled in for the list view
    if (item.iItem < 0) return 0;
    const std::size_t row = static_cast<std::size_t>(item.iItem);
    if (item.mask & LVIF_IMAGE) {
      // Rows count icons from 1 (0: none yet); system rows all show the first picture.
      if (header.idFrom == kUserListId && row < userCommands_.size()) item.iImage = userCommands_[row].icon - 1;
      if (header.idFrom == kSystemListId) item.iImage = 0;
    }
    if ((item.mask & LVIF_STATE) && header.idFrom == kUserListId && row < userCommands_.size()) {
      item.state |= INDEXTOOVERLAYMASK(OverlayOf(HealthOf(userCommands_[row])));
      item.stateMask |= LVIS_OVERLAYMASK;
    }
    if (!(item.mask & LVIF_TEXT)) return 0;
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
  if (header.idFrom == kUserListId && header.code == LVN_GETINFOTIPA) {
    auto& tip = reinterpret_cast<NMLVGETINFOTIPA&>(header);
    const auto row = static_cast<std::size_t>(tip.iItem);
    if (row < userCommands_.size() && tip.cchTextMax > 0) {
      const std::string text = HealthTip(HealthOf(userCommands_[row]), userCommands_[row]);
      if (!text.empty()) lstrcpynA(tip.pszText, text.c_str(), tip.cchTextMax);
    }
    return 0;
  }
  if (header.idFrom == kCategoryPaneId && header.code == NM_CLICK) SwitchCategory();
  if (header.idFrom == kUserListId && (header.code == NM_CLICK || header.code == LVN_ITEMCHANGED)) {
    RefreshStatusBar();
  }
  // Both act on the selected row, wherever in the list the mouse is.
  if (header.idFrom == kUserListId && header.code == NM_DBLCLK) OpenCommandForUpdate();
  if (header.idFrom == kUserListId && header.code == NM_RCLICK) {
    OpenPopup(reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction);
  }
  if ((header.idFrom == kUserListId || header.idFrom == kSystemListId) && header.code == LVN_KEYDOWN &&
      reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_DELETE) {
    RemoveCommand();
  }
  return 0;
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_DPICHANGED: {
      // Moved to a monitor of another DPI: the suggested size keeps the design size there, and
      // the layout pass that follows converts every position again.
      ApplyDpi(HIWORD(wParam));
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DRAWITEM:
      if (wParam == kStatusBarId) DrawStatusPanel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_COMMAND:
      // The help picture reports more than clicks.
      if (LOWORD(wParam) != kHelpPictureId || HIWORD(wParam) == STN_CLICKED) OnCommand(LOWORD(wParam));
      return 0;
    case WM_TIMER:
      if (wParam == kRefreshTimer) RefreshFromStore();
      return 0;
    case WM_DESTROY:
      // Closing the main window ends the program.
      PostQuitMessage(0);
      return 0;
  }
  return WindowBase::HandleMessage(message, wParam, lParam);
}

}  // namespace quillet
