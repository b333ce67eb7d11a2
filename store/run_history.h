#pragma once
// The Run dialog's history, which the Run word "clear" empties.

namespace quillet {

// The argument text of quillet.exe that clears the Run dialog's history: what the clear word
// starts where clear.vbs cannot run.
inline constexpr const char* kClearArgument = "/clear";

// Empties the current user's Run-dialog history, as clear.vbs does; false when it could not.
bool ClearRunHistory();

// What the clear word says once it is done.
inline constexpr const char* kRunHistoryCleared = "The Run dialog's history has been cleared.";

}  // namespace quillet
