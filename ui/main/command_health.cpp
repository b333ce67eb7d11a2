#include "ui/main/command_health.h"

#include "store/target_probe.h"
#include "ui/main/command_icons.h"

namespace quillet {

CommandHealth CheckCommand(const UserCommandRow& row, const ShadowIndex& shadows) {
  return {shadows.Find(row.name), IsLocalTargetMissing(row.target)};
}

int OverlayOf(const CommandHealth& health) {
  if (health.targetMissing) return CommandIcons::kMissingTargetOverlay;
  return health.shadowedBy.empty() ? CommandIcons::kNoOverlay : CommandIcons::kShadowedOverlay;
}

std::string HealthTip(const CommandHealth& health, const UserCommandRow& row) {
  std::string tip;
  if (health.targetMissing) tip = "Target not found: " + row.target;
  if (!health.shadowedBy.empty()) {
    if (!tip.empty()) tip += "\r\n";
    tip += "Windows starts " + health.shadowedBy + " when you type '" + row.name + "', not this command.";
  }
  return tip;
}

}  // namespace quillet
