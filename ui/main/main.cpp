// Quillet: single words for the Run dialog that open programs, documents, folders and web addresses.

#include <windows.h>
#include <commctrl.h>

#include "store/program_folder.h"
#include "ui/common/system_prompt.h"
#include "ui/main/first_run.h"
#include "ui/main/main_window.h"
#include "ui/main/start_arguments.h"
#include "ui/main/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace quillet;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  MainWindow window;
  if (!window.Create()) return 1;

  // Messages of a command-line run have no visible window to belong to.
  SystemPrompt prompt;
  const StoreContext store{ProgramFolder(), window.Handle(), prompt};
  const StartOutcome outcome =
      RunStartup(store, prompt, ArgumentTextOf(GetCommandLineA()), StartupSettings{kUserSettingsKey});
  if (outcome == StartOutcome::EndProgram) return 0;

  prompt.SetOwner(window.Handle());
  if (outcome == StartOutcome::NormalStart) {
    window.FinishNormalStart(store);
  } else {
    ShowWindow(window.Handle(), SW_SHOW);
  }

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
