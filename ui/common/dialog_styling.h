#pragma once
// What a dialog shows beyond its template: fonts derived from its own font for headings and links
// (they follow the font the template names and the DPI the dialog was made at), and pictures;
// and the font of the windows made in code, which have no template to name one.

#include <windows.h>

#include <initializer_list>

#include "ui/common/scoped_ui_handles.h"

namespace quillet {

struct FontChange {
  bool bold = false;
  bool underline = false;
  int heightPercent = 100;
};

// The dialog's font with the changes; null when the dialog has no font of its own.
ScopedFont DerivedFont(HWND dialog, const FontChange& change);

// Tahoma 8 pt at that DPI: the font the main window and its popup are designed in.
ScopedFont DesignFont(UINT dpi);

// Gives those controls of the dialog the font (which the caller keeps alive).
void SetControlFont(HWND dialog, std::initializer_list<int> controls, const ScopedFont& font);

// Shows an icon of the resources on a picture control or a button, `size` pixels at 96 DPI and
// scaled to `dpi`. The control only borrows the icon: keep what is returned as long as it shows.
// (Not loaded shared: the shared cache hands out the first size it loaded of an icon, whatever
// size is asked for, and these sizes follow the DPI.)
[[nodiscard]] ScopedIcon SetPicture(HWND dialog, int control, int iconId, int size, UINT dpi);

}  // namespace quillet
