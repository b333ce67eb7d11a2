#include "ui/main/command_icons.h"


#include "resources/resource_ids.h"
#include "store/file_types.h"
#include "store/shell_functions.h"
#include "store/text.h"

namespace quillet {

namespace {

constexpr COLORREF kMaskColour = RGB(192, 192, 192);

// The small icon of a program file; null when it has none or cannot be read.
ScopedIcon ExtractSmallIcon(const std::string& path) {
  const auto extract = SystemFunction<decltype(ExtractIconExA)>("shell32.dll", "ExtractIconExA");
  HICON small = nullptr;
  if (!extract || extract(path.c_str(), 0, nullptr, &small, 1) == 0) return {};
  return ScopedIcon(small);
}

}  // namespace

CommandIcons::CommandIcons()
    : images_(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, kBuiltInIconCount, 16)) {
  const HBITMAP strip = static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_COMMANDS), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (strip) {
    ImageList_AddMasked(images_.Get(), strip, kMaskColour);
    DeleteObject(strip);
  }
}

int CommandIcons::ProgramIcon(const std::string& path) {
  const std::string key = LowerAscii(path);
  if (const auto known = programIcons_.find(key); known != programIcons_.end()) return known->second;
  const ScopedIcon icon = ExtractSmallIcon(path);
  const int position = icon ? ImageList_AddIcon(images_.Get(), icon.Get()) + 1 : EmptyIcon();
  programIcons_.emplace(key, position);
  return position;
}

int CommandIcons::EmptyIcon() {
  if (emptyIcon_ != 0) return emptyIcon_;
  // A program without an icon shows an empty one: a picture all of the mask colour.
  const HDC screen = GetDC(nullptr);
  const HBITMAP blank = CreateCompatibleBitmap(screen, 16, 16);
  const HDC canvas = CreateCompatibleDC(screen);
  const HGDIOBJ previous = SelectObject(canvas, blank);
  const HBRUSH mask = CreateSolidBrush(kMaskColour);
  const RECT all{0, 0, 16, 16};
  FillRect(canvas, &all, mask);
  DeleteObject(mask);
  SelectObject(canvas, previous);
  DeleteDC(canvas);
  ReleaseDC(nullptr, screen);
  emptyIcon_ = ImageList_AddMasked(images_.Get(), blank, kMaskColour) + 1;
  DeleteObject(blank);
  return emptyIcon_;
}

void CommandIcons::AssignMissingIcons(UserCommandList& rows) {
  for (UserCommandRow& row : rows) {
    if (row.icon != 0) continue;
    row.icon = HasOwnIcon(row.target) ? ProgramIcon(row.target) : IconIndexForPath(row.target);
  }
}

}  // namespace quillet
