#include "ui/editor/command_editor.h"

#include <commdlg.h>

#include <array>

#include "resources/resource_ids.h"
#include "store/launcher_shortcut.h"
#include "store/store_paths.h"
#include "ui/editor/command_editor_ids.h"

namespace quillet {

namespace {

constexpr std::array<int, 4> kParameterBoxes{IDC_EDITOR_PARAMETER1, IDC_EDITOR_PARAMETER2, IDC_EDITOR_PARAMETER3,
                                             IDC_EDITOR_PARAMETER4};
constexpr const char* kWindowModes[] = {"Normal", "Minimized", "Maximized"};

// The help topic of each control: the name, the parameters, the window mode; F1 on any other
// control of the editor opens the topic on names, where the editor's help begins.
constexpr int kNameTopic = 1003;
constexpr int kParametersTopic = 1007;
constexpr int kWindowModeTopic = 1017;
int HelpTopicOf(int controlId) {
  switch (controlId) {
    case IDC_EDITOR_PARAMETERS_LABEL: case IDC_EDITOR_PARAMETER1: case IDC_EDITOR_PARAMETER2:
    case IDC_EDITOR_PARAMETER3: case IDC_EDITOR_PARAMETER4: case IDC_EDITOR_PARAMETER_HELP:
      return kParametersTopic;
    case IDC_EDITOR_MODE_LABEL: case IDC_EDITOR_MODE: case IDC_EDITOR_MODE_HELP:
      return kWindowModeTopic;
    default:
      return kNameTopic;
  }
}

}  // namespace

CommandEditor::CommandEditor(const StoreContext& store, Prompt& prompt, CommandListOwner& list, EditorMode mode,
                             EditedCommand edited)
    : DialogBase(IDD_COMMAND_EDITOR), store_(store), prompt_(prompt), list_(list), mode_(mode), edited_(std::move(edited)) {}

// A modal dialog disables only its owner, the editor; the main window is kept from input too, so
// that nothing there removes rows or opens another editor under the editor's feet.
CommandEditor::NestedDialog::NestedDialog(CommandEditor& editor)
    : editor_(editor), mainWasEnabled_(editor.store_.owner && IsWindowEnabled(editor.store_.owner)) {
  ++editor_.nestedDialogs_;
  if (mainWasEnabled_) EnableWindow(editor_.store_.owner, FALSE);
}

CommandEditor::NestedDialog::~NestedDialog() {
  --editor_.nestedDialogs_;
  if (mainWasEnabled_) EnableWindow(editor_.store_.owner, TRUE);
}

bool CommandEditor::OnInit() {
  if (mode_ == EditorMode::Update) SetWindowTextA(Handle(), "Update Command");
  const HWND modes = Item(IDC_EDITOR_MODE);
  for (const char* mode : kWindowModes) SendMessageA(modes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(mode));
  SetWindowTextA(modes, "Normal");
  const int size = GetSystemMetrics(SM_CXSMICON);
  const HANDLE help =
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_HELP_PICTURE), IMAGE_ICON, size, size, LR_SHARED);
  for (int id : {IDC_EDITOR_COMMAND_HELP, IDC_EDITOR_PARAMETER_HELP, IDC_EDITOR_MODE_HELP}) {
    SendMessageA(Item(id), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(help));
  }
  return true;
}

void CommandEditor::Fill(const UserCommandRow& row) {
  SetItemText(IDC_EDITOR_COMMAND, row.name);  // the name rule applies, as if it were typed
  SetItemText(IDC_EDITOR_PATH, row.target);
  SetItemText(IDC_EDITOR_MODE, WindowModeBoxTextOf(row.windowMode));
  const ParameterBoxes boxes = SplitParameters(row.parameters);
  for (std::size_t i = 0; i < boxes.size(); ++i) SetItemText(kParameterBoxes[i], boxes[i]);
}

