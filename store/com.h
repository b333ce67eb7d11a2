#pragma once
// COM for the few places that need it (shell links, the VBScript engine), bound on first use:
// most runs never load ole32.

#include <windows.h>
#include <objbase.h>

#include <utility>

#include "store/shell_functions.h"

namespace quillet {

// Owns one reference to an interface.
template <typename Interface>
class ComPointer {
 public:
  ComPointer() = default;
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;
  ~ComPointer() {
    if (pointer_) pointer_->Release();
  }
  Interface* operator->() const { return pointer_; }
  Interface* Get() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // Where a function that hands out a reference puts it.
  void** Out() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

// A single-threaded apartment for this thread while it lives.
class ComApartment {
 public:
  ComApartment() {
    const auto initialize = SystemFunction<decltype(CoInitializeEx)>("ole32.dll", "CoInitializeEx");
    initialized_ = initialize && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    const auto uninitialize = SystemFunction<decltype(CoUninitialize)>("ole32.dll", "CoUninitialize");
    if (initialized_ && uninitialize) uninitialize();
  }

 private:
  bool initialized_ = false;
};

// CoCreateInstance of an in-process server, bound on first use.
template <typename Interface>
bool CreateComObject(REFCLSID type, REFIID interfaceId, ComPointer<Interface>& object) {
  const auto create = SystemFunction<decltype(CoCreateInstance)>("ole32.dll", "CoCreateInstance");
  return create && SUCCEEDED(create(type, nullptr, CLSCTX_INPROC_SERVER, interfaceId, object.Out()));
}

}  // namespace quillet
