#pragma once
// Drives the dialogs of another process (or another thread) for end-to-end tests: finds a dialog
// by title, reads what it shows, types into its boxes and presses its buttons.
//
//   auto box = WaitForDialog("Quillet", 10000, processId);
//   ASSERT_TRUE(box);
//   EXPECT_EQ(box->text, L"...");
//   ASSERT_TRUE(PressButton(box->window, "OK"));
//   ASSERT_TRUE(WaitForDialogGone(box->window, 5000));   // before waiting for the next one

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace quillet::tools {

// Polls every intervalMs until `condition` holds (true) or timeoutMs has passed (false): for what
// another process does in its own time.
bool Eventually(const std::function<bool()>& condition, DWORD timeoutMs = 20000, DWORD intervalMs = 20);

// Waits up to timeoutMs for a top-level window of that class that belongs to that process (0: any)
// and for which `accept` holds; null when none comes.
HWND WaitForWindow(const char* className, DWORD processId, DWORD timeoutMs, const std::function<bool(HWND)>& accept);

struct DialogInfo {
  HWND window = nullptr;
  // The message or prompt: the texts of the visible, non-empty text Statics, joined with "\n",
  // read wide, so that characters the ANSI code page lacks show as they are.
  std::wstring text;
  bool hasEdit = false;
  std::string editText;  // of the first Edit child
};

// Waits up to timeoutMs for a top-level dialog (class "#32770") whose title equals `title` and,
// if processId != 0, that belongs to that process, and reads it once its thread has finished
// setting it up. A dialog just closed with PressButton may still be there: wait for it to go.
std::optional<DialogInfo> WaitForDialog(const std::string& title, DWORD timeoutMs, DWORD processId = 0);

// Replaces the text of the control with that id, or of the first Edit child for id 0.
bool SetControlText(HWND dialog, int controlId, const std::string& text);

// Clicks the visible, enabled push button with that caption (compared without '&' and without
// regard to case), waiting up to 5 seconds for it: a click just posted may be about to show or
// enable it. The click is posted as the button's WM_COMMAND, which works whether or not the
// dialog is active; it is handled after this returns.
bool PressButton(HWND dialog, const std::string& caption);

// Waits up to timeoutMs until this dialog window is destroyed. A later dialog with the same title
// (a follow-up message) does not count as this one.
bool WaitForDialogGone(HWND dialog, DWORD timeoutMs);

}  // namespace quillet::tools
