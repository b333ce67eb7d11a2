#include "ui/import/shortcut_picker.h"

#include <commctrl.h>

#include "ui/import/import_wizard_ids.h"
#include "ui/import/shortcut_files.h"

namespace quillet {

namespace {
constexpr const char* kInstruction =
    "Browse through the folders, double-click or select the files you want to import to the right and then "
    "click the button labeled 'Add Selected'. Repeat this procedure until you\xB4ve added all shortcuts that "
    "you want to import as run-commands.";
}  // namespace

ShortcutPicker::ShortcutPicker(ImportList& rows, ImportSource source, std::vector<std::string> folders)
    : DialogBase(IDD_SHORTCUT_PICKER), rows_(rows), source_(source), folders_(std::move(folders)) {}

bool ShortcutPicker::OnInit() {
  SetItemText(IDC_PICKER_INSTRUCTION, kInstruction);
  int edges[] = {120, 260, -1};
  SendMessageA(Item(IDC_PICKER_STATUS), SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
  // Selecting the root shows its shortcuts until the user picks another folder.
  tree_.ShowRoots(Item(IDC_PICKER_TREE), folders_);
  ShowFolder(tree_.SelectedPath());
  UpdateStatusBar();
  return true;
}

std::vector<std::string> ShortcutPicker::ListedFiles() const {
  std::vector<std::string> files;
  const HWND list = Item(IDC_PICKER_FILES);
  const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::string name(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1, '\0');
    name.resize(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name.data()))));
    files.push_back(std::move(name));
  }
  return files;
}

std::string ShortcutPicker::StatusText(int panel) const {
  const HWND status = Item(IDC_PICKER_STATUS);
  // The low word is the length without the NUL; the high word holds the drawing style.
  const auto length = LOWORD(SendMessageA(status, SB_GETTEXTLENGTHA, static_cast<WPARAM>(panel), 0));
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(status, SB_GETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return text;
}

void ShortcutPicker::ShowFolder(const std::string& folder) {
  shownFolder_ = folder;
  const HWND list = Item(IDC_PICKER_FILES);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& file : ListShortcutFiles(folder, ShortcutExtension(source_))) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(file.c_str()));
  }
}

void ShortcutPicker::AddFiles(bool selectedOnly) {
  const std::vector<std::string> files = ListedFiles();
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (selectedOnly && SendMessageA(Item(IDC_PICKER_FILES), LB_GETSEL, i, 0) <= 0) continue;
    ImportRow row = MakeImportRow(shownFolder_, files[i]);
    // A second shortcut of the same suggested name is skipped: one command per name.
    if (!CheckIfExists(rows_, row.name)) rows_.push_back(std::move(row));
  }
  UpdateStatusBar();
}

void ShortcutPicker::UpdateStatusBar() {
  const HWND status = Item(IDC_PICKER_STATUS);
  const std::string source = std::string("   ") + ImportSourceName(source_) + "   ";
  const std::string added = " Files added: " + std::to_string(rows_.size());
  SendMessageA(status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(source.c_str()));
  SendMessageA(status, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(added.c_str()));
}

bool ShortcutPicker::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_PICKER_ADD_ALL:
      AddFiles(false);
      return true;
    case IDC_PICKER_ADD_SELECTED:
      AddFiles(true);
      return true;
    case IDC_PICKER_FILES:
      if (code == LBN_DBLCLK) AddFiles(true);
      return true;
    case IDOK:
      Close(IDOK);
      return true;
    case IDCANCEL:
      rows_.clear();  // Cancel takes back every row added here
      Close(IDCANCEL);
      return true;
  }
  return DialogBase::OnCommand(id, code, control);
}

bool ShortcutPicker::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
  if (message != WM_CLOSE) return false;
  // The close box ends the picker as Ok does: only Cancel takes the rows back.
  Close(IDOK);
  result = TRUE;
  return true;
}

LRESULT ShortcutPicker::OnNotify(const NMHDR& header) {
  tree_.OnNotify(header);
  if (header.idFrom == IDC_PICKER_TREE && (header.code == TVN_SELCHANGEDA || header.code == TVN_SELCHANGEDW)) {
    ShowFolder(tree_.SelectedPath());
  }
  return 0;
}

}  // namespace quillet
