#include "ui/common/dialog_styling.h"

namespace quillet {

ScopedFont DerivedFont(HWND dialog, const FontChange& change) {
  const auto font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
  LOGFONTA description{};
  if (!font || !GetObjectA(font, sizeof description, &description)) return {};
  if (change.bold) description.lfWeight = FW_BOLD;
  description.lfUnderline = change.underline ? TRUE : FALSE;
  description.lfHeight = MulDiv(description.lfHeight, change.heightPercent, 100);
  return ScopedFont(CreateFontIndirectA(&description));
}

ScopedFont DesignFont(UINT dpi) {
  return ScopedFont(CreateFontA(-MulDiv(8, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                DEFAULT_PITCH | FF_SWISS, "Tahoma"));
}

void SetControlFont(HWND dialog, std::initializer_list<int> controls, const ScopedFont& font) {
  if (!font) return;
  for (int id : controls) SendDlgItemMessageA(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
}

ScopedIcon SetPicture(HWND dialog, int control, int iconId, int size, UINT dpi) {
  const int pixels = MulDiv(size, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
  ScopedIcon picture(static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON, pixels, pixels, 0)));
  const HWND item = GetDlgItem(dialog, control);
  char className[16] = {};
  GetClassNameA(item, className, sizeof className);
  if (lstrcmpiA(className, "Button") == 0) {
    SendMessageA(item, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(picture.Get()));
  } else {
    SendMessageA(item, STM_SETICON, reinterpret_cast<WPARAM>(picture.Get()), 0);
  }
  return picture;
}

}  // namespace quillet
