#pragma once
// The settings dialog (frmSettings): a tab strip with its one page, "Context Menu", and OK and
// Cancel, which both just close it: the page's buttons have done their work at once.

#include <string>

#include "store/store_context.h"
#include "ui/common/dialog_base.h"
#include "ui/common/prompt.h"
#include "ui/settings/context_menu_page.h"

namespace quillet {

class SettingsDialog : public DialogBase {
 public:
  SettingsDialog(const StoreContext& store, Prompt& prompt);
  ContextMenuPage& Page() { return page_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  ContextMenuPage page_;
};

// Shows the settings dialog modally over `owner`.
void ShowSettings(HWND owner, const StoreContext& store, Prompt& prompt);

}  // namespace quillet