EditorInput CommandEditor::ReadInput() const {
  EditorInput input{ItemText(IDC_EDITOR_COMMAND), ItemText(IDC_EDITOR_PATH), {}, ItemText(IDC_EDITOR_MODE)};
  for (std::size_t i = 0; i < kParameterBoxes.size(); ++i) input.parameters[i] = ItemText(kParameterBoxes[i]);
  return input;
}

void CommandEditor::ApplyNameRule() {
  const std::string typed = ItemText(IDC_EDITOR_COMMAND);
  const std::string name = NameBoxText(typed);
  if (name == typed) return;  // also ends the change that setting the text below causes
  SetItemText(IDC_EDITOR_COMMAND, name);
  const auto end = static_cast<WPARAM>(name.size());
  SendMessageA(Item(IDC_EDITOR_COMMAND), EM_SETSEL, end, static_cast<LPARAM>(end));
}

void CommandEditor::Save() {
  const NestedDialog asking(*this);
  EditorInput input = ReadInput();
  const std::optional<EntryClaim> claim =
      ValidateInput(input, mode_, edited_, list_.UserCommandRows(), list_.ShadowingPrograms(), store_, prompt_);
  SetItemText(IDC_EDITOR_PATH, input.path);  // the folder rule's "\" stays either way
  if (!claim || !SaveCommand(store_, prompt_, input, mode_, edited_, *claim, list_.UserCommandRows())) return;
  list_.UserCommandsSaved();
  if (IsDlgButtonChecked(Handle(), IDC_EDITOR_SECURITY) == BST_CHECKED) {
    ShowFileProperties(store_, GeneratedFilePath(store_.programFolder, input.name, ".lnk"));
  }
  Close(IDOK);
}

void CommandEditor::PickFile() {
  const NestedDialog choosing(*this);
  const auto chosen = prompt_.OpenFile({"All Files (*.*)|*.*|Exe Files (*.exe)|*.exe", 1, OFN_FILEMUSTEXIST});
  if (chosen) lastChosenFile_ = *chosen;
  // However the dialog closed, the path box shows the file chosen last in this editor.
  SetItemText(IDC_EDITOR_PATH, lastChosenFile_);
}

void CommandEditor::PickFolder() {
  const NestedDialog choosing(*this);
  const auto folder = prompt_.ChooseFolder();
  if (!folder) return;
  SetItemText(IDC_EDITOR_PATH, !folder->empty() && folder->back() == '\\' ? *folder : *folder + "\\");
}

void CommandEditor::ShowHelp(int topic) { prompt_.ShowHelpTopic(store_.programFolder + "\\quillet.chm", topic); }

bool CommandEditor::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_EDITOR_COMMAND:
      if (code == EN_CHANGE) ApplyNameRule();
      return true;
    case IDC_EDITOR_MODE:
      if (code == CBN_KILLFOCUS) SetItemText(id, WindowModeBoxText(ItemText(id)));
      return true;
    case IDC_EDITOR_GET_FILE:
      PickFile();
      return true;
    case IDC_EDITOR_FOLDER:
      PickFolder();
      return true;
    case IDC_EDITOR_COMMAND_HELP:
    case IDC_EDITOR_PARAMETER_HELP:
    case IDC_EDITOR_MODE_HELP:
      ShowHelp(HelpTopicOf(id));
      return true;
    case IDOK:
      Save();
      return true;
  }
  return DialogBase::OnCommand(id, code, control);
}

bool CommandEditor::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
  if (message != WM_HELP) return false;
  // F1 on a control opens the help on what that control holds. The focus may be in a part of a
  // control (the edit box of the window-mode box), so the control is the dialog's child above it.
  const auto& help = *reinterpret_cast<const HELPINFO*>(lParam);
  HWND control = help.iContextType == HELPINFO_WINDOW ? static_cast<HWND>(help.hItemHandle) : nullptr;
  while (control && GetParent(control) != Handle()) control = GetParent(control);
  ShowHelp(HelpTopicOf(control ? GetDlgCtrlID(control) : 0));
  result = TRUE;
  return true;
}

}  // namespace quillet
