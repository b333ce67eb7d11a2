#include "ui/main/command_icons.h"

#include "resources/resource_ids.h"
#include "ui/main/file_types.h"
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
  AddOverlays();
}

int CommandIcons::ProgramIcon(const std::string& path) {
  const std::string key = LowerAscii(path);
  if (const auto known = programIcons_.find(key); known != programIcons_.end()) return known->second;
  const ScopedIcon icon = ExtractSmallIcon(path);
  const int position = icon ? ImageList_AddIcon(images_.Get(), icon.Get()) + 1 : EmptyIcon();
  programIcons_.emplace(key, position);
  return position;
}

int CommandIcons::AddDrawn(const std::function<void(HDC)>& draw) {
  const HDC screen = GetDC(nullptr);
  const HBITMAP picture = CreateCompatibleBitmap(screen, 16, 16);
  const HDC canvas = CreateCompatibleDC(screen);
  const HGDIOBJ previous = SelectObject(canvas, picture);
  const HBRUSH mask = CreateSolidBrush(kMaskColour);
  const RECT all{0, 0, 16, 16};
  FillRect(canvas, &all, mask);
  DeleteObject(mask);
  draw(canvas);
  SelectObject(canvas, previous);
  DeleteDC(canvas);
  ReleaseDC(nullptr, screen);
  const int position = ImageList_AddMasked(images_.Get(), picture, kMaskColour) + 1;
  DeleteObject(picture);
  return position;
}

int CommandIcons::EmptyIcon() {
  // A program without an icon shows an empty one: a picture all of the mask colour.
  if (emptyIcon_ == 0) emptyIcon_ = AddDrawn([](HDC) {});
  return emptyIcon_;
}

namespace {

// A mark in the lower left corner of a command's icon: a disc with a white sign on it.
void DrawMark(HDC canvas, COLORREF disc, bool cross) {
  const HBRUSH fill = CreateSolidBrush(disc);
  const HPEN edge = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
  const HGDIOBJ oldBrush = SelectObject(canvas, fill);
  const HGDIOBJ oldPen = SelectObject(canvas, edge);
  Ellipse(canvas, 0, 6, 10, 16);
  if (cross) {
    MoveToEx(canvas, 3, 9, nullptr);
    LineTo(canvas, 8, 14);
    MoveToEx(canvas, 7, 9, nullptr);
    LineTo(canvas, 2, 14);
  } else {  // an exclamation mark
    MoveToEx(canvas, 5, 8, nullptr);
    LineTo(canvas, 5, 12);
    SetPixel(canvas, 5, 13, RGB(255, 255, 255));
  }
  SelectObject(canvas, oldPen);
  SelectObject(canvas, oldBrush);
  DeleteObject(edge);
  DeleteObject(fill);
}

}  // namespace

void CommandIcons::AddOverlays() {
  const int shadowed = AddDrawn([](HDC canvas) { DrawMark(canvas, RGB(0x20, 0x4A, 0x87), false); });
  const int missing = AddDrawn([](HDC canvas) { DrawMark(canvas, RGB(0xCC, 0x00, 0x00), true); });
  ImageList_SetOverlayImage(images_.Get(), shadowed - 1, kShadowedOverlay);
  ImageList_SetOverlayImage(images_.Get(), missing - 1, kMissingTargetOverlay);
}

void CommandIcons::AssignMissingIcons(UserCommandList& rows) {
  for (UserCommandRow& row : rows) {
    if (row.icon != 0) continue;
    row.icon = HasOwnIcon(row.target) ? ProgramIcon(row.target) : IconIndexForPath(row.target);
  }
}

}  // namespace quillet
