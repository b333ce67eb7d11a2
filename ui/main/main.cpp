// Quillet: single words for the Run dialog that open programs, documents, folders and web addresses.

#include <windows.h>

#include <string>

#include "store/first_run.h"
#include "store/program_folder.h"
#include "store/wide_text.h"
#include "ui/common/message_loop.h"
#include "ui/common/system_prompt.h"
#include "ui/main/main_window.h"
#include "ui/main/start_arguments.h"
#include "ui/main/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace quillet;
  // A command-line verb ends without ever showing the main window, so the window is made only
  // once start-up has decided to show it: the verbs start faster, and their messages and the
  // scripts they start have no window to belong to.
  // The command line is read wide: its ANSI form would already have turned characters that the
  // code page lacks into '?', and start-up must see them to refuse them.
  SystemPrompt prompt;
  const std::string programFolder = ProgramFolder();
  const StartOutcome outcome =
      RunStartup(StoreContext{programFolder, nullptr, prompt}, prompt, ArgumentTextOf(Utf8FromWide(GetCommandLineW())),
                 StartupSettings{kUserSettingsKey});
  if (outcome == StartOutcome::EndProgram) return 0;

  MainWindow window(programFolder, prompt);
  if (!window.Create()) return 1;
  prompt.SetOwner(window.Handle());
  if (outcome == StartOutcome::NormalStart) {
    window.FinishNormalStart();
  } else {
    ShowWindow(window.Handle(), SW_SHOW);
  }

  return RunMessageLoop([&](MSG& message) { return window.TranslateShortcut(message); },
                        [&] { return window.WatchHandles(); },
                        [&](HANDLE signalled) { window.OnStoreChanged(signalled); });
}
