#include "ui/common/system_prompt.h"

#include <commdlg.h>

#include <algorithm>

#include "store/shell_functions.h"
#include "store/wide_text.h"
#include "ui/common/folder_chooser.h"
#include "ui/common/input_box.h"

namespace quillet {

namespace {
constexpr UINT kHelpContext = 0x000F;  // HH_HELP_CONTEXT
}

HWND SystemPrompt::Owner() const {
  const HWND active = GetActiveWindow();
  return active ? active : owner_;
}

int SystemPrompt::Message(const std::string& text, const std::string& title, unsigned flags) {
  return MessageBoxA(Owner(), text.c_str(), title.c_str(), flags);
}

int SystemPrompt::MessageUtf8(const std::string& text, const std::string& title, unsigned flags) {
  return MessageBoxW(Owner(), WideFromUtf8(text).c_str(), WideFromAnsi(title).c_str(), flags);
}

std::string SystemPrompt::InputBox(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText) {
  return ShowInputBox(Owner(), prompt, title, defaultText).value_or(std::string());
}

std::optional<std::string> SystemPrompt::FileDialog(const FileDialogRequest& request, const char* function) {
  const auto show = SystemFunction<decltype(GetOpenFileNameA)>("comdlg32.dll", function);
  if (!show) return std::nullopt;
  std::string filter = request.filter + "||";
  std::replace(filter.begin(), filter.end(), '|', '\0');
  char file[MAX_PATH * 4] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Owner();
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = static_cast<DWORD>(request.filterIndex);
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.Flags = request.flags;
  dialog.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
  if (!show(&dialog)) return std::nullopt;
  return std::string(file);
}

std::optional<std::string> SystemPrompt::OpenFile(const FileDialogRequest& request) {
  return FileDialog(request, "GetOpenFileNameA");
}

std::optional<std::string> SystemPrompt::SaveFile(const FileDialogRequest& request) {
  return FileDialog(request, "GetSaveFileNameA");
}

std::optional<std::string> SystemPrompt::ChooseFolder() {
  FolderChooser chooser(*this);
  if (chooser.ShowModal(Owner()) != IDOK) return std::nullopt;
  return chooser.Chosen();
}

void SystemPrompt::ShowHelpTopic(const std::string& helpFile, int topic) {
  // The help viewer is loaded on first use; without it there is no help to show.
  using HelpFunction = HWND WINAPI(HWND, LPCSTR, UINT, DWORD_PTR);
  static const auto help = SystemFunction<HelpFunction>("hhctrl.ocx", "HtmlHelpA");
  if (help) help(Owner(), helpFile.c_str(), kHelpContext, static_cast<DWORD_PTR>(topic));
}

}  // namespace quillet
