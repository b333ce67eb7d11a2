#pragma once
// A copy installed for all users keeps its commands in HKEY_LOCAL_MACHINE, which only an
// administrator may change. Started without those rights (the manifest asks for none), it starts
// itself again elevated, once, with the same argument text, and ends. A copy of one user never asks.

#include <string>

#include "store/store_context.h"
#include "ui/common/prompt.h"

namespace quillet {

class Elevation {
 public:
  enum class Restart { Started, Declined };
  virtual ~Elevation() = default;
  // Whether this process already runs with an administrator's rights.
  virtual bool IsElevated() const = 0;
  // Starts this program again elevated with the argument text (UTF-8); Declined when the user
  // said No to the prompt or it could not be started.
  virtual Restart RestartElevated(const std::string& argumentText) const = 0;
};

class SystemElevation final : public Elevation {
 public:
  bool IsElevated() const override;
  Restart RestartElevated(const std::string& argumentText) const override;
};

// Whether this copy's App Paths key can be written.
bool CanWriteCommands(const StoreContext& store);

// True when the run may go on here: the copy can write its commands, or is elevated already (it
// then goes on and tells each failure). False when it has started its elevated self, or the user
// declined; the user has been told the latter, and nothing was written.
bool GoOnWithRights(const StoreContext& store, Prompt& prompt, const Elevation& elevation,
                    const std::string& argumentText);

}  // namespace quillet
