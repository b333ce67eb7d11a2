#pragma once
// A shell for tests: records every request and starts nothing.

#include <vector>

#include "ui/common/shell_launcher.h"

namespace quillet::testing {

class RecordingShellLauncher : public ShellLauncher {
 public:
  INT_PTR Open(const ShellRequest& request) override {
    requests.push_back(request);
    return 42;  // what ShellExecute returns for success: anything above 32
  }
  std::vector<ShellRequest> requests;
};

}  // namespace quillet::testing
