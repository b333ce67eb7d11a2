#pragma once
// The program's only per-user record: that the first-start question has been asked.
// It lives in HKEY_CURRENT_USER\Software\Quillet, value "FirstRunDone".

namespace quillet {

inline constexpr const char* kUserSettingsKey = "Software\\Quillet";

// Whether the current user's first-start question was asked already.
bool FirstStartDone(const char* userKey = kUserSettingsKey);

// Records that it was asked.
void RecordFirstStart(const char* userKey = kUserSettingsKey);

}  // namespace quillet
