#pragma once
// A dialog made from a template in the resources, modal or not, that receives its messages in
// virtual members. The template gives the tab order, the default button, Enter and Esc, and the
// mnemonics; the class only adds behaviour.

#include <windows.h>

#include <string>

namespace quillet {

class DialogBase {
 public:
  explicit DialogBase(int templateId) : templateId_(templateId) {}
  DialogBase(const DialogBase&) = delete;
  DialogBase& operator=(const DialogBase&) = delete;
  virtual ~DialogBase();

  // Runs the dialog until Close; returns what Close was given (or -1 when it could not be made).
  INT_PTR ShowModal(HWND owner);
  // Makes the dialog and returns at once; it lives until Close or until its owner is destroyed.
  // The message loop must pass messages through IsDialogMessage (see RouteDialogMessage).
  bool CreateModeless(HWND owner);

  HWND Handle() const { return hwnd_; }
  bool IsModal() const { return modal_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

  std::string ItemText(int id) const;
  void SetItemText(int id, const std::string& text) const;

 protected:
  // Ends a modal dialog with that result, or destroys a modeless one.
  void Close(INT_PTR result = IDCANCEL);

  // After the controls exist. Return true to let the dialog focus its first tab stop, false when
  // the focus has been set here.
  virtual bool OnInit() { return true; }
  // WM_COMMAND. IDOK and IDCANCEL (Enter, Esc, the close box) arrive here too; unhandled, IDCANCEL
  // closes the dialog. Return true when handled.
  virtual bool OnCommand(int id, int code, HWND control);
  virtual LRESULT OnNotify(const NMHDR&) { return 0; }
  // Any other message; return true and set `result` when handled.
  virtual bool OnMessage(UINT, WPARAM, LPARAM, INT_PTR& /*result*/) { return false; }
  // Called once the window is gone (WM_NCDESTROY); the object may still be in use by its owner.
  virtual void OnDestroyed() {}

 private:
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  int templateId_;
  HWND hwnd_ = nullptr;
  bool modal_ = false;
};

// For the program's message loop: lets the dialog (or window with controls) that a message is
// meant for handle its keyboard navigation. True when the message has been dealt with.
bool RouteDialogMessage(MSG& message);

}  // namespace quillet
