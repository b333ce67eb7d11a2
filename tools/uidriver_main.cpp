// uidriver.exe: the UI driver by hand.
//   uidriver wait "<title>" [timeoutMs]                 prints the dialog
//   uidriver press "<title>" <button> [--edit "<text>"]  optionally types into the Edit box, then presses
// Exit code 0 on success, 1 if the dialog did not appear or the action failed, 2 on wrong usage.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/ui_driver.h"

namespace {

using quillet::tools::DialogInfo;

constexpr DWORD kDefaultTimeoutMs = 10000;
constexpr DWORD kCloseTimeoutMs = 5000;

int Usage() {
  std::fputs("usage: uidriver wait \"<title>\" [timeoutMs]\n"
             "       uidriver press \"<title>\" <button> [--edit \"<text>\"]\n",
             stderr);
  return 2;
}

void Print(const DialogInfo& info) {
  std::printf("window:  0x%p\nprocess: %lu\ntitle:   %s\nicon:    %s\n", static_cast<void*>(info.window),
              static_cast<unsigned long>(info.processId), info.title.c_str(), MessageIconName(info.icon));
  // Continuation lines of a multi-line message are indented under the first.
  std::string text;
  for (char c : info.text) {
    if (c == '\r') continue;
    text += c;
    if (c == '\n') text += "         ";
  }
  std::printf("text:    %s\nbuttons:", text.c_str());
  for (const std::string& button : info.buttons) std::printf(" [%s]", button.c_str());
  if (info.hasEdit) {
    std::printf("\nedit:    \"%s\"\n", info.editText.c_str());
  } else {
    std::printf("\nedit:    (none)\n");
  }
}

int Wait(const std::string& title, DWORD timeoutMs) {
  const auto info = quillet::tools::WaitForDialog(title, timeoutMs);
  if (!info) {
    std::fprintf(stderr, "uidriver: no dialog \"%s\" within %lu ms\n", title.c_str(),
                 static_cast<unsigned long>(timeoutMs));
    return 1;
  }
  Print(*info);
  return 0;
}

int Press(const std::string& title, const std::string& button, const std::string* editText) {
  const auto info = quillet::tools::WaitForDialog(title, kDefaultTimeoutMs);
  if (!info) {
    std::fprintf(stderr, "uidriver: no dialog \"%s\"\n", title.c_str());
    return 1;
  }
  if (editText != nullptr && !quillet::tools::SetEditText(info->window, *editText)) {
    std::fputs("uidriver: the dialog has no Edit box that takes the text\n", stderr);
    return 1;
  }
  if (!quillet::tools::PressButton(info->window, button)) {
    std::fprintf(stderr, "uidriver: no enabled button \"%s\"\n", button.c_str());
    return 1;
  }
  if (!quillet::tools::WaitForDialogGone(info->window, kCloseTimeoutMs)) {
    std::fputs("uidriver: the dialog stayed open\n", stderr);
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string action = argv[1];
  if (action == "wait" && argc <= 4) {
    return Wait(argv[2], argc == 4 ? static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)) : kDefaultTimeoutMs);
  }
  if (action == "press" && argc == 4) return Press(argv[2], argv[3], nullptr);
  if (action == "press" && argc == 6 && std::string(argv[4]) == "--edit") {
    const std::string editText = argv[5];
    return Press(argv[2], argv[3], &editText);
  }
  return Usage();
}
