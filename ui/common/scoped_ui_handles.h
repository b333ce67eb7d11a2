#pragma once
// Owners of the user-interface handles the windows keep.

#include <windows.h>
#include <commctrl.h>

#include "store/scoped_handles.h"

namespace quillet {

struct ImageListTraits {
  static HIMAGELIST Invalid() { return nullptr; }
  static void Close(HIMAGELIST list) { ImageList_Destroy(list); }
};
struct AcceleratorTraits {
  static HACCEL Invalid() { return nullptr; }
  static void Close(HACCEL table) { DestroyAcceleratorTable(table); }
};

template <typename GdiObject>
struct GdiObjectTraits {
  static GdiObject Invalid() { return nullptr; }
  static void Close(GdiObject object) { DeleteObject(object); }
};

using ScopedFont = ScopedHandle<HFONT, GdiObjectTraits<HFONT>>;
using ScopedBrush = ScopedHandle<HBRUSH, GdiObjectTraits<HBRUSH>>;
using ScopedImageList = ScopedHandle<HIMAGELIST, ImageListTraits>;
using ScopedAccelerators = ScopedHandle<HACCEL, AcceleratorTraits>;

}  // namespace quillet
