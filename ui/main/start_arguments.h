#pragma once
// How start-up reads its argument text: which verb, which name, which path.

#include <string>
#include <string_view>

namespace quillet {

// The argument text of a whole command line: what follows the program's own name (quoted or not)
// and the blanks after it, as WinMain's lpCmdLine gives it. Trailing blanks are kept. ANSI or
// UTF-8 alike: only ASCII characters end the name.
std::string ArgumentTextOf(std::string_view commandLine);

enum class StartVerb {
  Normal,        // no arguments: the main window
  SyntaxHelp,    // "?"
  ClearHistory,  // "/clear": the Run word clear, where clear.vbs cannot run
  ExplorerPath,  // a drive or network path from the Explorer entry: ask for a name
  Remove,        // a name alone
  Create,        // a name and a path
};

struct StartRequest {
  StartVerb verb = StartVerb::Normal;
  std::string name;  // Remove and Create: the first word, trimmed
  // ExplorerPath: the whole argument text, untrimmed; Create: the rest, trimmed. Either loses
  // one pair of double quotes around it.
  std::string path;
};

// Looks at ASCII characters only (blanks, '?', ':', '\\', '"'), so the text may be ANSI or UTF-8.
StartRequest ParseArgumentText(const std::string& argumentText);

}  // namespace quillet
