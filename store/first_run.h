#pragma once
// The program's only per-user record: that the first-start question has been asked.
// It lives in HKEY_CURRENT_USER\Software\Quillet, value "FirstRunDone".

namespace quillet {

inline constexpr const char* kUserSettingsKey = "Software\\Quillet";

// True on the first start for the current user. The record is written before the caller asks
// its question, so the question is asked once whatever the answer.
bool MarkFirstStart(const char* userKey = kUserSettingsKey);

}  // namespace quillet
