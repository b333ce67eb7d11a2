#include "ui/common/dialog_base.h"

namespace quillet {

DialogBase::~DialogBase() {
  if (hwnd_ && !modal_) {
    SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
    DestroyWindow(hwnd_);
  }
}

INT_PTR DialogBase::ShowModal(HWND owner) {
  modal_ = true;
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner, Procedure,
                         reinterpret_cast<LPARAM>(this));
}

bool DialogBase::CreateModeless(HWND owner) {
  modal_ = false;
  return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner, Procedure,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

std::string DialogBase::ItemText(int id) const {
  const HWND item = Item(id);
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(item)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(item, text.data(), static_cast<int>(text.size()))));
  return text;
}

void DialogBase::SetItemText(int id, const std::string& text) const { SetDlgItemTextA(hwnd_, id, text.c_str()); }

void DialogBase::Close(INT_PTR result) {
  if (!hwnd_) return;
  if (modal_) {
    EndDialog(hwnd_, result);
  } else {
    DestroyWindow(hwnd_);
  }
}

bool DialogBase::OnCommand(int id, int, HWND) {
  if (id != IDCANCEL) return false;
  Close(IDCANCEL);
  return true;
}

INT_PTR DialogBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInit() ? TRUE : FALSE;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_NOTIFY:
      SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, OnNotify(*reinterpret_cast<const NMHDR*>(lParam)));
      return TRUE;
  }
  INT_PTR result = FALSE;
  return OnMessage(message, wParam, lParam, result) ? result : FALSE;
}

INT_PTR CALLBACK DialogBase::Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<DialogBase*>(lParam);
    self->hwnd_ = dialog;
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
  }
  auto* self = reinterpret_cast<DialogBase*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!self) return FALSE;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(dialog, DWLP_USER, 0);
    self->hwnd_ = nullptr;
    self->OnDestroyed();
    return FALSE;
  }
  // An exception must not unwind through the system's code that called us.
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    return FALSE;
  }
}

bool RouteDialogMessage(MSG& message) {
  const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  return root && IsDialogMessageA(root, &message);
}

}  // namespace quillet
