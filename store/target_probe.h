#pragma once

#include <string>

namespace quillet {

// Whether a command's target is a local file or folder that does not exist. Only paths on a
// local drive ("C:\...") are looked at: web addresses, network paths, mapped network drives and
// names found through a search path are never probed, so a probe cannot wait on a network.
bool IsLocalTargetMissing(const std::string& target);

}  // namespace quillet
