#include "ui/main/startup.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "store/command_name.h"
#include "store/command_writer.h"
#include "store/first_run.h"
#include "store/run_history.h"
#include "store/store_paths.h"
#include "store/text.h"
#include "store/wide_text.h"
#include "ui/main/create_from_shell.h"
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
    store.writer.SwitchExplorerEntry(store, true);  // not waited for, and not reported
  }
}

// Refuses a name that cannot be a command (for removal: one that could not have been made);
// true when the name is usable.
bool AcceptName(Prompt& prompt, const std::string& name, const std::string& programFolder) {
  const NameRefusal refusal = RefuseName(name, programFolder);
  if (refusal == NameRefusal::None) return true;
  prompt.Message(NameRefusalMessage(refusal, name), kAppTitle, kOkOnly | kIconExclamation);
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

// A command that could not be made leaves the user in the main window, with everything there.
StartOutcome Created(bool made) { return made ? StartOutcome::EndProgram : StartOutcome::NormalStart; }

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
    if (!AcceptName(prompt, name, store.programFolder)) continue;
    return Created(CreateFromShell(store, prompt, name, path));
  }
}

}  // namespace

void CreateCmdsFolder(const std::string& programFolder) {
  const std::string folder = CmdsFolder(programFolder);
  if (GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES) CreateDirectoryA(folder.c_str(), nullptr);
}

StartOutcome RunStartup(const StoreContext& store, Prompt& prompt, const std::string& argumentText,
                        const StartupSettings& settings) {
  StartRequest request = ParseArgumentText(argumentText);
  // Everything but the syntax help may write the commands' key: a copy of all users gets the
  // rights for that first, before anything is asked or written.
  if (request.verb != StartVerb::SyntaxHelp && !GoOnWithRights(store, prompt, settings.elevation, argumentText)) {
    return StartOutcome::EndProgram;
  }
  // Recorded before the question, so that it is asked once whatever the answer.
  if (!FirstStartDone(settings.userKey)) {
    RecordFirstStart(settings.userKey);
    AskFirstStartQuestion(store, prompt);
  }
  CreateCmdsFolder(store.programFolder);

  if (!ToCodePage(prompt, request.name, "command name") || !ToCodePage(prompt, request.path, "path")) {
    return StartOutcome::EndProgram;
  }
  switch (request.verb) {
    case StartVerb::Normal:
      return StartOutcome::NormalStart;
    case StartVerb::SyntaxHelp:
      prompt.Message(kSyntaxHelp, "Quillet - Help", kOkOnly);
      return StartOutcome::EndProgram;
    case StartVerb::ClearHistory:
      if (ClearRunHistory()) {
        prompt.Message(kRunHistoryCleared, kAppTitle, kOkOnly | kIconInformation);
      } else {
        prompt.Message("The Run dialog's history could not be cleared.", kAppTitle, kOkOnly | kIconExclamation);
      }
      return StartOutcome::EndProgram;
    case StartVerb::ExplorerPath:
      return CreateFromExplorerPath(store, prompt, request.path);
    case StartVerb::Remove:
      if (AcceptName(prompt, request.name, "")) RemoveNamedCommand(store, prompt, request.name);
      return StartOutcome::EndProgram;
    case StartVerb::Create:
      if (!AcceptName(prompt, request.name, store.programFolder)) return StartOutcome::EndProgram;
      return Created(CreateFromShell(store, prompt, request.name, request.path));
  }
  return StartOutcome::EndProgram;
}

}  // namespace quillet
