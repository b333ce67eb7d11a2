#include "ui/main/command_icons.h"

#include "resources/resource_ids.h"
#include "ui/main/file_types.h"
#include "store/shell_functions.h"
#include "store/text.h"
#include "ui/common/scoped_ui_handles.h"

namespace quillet {

namespace {

// The small icon of a program file; null when it has none or cannot be read.
ScopedIcon ExtractSmallIcon(const std::string& path) {
  const auto extract = SystemFunction<decltype(ExtractIconExA)>("shell32.dll", "ExtractIconExA");
  HICON small = nullptr;
  if (!extract || extract(path.c_str(), 0, nullptr, &small, 1) == 0) return {};
  return ScopedIcon(small);
}

// A picture of 24 bits a pixel: without an alpha channel, the list draws its marks over it (Wine
// draws none over pictures with one) and the mask colour decides what is transparent.
HBITMAP Canvas(int width, int height) {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 24;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
}

// Built-in pictures are drawn at 16 x 16 pixels; above that they are scaled pixel by pixel, so
// that the mask colour stays exact.
void AddScaled(HIMAGELIST images, HBITMAP picture, int pictures, int drawnSize, int size, COLORREF mask) {
  const ScopedBitmap scaled(Canvas(pictures * size, size));
  {
    const ScopedWindowDc screen;
    const ScopedMemoryDc from(CreateCompatibleDC(screen.Get())), to(CreateCompatibleDC(screen.Get()));
    const ScopedSelection fromPicture(from.Get(), picture), toScaled(to.Get(), scaled.Get());
    SetStretchBltMode(to.Get(), COLORONCOLOR);
    StretchBlt(to.Get(), 0, 0, pictures * size, size, from.Get(), 0, 0, pictures * drawnSize, drawnSize, SRCCOPY);
  }
  ImageList_AddMasked(images, scaled.Get(), mask);
}

}  // namespace

CommandIcons::CommandIcons(int size)
    : size_(size), images_(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kBuiltInIconCount, 16)) {
  const HBITMAP strip = static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_COMMANDS), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (strip) {
    AddScaled(images_.Get(), strip, kBuiltInIconCount, 16, size_, kMaskColour);
    DeleteObject(strip);
  }
  AddOverlays();
}

int CommandIcons::ProgramIcon(const std::string& path) {
  const std::string key = LowerAscii(path);
  if (const auto known = programIcons_.find(key); known != programIcons_.end()) return known->second;
  const ScopedIcon icon = ExtractSmallIcon(path);
  // Drawn on the lists' own background rather than kept with its transparency, so that it can
  // carry a mark (see Canvas); the lists show nothing else around it.
  const HICON picture = icon.Get();
  const int position =
      icon ? AddDrawn([&](HDC canvas) { DrawIconEx(canvas, 0, 0, picture, size_, size_, 0, nullptr, DI_NORMAL); },
                      size_, kIconBackground)
           : EmptyIcon();
  programIcons_.emplace(key, position);
  return position;
}

int CommandIcons::AddDrawn(const std::function<void(HDC)>& draw, int drawnSize, COLORREF background) {
  const ScopedBitmap picture(Canvas(drawnSize, drawnSize));
  {
    const ScopedWindowDc screen;
    const ScopedMemoryDc canvas(CreateCompatibleDC(screen.Get()));
    const ScopedSelection drawnOn(canvas.Get(), picture.Get());
    const ScopedBrush fill(CreateSolidBrush(background));
    const RECT all{0, 0, drawnSize, drawnSize};
    FillRect(canvas.Get(), &all, fill.Get());
    draw(canvas.Get());
  }
  AddScaled(images_.Get(), picture.Get(), 1, drawnSize, size_, background);
  return ImageList_GetImageCount(images_.Get());
}

int CommandIcons::EmptyIcon() {
  // A program without an icon shows an empty one: a picture all of the mask colour.
  if (emptyIcon_ == 0) emptyIcon_ = AddDrawn([](HDC) {});
  return emptyIcon_;
}

namespace {

// A mark in the lower left corner of a command's icon: a disc with a white sign on it.
void DrawMark(HDC canvas, COLORREF disc, bool cross) {
  const ScopedBrush fill(CreateSolidBrush(disc));
  const ScopedPen edge(CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
  const ScopedSelection brush(canvas, fill.Get()), pen(canvas, edge.Get());
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
