#pragma once
// The import wizard (frmImportWizard). Step 1 shows the folder to import from; step 2 lists its
// shortcuts, or those collected in the shortcut picker, with suggested command names to rename,
// tick and import.

#include <string>
#include <vector>

#include "store/store_context.h"
#include "ui/common/command_list_owner.h"
#include "ui/common/dialog_base.h"
#include "ui/common/prompt.h"
#include "ui/import/import_rules.h"

namespace quillet {

class ImportWizard : public DialogBase {
 public:
  ImportWizard(const StoreContext& store, Prompt& prompt, CommandListOwner& list, ImportSource source);

  const ImportList& Rows() const { return rows_; }
  bool InStepTwo() const { return stepTwo_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  LRESULT OnNotify(const NMHDR& header) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  // Opens the shortcut picker on the import folders; the picker adds to the rows. Tests replace
  // it, since the picker is modal.
  virtual void PickShortcuts(ImportList& rows, const std::vector<std::string>& folders);

 private:
  void ShowStep(bool two);
  void Next();
  void ShowRows();
  void SetAllTicks(bool ticked);
  void RenameSelectedRow();
  void Import();

  // The folders to import from: the box's, and the one of all users while the box holds the
  // user's own folder.
  std::vector<std::string> ImportFolders() const;

  const StoreContext& store_;
  Prompt& prompt_;
  CommandListOwner& list_;
  ImportSource source_;
  std::string userFolder_;  // the user's folder of the source, as Windows names it
  ImportList rows_;
  bool stepTwo_ = false;
  bool importing_ = false;
  bool showingRows_ = false;  // the list's own changes while it is filled are not the user's
};

}  // namespace quillet
