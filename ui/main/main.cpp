// Quillet: single words for the Run dialog that open programs, documents, folders and web addresses.

#include <windows.h>

#include <string>

#include "store/first_run.h"
#include "store/program_folder.h"
#include "store/wide_text.h"
#include "store/writer_choice.h"
#include "ui/common/message_loop.h"
#include "ui/common/system_prompt.h"
#include "ui/main/elevation.h"
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
  const WriterChoice writer;  // the scripts where Windows runs VBScript, else Quillet's own code
  const StoreContext store{programFolder, writer, ScopeOfProgramFolder(programFolder)};
  const SystemElevation elevation;
  const StartOutcome outcome = RunStartup(store, prompt, ArgumentTextOf(Utf8FromWide(GetCommandLineW())),
                                          StartupSettings{kUserSettingsKey, elevation});
  if (outcome == StartOutcome::EndProgram) return 0;

  MainWindow window(store, prompt);
  if (!window.Create()) return 1;
  prompt.SetOwner(window.Handle());
  window.FinishNormalStart();
  return RunMessageLoop(window);
}
