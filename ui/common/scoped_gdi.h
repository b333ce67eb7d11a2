#pragma once
// Owners for the GDI pairs: a window's device context, a memory device context, an object
// selected into a device context, and a drawing object.

#include <windows.h>

namespace quillet {

// GetDC and ReleaseDC; nullptr: the screen.
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

// CreateCompatibleDC and DeleteDC.
class ScopedMemoryDc {
 public:
  explicit ScopedMemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
  ScopedMemoryDc(const ScopedMemoryDc&) = delete;
  ScopedMemoryDc& operator=(const ScopedMemoryDc&) = delete;
  ~ScopedMemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// SelectObject, and the previous object selected again at the end.
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

// A pen, brush or bitmap, deleted at the end (after any selection of it has ended: declare it first).
template <typename Object>
class ScopedGdiObject {
 public:
  explicit ScopedGdiObject(Object object) : object_(object) {}
  ScopedGdiObject(const ScopedGdiObject&) = delete;
  ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
  ~ScopedGdiObject() {
    if (object_) DeleteObject(object_);
  }
  Object Get() const { return object_; }

 private:
  Object object_;
};

}  // namespace quillet
