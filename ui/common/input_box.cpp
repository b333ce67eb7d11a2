#include "ui/common/input_box.h"

#include "resources/resource_ids.h"

namespace quillet {

namespace {

struct InputBoxState {
  const std::string& prompt;
  const std::string& title;
  const std::string& defaultText;
  std::string answer;
};

std::string ControlText(HWND dialog, int id) {
  const HWND control = GetDlgItem(dialog, id);
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

INT_PTR CALLBACK InputBoxProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      state = reinterpret_cast<InputBoxState*>(lParam);
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      SetWindowTextA(dialog, state->title.c_str());
      SetDlgItemTextA(dialog, IDC_INPUT_PROMPT, state->prompt.c_str());
      const HWND edit = GetDlgItem(dialog, IDC_INPUT_ANSWER);
      SetWindowTextA(edit, state->defaultText.c_str());
      SendMessageA(edit, EM_SETSEL, 0, -1);
      SetFocus(edit);
      return FALSE;  // the focus has been set
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        state->answer = ControlText(dialog, IDC_INPUT_ANSWER);
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

std::optional<std::string> ShowInputBox(HWND owner, const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) {
  InputBoxState state{prompt, title, defaultText, {}};
  const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_INPUTBOX), owner,
                                         InputBoxProcedure, reinterpret_cast<LPARAM>(&state));
  if (result != IDOK) return std::nullopt;
  return state.answer;
}

}  // namespace quillet
