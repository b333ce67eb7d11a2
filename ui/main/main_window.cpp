#include "ui/main/main_window.h"

#include "store/app_paths_store.h"
#include "store/definition_store.h"
#include "ui/common/common_controls.h"

namespace quillet {

namespace {

constexpr const char* kClassName = "QuilletMainWindow";
// Design client area, in twips.
constexpr int kDesignClientWidth = 10845;
constexpr int kDesignClientHeight = 6645;

int TwipsToPixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

}  // namespace

bool MainWindow::Create() {
  InitializeCommonControls();
  constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
  if (!WindowBase::Create(kClassName, "Quillet", kStyle, 0, nullptr, nullptr)) return false;

  const UINT dpi = GetDpiForWindow(Handle());
  RECT frame{0, 0, TwipsToPixels(kDesignClientWidth, dpi), TwipsToPixels(kDesignClientHeight, dpi)};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, dpi);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(Handle(), nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void MainWindow::FinishNormalStart(const StoreContext& store) {
  ShowWindow(Handle(), SW_SHOW);
  UpdateWindow(Handle());
  LoadDefinitionFiles(store, userCommands_);
  SetWindowTextA(Handle(), "Quillet");
  WriteBuiltInVerbs(store);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      // Closing the main window ends the program.
      PostQuitMessage(0);
      return 0;
  }
  return WindowBase::HandleMessage(message, wParam, lParam);
}

}  // namespace quillet
