#include "ui/import/import_wizard.h"

#include <commctrl.h>
#include <windowsx.h>

#include <array>

#include "store/shell_folders.h"
#include "store/text.h"
#include "ui/common/dpi.h"
#include "ui/import/import_wizard_ids.h"
#include "ui/import/shortcut_files.h"
#include "ui/import/shortcut_import.h"
#include "ui/import/shortcut_picker.h"

namespace quillet {

namespace {

constexpr std::array<int, 6> kStepOne{IDC_WIZARD_STEP1,  IDC_WIZARD_INTRO, IDC_WIZARD_FOLDER_LABEL,
                                      IDC_WIZARD_FOLDER, IDC_WIZARD_BROWSE, IDC_WIZARD_NOTE};
constexpr std::array<int, 5> kStepTwo{IDC_WIZARD_STEP2, IDC_WIZARD_LIST, IDC_WIZARD_LIST_NOTE, IDC_WIZARD_CHECK_ALL,
                                      IDC_WIZARD_UNCHECK_ALL};

struct StaticText {
  int id;
  const char* text;
};
constexpr StaticText kTexts[] = {
    {IDC_WIZARD_INTRO, "This wizard will help you transform regular shortcuts into run-commands..."},
    {IDC_WIZARD_NOTE,
     "The shortcuts will remain on your computer until you manually remove them. If you decide to remove the "
     "shortcuts, the commands will still be functional."},
    {IDC_WIZARD_NEXT_NOTE, "Click 'Next' to see a list of available shortcuts..."},
    {IDC_WIZARD_LIST_NOTE, "Right-click a command to rename it. The ones you check will then be imported."},
};

}  // namespace

ImportWizard::ImportWizard(const StoreContext& store, Prompt& prompt, CommandListOwner& list, ImportSource source)
    : DialogBase(IDD_IMPORT_WIZARD), store_(store), prompt_(prompt), list_(list), source_(source) {}

bool ImportWizard::OnInit() {
  for (const StaticText& text : kTexts) SetItemText(text.id, text.text);
  const std::string source = ImportSourceName(source_);
  SetItemText(IDC_WIZARD_FOLDER_LABEL, "&" + source + " Folder:");
  userFolder_ = ReadShellFolder(ShellFolderValueName(source_));
  SetItemText(IDC_WIZARD_FOLDER, userFolder_);
  SetWindowTextA(Handle(), ("Import Wizard - " + source).c_str());

  const HWND list = Item(IDC_WIZARD_LIST);
  ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  RECT area{};
  GetClientRect(list, &area);
  const char* captions[] = {"Suggested Command Name", "Original Shortcut"};
  const int scrollBar = SystemMetricAtDpi(SM_CXVSCROLL, WindowDpi(list));
  for (int column = 0; column < 2; ++column) {
    LVCOLUMNA design{};
    design.mask = LVCF_TEXT | LVCF_WIDTH;
    design.pszText = const_cast<char*>(captions[column]);
    design.cx = column == 0 ? area.right * 2 / 5 : area.right * 3 / 5 - scrollBar;
    ListView_InsertColumn(list, column, &design);
  }
  return true;
}

void ImportWizard::ShowStep(bool two) {
  stepTwo_ = two;
  for (int id : kStepOne) ShowWindow(Item(id), two ? SW_HIDE : SW_SHOW);
  ShowWindow(Item(IDC_WIZARD_NEXT_NOTE), two ? SW_HIDE : SW_SHOW);
  for (int id : kStepTwo) ShowWindow(Item(id), two ? SW_SHOW : SW_HIDE);
  EnableWindow(Item(IDC_WIZARD_PREVIOUS), two);
  SetItemText(IDOK, two ? "&Import Selected >" : "&Next >");
  SetFocus(Item(two ? IDC_WIZARD_LIST : IDC_WIZARD_FOLDER));
}

std::vector<std::string> ImportWizard::ImportFolders() const {
  // The folder is taken exactly as it stands in the box. Most installers put their shortcuts in
  // the folders of all users, so those come too, after the user's own.
  std::vector<std::string> folders{ItemText(IDC_WIZARD_FOLDER)};
  const char* common = CommonShellFolderValueName(source_);
  if (common && !userFolder_.empty() && folders[0] == userFolder_) {
    const std::string commonFolder = ReadCommonShellFolder(common);
    if (!commonFolder.empty() && !SameNameIgnoringCase(commonFolder, userFolder_)) folders.push_back(commonFolder);
  }
  return folders;
}

void ImportWizard::Next() {
  const std::vector<std::string> folders = ImportFolders();
  rows_.clear();
  ShowStep(true);
  if (source_ == ImportSource::Desktop) {
    for (std::size_t i = 0; i < folders.size(); ++i) {
      AppendImportRows(rows_, folders[i], ListShortcutFiles(folders[i], ".lnk"), i > 0);
    }
  } else {
    PickShortcuts(rows_, folders);
  }
  ShowRows();
}

void ImportWizard::PickShortcuts(ImportList& rows, const std::vector<std::string>& folders) {
  ShortcutPicker picker(rows, source_, folders);
  picker.ShowModal(Handle());
}

void ImportWizard::ShowRows() {
  const HWND list = Item(IDC_WIZARD_LIST);
  showingRows_ = true;
  ListView_DeleteAllItems(list);
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<char*>(rows_[i].name.c_str());
    ListView_InsertItem(list, &item);
    ListView_SetItemText(list, static_cast<int>(i), 1, const_cast<char*>(rows_[i].fileName.c_str()));
    ListView_SetCheckState(list, static_cast<int>(i), rows_[i].ticked);
  }
  showingRows_ = false;
  if (!rows_.empty()) ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void ImportWizard::SetAllTicks(bool ticked) {
  for (std::size_t i = 0; i < rows_.size(); ++i) ListView_SetCheckState(Item(IDC_WIZARD_LIST), static_cast<int>(i), ticked);
}

void ImportWizard::Import() {
  // While the scripts run the wizard stays painted but takes no second press, and cannot close.
  importing_ = true;
  for (int id : {IDOK, IDCANCEL, IDC_WIZARD_PREVIOUS, IDC_WIZARD_CHECK_ALL, IDC_WIZARD_UNCHECK_ALL, IDC_WIZARD_LIST}) {
    EnableWindow(Item(id), FALSE);
  }
  EnableMenuItem(GetSystemMenu(Handle(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  // The wizard closes when the import ends, however it ends: it would otherwise stay unclosable.
  struct CloseWhenDone {
    ImportWizard& wizard;
    ~CloseWhenDone() {
      wizard.importing_ = false;
      wizard.Close(IDOK);
    }
  } closeWhenDone{*this};
  ImportShortcuts(store_, prompt_, rows_, list_);
}

bool ImportWizard::OnCommand(int id, int code, HWND control) {
  if (importing_) return true;
  switch (id) {
    case IDOK:
      if (stepTwo_) {
        Import();
      } else {
        Next();
      }
      return true;
    case IDC_WIZARD_PREVIOUS:
      rows_.clear();  // Next lists afresh
      ShowRows();
      ShowStep(false);
      return true;
    case IDC_WIZARD_BROWSE:
      if (const auto folder = prompt_.ChooseFolder()) SetItemText(IDC_WIZARD_FOLDER, *folder);
      return true;
    case IDC_WIZARD_CHECK_ALL:
    case IDC_WIZARD_UNCHECK_ALL:
      SetAllTicks(id == IDC_WIZARD_CHECK_ALL);
      return true;
  }
  return DialogBase::OnCommand(id, code, control);
}

// A right-click renames the selected row in place; from the keyboard F2 does, as in Explorer, and
// so do the menu key and Shift+F10, the keyboard's right-click.
void ImportWizard::RenameSelectedRow() {
  const HWND list = Item(IDC_WIZARD_LIST);
  const int selected = ListView_GetNextItem(list, -1, LVNI_SELECTED);
  if (selected < 0) return;
  SetFocus(list);
  ListView_EditLabel(list, selected);
}

bool ImportWizard::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR&) {
  const bool fromKeyboard = GET_X_LPARAM(lParam) == -1 && GET_Y_LPARAM(lParam) == -1;
  if (message != WM_CONTEXTMENU || reinterpret_cast<HWND>(wParam) != Item(IDC_WIZARD_LIST) || !fromKeyboard) {
    return false;
  }
  RenameSelectedRow();
  return true;
}

LRESULT ImportWizard::OnNotify(const NMHDR& header) {
  if (header.idFrom != IDC_WIZARD_LIST) return 0;
  const HWND list = header.hwndFrom;
  switch (header.code) {
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      const auto row = static_cast<std::size_t>(change.iItem);
      if (!showingRows_ && (change.uChanged & LVIF_STATE) && row < rows_.size()) {
        rows_[row].ticked = ListView_GetCheckState(list, change.iItem) != 0;
      }
      return 0;
    }
    case NM_RCLICK:
      RenameSelectedRow();
      return 0;
    case LVN_KEYDOWN:
      if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_F2) RenameSelectedRow();
      return 0;
    case LVN_ENDLABELEDITA: {
      const LVITEMA& item = reinterpret_cast<const NMLVDISPINFOA&>(header).item;
      if (!item.pszText || item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= rows_.size()) return FALSE;
      rows_[static_cast<std::size_t>(item.iItem)].name = item.pszText;
      return TRUE;  // keep the new text
    }
  }
  return 0;
}

}  // namespace quillet
