#pragma once
// What can keep a user command from working: another program that Windows finds first under its
// name, or a target that is gone. Shown as a mark on the command's icon and as its tooltip.

#include <string>

#include "store/command_table.h"
#include "store/shadowing.h"

namespace quillet {

struct CommandHealth {
  std::string shadowedBy;  // the file Windows starts instead, or ""
  bool targetMissing = false;
};

CommandHealth CheckCommand(const UserCommandRow& row, const ShadowIndex& shadows);

// The icon's mark (CommandIcons::Overlay): a missing target before a shadowed name.
int OverlayOf(const CommandHealth& health);

// One line for each problem; "" for a command that works.
std::string HealthTip(const CommandHealth& health, const UserCommandRow& row);

}  // namespace quillet
