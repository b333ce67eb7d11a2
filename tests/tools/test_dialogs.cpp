#include "tests/tools/test_dialogs.h"

#include <cstdlib>
#include <vector>

#include "tests/support/temp_program_folder.h"
#include "tests/tools/child_process.h"

namespace quillet::tools::testing {

namespace {

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kPromptId = 100;
constexpr WORD kEditId = 101;
constexpr WORD kRememberId = 102;
constexpr WORD kHelpId = 103;

// An in-memory dialog template (DLGTEMPLATE followed by its DLGITEMTEMPLATEs).
class DialogTemplate {
 public:
  DialogTemplate(const std::string& title, short width, short height) {
    AddDword(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    AddDword(0);     // extended style
    words_.push_back(0);  // item count, counted up by AddItem
    AddBox(0, 0, width, height);
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the standard dialog class
    AddText(title);
    words_.push_back(8);  // font size in points
    AddText("MS Shell Dlg");
  }

  void AddItem(WORD classAtom, WORD id, const std::string& text, DWORD style, short x, short y, short width,
               short height) {
    if (words_.size() % 2 != 0) words_.push_back(0);  // items start on a DWORD boundary
    AddDword(style | WS_CHILD);
    AddDword(0);
    AddBox(x, y, width, height);
    words_.push_back(id);
    words_.push_back(0xFFFF);  // a predefined class, by atom
    words_.push_back(classAtom);
    AddText(text);
    words_.push_back(0);  // no creation data
    ++words_[kItemCountIndex];
  }

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  static constexpr std::size_t kItemCountIndex = 4;

  void AddDword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void AddBox(short x, short y, short width, short height) {
    for (short value : {x, y, width, height}) words_.push_back(static_cast<WORD>(value));
  }
  void AddText(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()))));
    for (wchar_t c : wide) words_.push_back(static_cast<WORD>(c));  // the terminating NUL included
  }

  std::vector<WORD> words_;  // WORD-aligned storage; the allocator aligns its start far enough
};

struct InputDialogState {
  const std::string& text;
  InputDialogResult result;
};

INT_PTR CALLBACK InputDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<InputDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      SetDlgItemTextA(dialog, kEditId, reinterpret_cast<InputDialogState*>(lParam)->text.c_str());
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        char answer[1024];
        state->result.answer.assign(answer, GetDlgItemTextA(dialog, kEditId, answer, static_cast<int>(sizeof answer)));
      }
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

InputDialogResult ShowInputDialog(const std::string& title, const std::string& prompt, const std::string& text) {
  DialogTemplate layout(title, 250, 90);
  layout.AddItem(kStaticClass, kPromptId, prompt, WS_VISIBLE | SS_LEFT, 7, 7, 180, 30);
  layout.AddItem(kButtonClass, IDOK, "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 193, 7, 50, 14);
  layout.AddItem(kButtonClass, IDCANCEL, "&Cancel", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 193, 25, 50, 14);
  layout.AddItem(kButtonClass, kHelpId, "Help", WS_TABSTOP | BS_PUSHBUTTON, 193, 43, 50, 14);
  layout.AddItem(kButtonClass, kRememberId, "&Remember", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 7, 40, 100, 10);
  layout.AddItem(kEditClass, kEditId, "", WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 7, 60, 236, 14);
  InputDialogState state{text, {}};
  state.result.button = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), layout.Get(), nullptr, InputDialogProcedure,
                                                reinterpret_cast<LPARAM>(&state));
  return state.result;
}

InputDialogThread::InputDialogThread(const std::string& title, const std::string& prompt, const std::string& text)
    : title_(title), thread_([this, prompt, text] {
        result_ = ShowInputDialog(title_, prompt, text);
        ended_ = true;
      }) {}

InputDialogThread::~InputDialogThread() {
  if (thread_.joinable()) Finish(0);
}

InputDialogResult InputDialogThread::Finish(DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!ended_ && GetTickCount64() < deadline) Sleep(10);
  // Until the thread ends: the dialog may not even be there yet.
  while (!ended_) {
    if (const HWND dialog = FindWindowA("#32770", title_.c_str())) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    Sleep(10);
  }
  thread_.join();
  return result_;
}

std::string MessageBoxChildCommand(UINT flags, const std::string& title, const std::string& text) {
  return QuoteArgument(ThisProgram()) + " --child message-box " + std::to_string(flags) + " " + QuoteArgument(title) +
         " " + QuoteArgument(text);
}

std::string InputDialogChildCommand(const std::string& title, const std::string& prompt, const std::string& text,
                                    const std::string& answerFile) {
  return QuoteArgument(ThisProgram()) + " --child input-dialog " + QuoteArgument(title) + " " +
         QuoteArgument(prompt) + " " + QuoteArgument(text) + " " + QuoteArgument(answerFile);
}

std::optional<int> RunAsChild(int argc, char** argv) {
  if (argc < 3 || std::string(argv[1]) != "--child") return std::nullopt;
  const std::string mode = argv[2];
  if (mode == "message-box" && argc == 6) {
    return MessageBoxA(nullptr, argv[5], argv[4], static_cast<UINT>(std::strtoul(argv[3], nullptr, 10)));
  }
  if (mode == "input-dialog" && argc == 7) {
    const InputDialogResult result = ShowInputDialog(argv[3], argv[4], argv[5]);
    if (result.button == IDOK) quillet::testing::WriteFileBytes(argv[6], result.answer);
    return static_cast<int>(result.button);
  }
  if (mode == "exit" && argc == 4) return std::atoi(argv[3]);
  return 100;  // a mistake in the test itself
}

}  // namespace quillet::tools::testing
