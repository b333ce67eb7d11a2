// bench_import.exe <program folder> <count>: the time to import <count> Desktop shortcuts
// through the import, against <count> runs of the script host on a script that does nothing,
// started and waited for one after another. Works in a throw-away folder of its own; the
// program folder supplies the import scripts.

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "store/app_paths_store.h"
#include "store/scoped_handles.h"
#include "tests/scripts/shortcut_reader.h"
#include "ui/common/command_list_owner.h"
#include "ui/import/shortcut_import.h"

namespace {

class SilentPrompt : public quillet::Prompt {
 public:
  int Message(const std::string& text, const std::string&, unsigned) override {
    std::fprintf(stderr, "bench_import: %s\n", text.c_str());
    return IDOK;
  }
  int MessageUtf8(const std::string& text, const std::string& title, unsigned flags) override {
    return Message(text, title, flags);
  }
  std::string InputBox(const std::string&, const std::string&, const std::string&) override { return {}; }
  std::optional<std::string> OpenFile(const quillet::FileDialogRequest&) override { return {}; }
  std::optional<std::string> SaveFile(const quillet::FileDialogRequest&) override { return {}; }
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

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: bench_import.exe <program folder> <count>\n", stderr);
    return 1;
  }
  const std::string scripts = argv[1];
  const int count = std::atoi(argv[2]);
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string work = std::string(temp) + "quillet-bench-import-" + std::to_string(GetCurrentProcessId());
  const std::string program = Child(work, "program");
  const std::string desktop = Child(work, "Desktop");
  for (const std::string& folder : {work, program, Child(program, "Cmds"), desktop}) {
    CreateDirectoryA(folder.c_str(), nullptr);
  }
  CopyFileA(Child(scripts, "cishortcut.vbs").c_str(), Child(program, "cishortcut.vbs").c_str(), FALSE);
  const std::string idle = Child(work, "idle.vbs");
  quillet::ScopedFile(CreateFileA(idle.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

  quillet::ImportList list;
  for (int i = 0; i < count; ++i) {
    const std::string file = "Bench Program " + std::to_string(i) + ".lnk";
    quillet::testing::WriteShortcut(Child(desktop, file), {"C:\\windows\\notepad.exe", "-x " + std::to_string(i),
                                                           "C:\\windows", 1});
    quillet::ImportRow row = quillet::MakeImportRow(desktop, file);
    row.ticked = true;
    list.push_back(row);
  }

  SilentPrompt prompt;
  Rows rows;
  double start = Now();
  quillet::ImportShortcuts({program, nullptr, prompt}, prompt, list, rows);
  const double importMs = Now() - start;

  start = Now();
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
  const double bareMs = Now() - start;

  const quillet::StoreContext store{program, nullptr, prompt};
  for (const quillet::ImportRow& row : list) quillet::DeleteCommand(store, row.name);
  std::printf("imported=%zu import_ms=%.1f bare_ms=%.1f\n", rows.rows.size(), importMs, bareMs);
  return rows.rows.size() == static_cast<std::size_t>(count) ? 0 : 2;
}
