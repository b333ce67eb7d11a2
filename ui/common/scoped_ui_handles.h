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

struct MemoryDcTraits {
  static HDC Invalid() { return nullptr; }
  static void Close(HDC dc) { DeleteDC(dc); }
};

using ScopedFont = ScopedHandle<HFONT, GdiObjectTraits<HFONT>>;
using ScopedBrush = ScopedHandle<HBRUSH, GdiObjectTraits<HBRUSH>>;
using ScopedPen = ScopedHandle<HPEN, GdiObjectTraits<HPEN>>;
using ScopedBitmap = ScopedHandle<HBITMAP, GdiObjectTraits<HBITMAP>>;
using ScopedMemoryDc = ScopedHandle<HDC, MemoryDcTraits>;  // CreateCompatibleDC results

// GetDC and ReleaseDC; nullptr: the screen. (The release needs the window too.)
class ScopedWindowDc {
 public:
  explicit ScopedWindowDc(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
  ScopedWindowDc(const ScopedWindowDc&) = delete;
  ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
  ~ScopedWindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// SelectObject, and the previous object selected again at the end. Declare the object it
// selects first, so that it is deleted after it is no longer selected.
class ScopedSelection {
 public:
  ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ScopedSelection(const ScopedSelection&) = delete;
  ScopedSelection& operator=(const ScopedSelection&) = delete;
  ~ScopedSelection() {
    if (previous_) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

using ScopedImageList = ScopedHandle<HIMAGELIST, ImageListTraits>;
using ScopedAccelerators = ScopedHandle<HACCEL, AcceleratorTraits>;

}  // namespace quillet
