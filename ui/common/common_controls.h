#pragma once

namespace quillet {

// Registers the common controls (version 6, as the manifest asks) before the first window that
// uses them. comctl32 is loaded here, not imported, so that the command-line verbs, which show
// no such window, do not pay for loading it.
void InitializeCommonControls();

}  // namespace quillet
