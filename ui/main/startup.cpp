#include "ui/main/startup.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "store/command_name.h"
#include "store/companion_scripts.h"
#include "store/store_paths.h"
#include "store/text.h"
#include "store/wide_text.h"
#include "ui/main/create_from_shell.h"
#include "store/first_run.h"
#include "ui/main/removal.h"
#include "ui/main/start_arguments.h"

namespace quillet {

namespace {

constexpr const char* kFirstRunQuestion =
    "Do you want to add a Quillet context menu for common files and folders? This will make it possible to "
    "create commands by right-clicking files/folders in explorer. You can alter this feature later under "
    "'Settings' in the main window.";
constexpr const char* kSyntaxHelp =
    "Creating a command. Syntax: create <name> <path>\r\nRemoving a command. Syntax: remove <name>";
constexpr const char* kNamePrompt = "Enter command name for the selected file/folder:";

void AskFirstStartQuestion(const StoreContext& store, Prompt& prompt) {
  if (prompt.Message(kFirstRunQuestion, "Quillet (First Run)", kYesNo) == IDYES) {
    StartCompanionScript(store.owner, store.programFolder, "addcontextmenu.vbs", "", "", SW_RESTORE);
  }
}

// Refuses a name that cannot safely become file and subkey names, and Quillet's own Run words;
// true when the name is usable.
bool AcceptName(Prompt& prompt, const std::string& name) {
  const bool ownWord = IsOwnRunWord(name);
  if (!ownWord && IsSafeCommandName(name)) return true;
  prompt.Message(ownWord ? OwnRunWordMessage(name) : UnsafeNameMessage(name), kAppTitle,
                 kOkOnly | kIconExclamation);
  return false;
}

// Puts a UTF-8 text of the request into the ANSI code page that the store writes. A character
// that code page lacks would be stored as something else, a '?' or a look-alike, so the text is
// refused, shown as it was typed; false then.
bool ToCodePage(Prompt& prompt, std::string& text, const char* what) {
  std::optional<std::string> ansi = AnsiFromUtf8(text);
  if (ansi) {
    text = std::move(*ansi);
    return true;
  }
  prompt.MessageUtf8(std::string("The ") + what + " '" + text +
                         "' cannot be used: some of its characters do not exist in the code page of the "
                         "system's language for non-Unicode programs, in which Quillet stores its commands."
                         "\r\nNothing was changed.",
                     kAppTitle, kOkOnly | kIconExclamation);
  return false;
}

// The Explorer entry: ask for a name until one without blanks is given, then make the command.
StartOutcome CreateFromExplorerPath(const StoreContext& store, Prompt& prompt, const std::string& path) {
  for (;;) {
    const std::string name = TrimSpaces(prompt.InputBox(kNamePrompt, kAppTitle, "mycommand"));
    const auto spaces = std::count(name.begin(), name.end(), ' ');
    for (long i = 0; i < spaces; ++i) {
      prompt.Message("No spaces allowed!", kAppTitle, kOkOnly | kIconInformation);
    }
    if (spaces > 0) continue;
    if (name.empty()) return StartOutcome::EndProgram;
    if (!AcceptName(prompt, name)) continue;
    return CreateFromShell(store, name, path) ? StartOutcome::EndProgram : StartOutcome::EmptyMainWindow;
  }
}

}  // namespace

void CreateCmdsFolder(const std::string& programFolder) {
  const std::string folder = CmdsFolder(programFolder);
  if (GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES) CreateDirectoryA(folder.c_str(), nullptr);
}

StartOutcome RunStartup(const StoreContext& store, Prompt& prompt, const std::string& argumentText,
                        const StartupSettings& settings) {
  if (MarkFirstStart(settings.userKey)) AskFirstStartQuestion(store, prompt);
  CreateCmdsFolder(store.programFolder);

  StartRequest request = ParseArgumentText(argumentText);
  if (!ToCodePage(prompt, request.name, "command name") || !ToCodePage(prompt, request.path, "path")) {
    return StartOutcome::EndProgram;
  }
  switch (request.verb) {
    case StartVerb::Normal:
      return StartOutcome::NormalStart;
    case StartVerb::SyntaxHelp:
      prompt.Message(kSyntaxHelp, "Quillet - Help", kOkOnly);
      return StartOutcome::EndProgram;
    case StartVerb::ExplorerPath:
      return CreateFromExplorerPath(store, prompt, request.path);
    case StartVerb::Remove:
      if (AcceptName(prompt, request.name)) RemoveNamedCommand(store, prompt, request.name);
      return StartOutcome::EndProgram;
    case StartVerb::Create:
      if (!AcceptName(prompt, request.name)) return StartOutcome::EndProgram;
      return CreateFromShell(store, request.name, request.path) ? StartOutcome::EndProgram
                                                                : StartOutcome::EmptyMainWindow;
  }
  return StartOutcome::EndProgram;
}

}  // namespace quillet
