// bench_scripts.exe import|restore <program folder> <count>: the time to import <count> Desktop
// shortcuts, or to export <count> commands and restore them from that file, against <count> runs
// of the script host on a script that does nothing, started and waited for one after another.
// Works in a throw-away folder of its own; the program folder supplies the companion scripts.

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "store/app_paths_store.h"
#include "store/script_writer.h"
#include "store/scoped_handles.h"
#include "tests/tools/shortcut_reader.h"
#include "ui/common/command_list_owner.h"
#include "ui/import/shortcut_import.h"
#include "ui/main/command_transfer.h"

namespace {

// Answers every file dialog with one file, and tells what it was told.
class SilentPrompt : public quillet::Prompt {
 public:
  std::string file;
  int Message(const std::string& text, const std::string&, unsigned) override {
    std::fprintf(stderr, "bench_scripts: %s\n", text.c_str());
    return IDYES;
  }
  int MessageUtf8(const std::string& text, const std::string& title, unsigned flags) override {
    return Message(text, title, flags);
  }
  std::string InputBox(const std::string&, const std::string&, const std::string&) override { return {}; }
  std::optional<std::string> OpenFile(const quillet::FileDialogRequest&) override { return file; }
  std::optional<std::string> SaveFile(const quillet::FileDialogRequest&) override { return file; }
  std::optional<std::string> ChooseFolder() override { return {}; }
  void ShowHelpTopic(const std::string&, int) override {}
};

class Rows : public quillet::CommandListOwner {
 public:
  quillet::UserCommandList& UserCommandRows() override { return rows; }
  void UserCommandsSaved() override {}
  const quillet::ShadowIndex& ShadowingPrograms() const override { return shadows; }
  quillet::UserCommandList rows;
  quillet::ShadowIndex shadows;
};

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string Child(const std::string& folder, const std::string& name) { return folder + "\\" + name; }

}  // namespace

// Makes the commands of the measured run; returns how many the list holds afterwards.
std::size_t ImportShortcuts(const std::string& program, const std::string& work, int count, SilentPrompt& prompt,
                            Rows& rows) {
  const std::string desktop = Child(work, "Desktop");
  CreateDirectoryA(desktop.c_str(), nullptr);
  quillet::ImportList list;
  for (int i = 0; i < count; ++i) {
    const std::string file = "Bench Program " + std::to_string(i) + ".lnk";
    quillet::testing::WriteShortcut(Child(desktop, file), {"C:\\windows\\notepad.exe", "-x " + std::to_string(i),
                                                           "C:\\windows", 1});
    quillet::ImportRow row = quillet::MakeImportRow(desktop, file);
    row.ticked = true;
    list.push_back(row);
  }
  const double start = Now();
  const quillet::ScriptWriter scriptWriter;
  quillet::ImportShortcuts({program, scriptWriter}, prompt, list, rows);
  std::printf("import_ms=%.1f\n", Now() - start);
  return rows.rows.size();
}

std::size_t ExportAndRestore(const std::string& program, const std::string& work, int count, SilentPrompt& prompt,
                             Rows& rows) {
  Rows exported;
  for (int i = 0; i < count; ++i) {
    exported.rows.push_back(quillet::RowOf(
        {"bench" + std::to_string(i), "C:\\windows\\notepad.exe", "\"a  b\" " + std::to_string(i), quillet::kWindowMaximized}));
  }
  prompt.file = Child(work, "commands.txt");
  double start = Now();
  quillet::ExportCommands(prompt, exported.rows);
  std::printf("export_ms=%.1f\n", Now() - start);
  start = Now();
  const quillet::ScriptWriter scriptWriter;
  quillet::RestoreCommands({program, scriptWriter}, prompt, rows);
  std::printf("restore_ms=%.1f\n", Now() - start);
  return rows.rows.size();
}

int main(int argc, char** argv) {
  const std::string mode = argc == 4 ? argv[1] : "";
  if (mode != "import" && mode != "restore") {
    std::fputs("usage: bench_scripts.exe import|restore <program folder> <count>\n", stderr);
    return 1;
  }
  const std::string scripts = argv[2];
  const int count = std::atoi(argv[3]);
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string work = std::string(temp) + "quillet-bench-scripts-" + std::to_string(GetCurrentProcessId());
  const std::string program = Child(work, "program");
  for (const std::string& folder : {work, program, Child(program, "Cmds")}) CreateDirectoryA(folder.c_str(), nullptr);
  for (const char* script : {"cishortcut.vbs", "cshortcut.vbs"}) {
    CopyFileA(Child(scripts, script).c_str(), Child(program, script).c_str(), FALSE);
  }
  const std::string idle = Child(work, "idle.vbs");
  quillet::ScopedFile(CreateFileA(idle.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

  SilentPrompt prompt;
  Rows rows;
  const std::size_t made = mode == "import" ? ImportShortcuts(program, work, count, prompt, rows)
                                            : ExportAndRestore(program, work, count, prompt, rows);

  const double start = Now();
  for (int i = 0; i < count; ++i) {
    SHELLEXECUTEINFOA run{};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    run.lpVerb = "open";
    run.lpFile = idle.c_str();
    run.nShow = SW_SHOWNOACTIVATE;
    if (ShellExecuteExA(&run) && run.hProcess) {
      const quillet::ScopedProcess process(run.hProcess);
      WaitForSingleObject(process.Get(), INFINITE);
    }
  }
  std::printf("idle_ms=%.1f\n", Now() - start);

  const quillet::ScriptWriter scriptWriter;
  const quillet::StoreContext store{program, scriptWriter};
  for (const quillet::UserCommandRow& row : rows.rows) quillet::DeleteCommand(store, row.fileName);
  std::printf("made=%zu\n", made);
  return made == static_cast<std::size_t>(count) ? 0 : 2;
}
