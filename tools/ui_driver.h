#pragma once
// Drives the dialogs of another process (or another thread) for end-to-end tests: finds a
// dialog by title, reads what it shows, types into its Edit box and presses its buttons.
//
// Typical use:
//   auto box = WaitForDialog("Quillet", 10000, processId);
//   ASSERT_TRUE(box);
//   EXPECT_EQ(box->text, "...");
//   ASSERT_TRUE(PressButton(box->window, "OK"));
//   ASSERT_TRUE(WaitForDialogGone(box->window, 5000));   // before waiting for the next one
//
// Identifying the icon of another process's message box needs quillet_icon_probe.dll from the
// tools folder (see icon_probe.h); under Wine, without it, such icons read as MessageIcon::Other.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tools/message_icon.h"

namespace quillet::tools {

struct DialogInfo {
  HWND window = nullptr;
  std::string title;
  // The message or prompt: the texts of the visible, non-empty text Statics, joined with "\n".
  std::string text;
  std::wstring wideText;  // the same, read wide: characters the ANSI code page lacks included
  MessageIcon icon = MessageIcon::None;
  // Captions of the visible push buttons without accelerator marks ('&'), in child order.
  std::vector<std::string> buttons;
  bool hasEdit = false;
  std::string editText;  // of the first Edit child
  DWORD processId = 0;
};

// Waits up to timeoutMs for a top-level dialog (class "#32770"), shown or not yet shown, whose
// title equals `title` and, if processId != 0, that belongs to that process. A dialog just
// closed with PressButton may still be there: wait for it to go first.
std::optional<DialogInfo> WaitForDialog(const std::string& title, DWORD timeoutMs, DWORD processId = 0);

// What the dialog shows now, once its thread has finished setting it up; nullopt if it is gone.
std::optional<DialogInfo> ReadDialog(HWND dialog);

// Replaces the text of the dialog's first Edit child, or of the control with that id.
bool SetEditText(HWND dialog, const std::string& text);
bool SetControlText(HWND dialog, int controlId, const std::string& text);

// Clicks the visible, enabled push button with that caption (compared without '&' and
// without regard to case). The click is posted as the button's WM_COMMAND, which works
// whether or not the dialog is active; it is handled after this returns.
bool PressButton(HWND dialog, const std::string& caption);

// Waits up to timeoutMs until this dialog window is destroyed. A later dialog with the same
// title (a follow-up message) does not count as this one.
bool WaitForDialogGone(HWND dialog, DWORD timeoutMs);

}  // namespace quillet::tools
