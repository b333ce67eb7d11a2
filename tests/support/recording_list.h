#pragma once
// Stands in for the main window's user command list: keeps the rows and counts the saves.

#include "ui/common/command_list_owner.h"

namespace quillet::testing {

class RecordingList : public CommandListOwner {
 public:
  explicit RecordingList(UserCommandList initial = {}) : rows(std::move(initial)) {}
  UserCommandList& UserCommandRows() override { return rows; }
  void UserCommandsSaved() override { ++saves; }
  const ShadowIndex& ShadowingPrograms() const override { return shadows; }

  UserCommandList rows;
  int saves = 0;
  ShadowIndex shadows;  // none, unless a test makes some
};

}  // namespace quillet::testing
