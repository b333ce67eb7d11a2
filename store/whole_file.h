#pragma once
// Files written and read in one go.

#include <optional>
#include <string>

namespace quillet {

// Whether a file or folder of that path is there.
bool FileExists(const std::string& path);

// Writes the bytes to a temporary file beside `path`, which then replaces `path` in one step, so
// that a crash or a full disk never leaves a torn file behind. False on any error; the temporary
// file is gone then.
bool ReplaceFileContents(const std::string& path, const std::string& bytes);

// The whole file; nothing when it cannot be read or is larger than `mostBytes`.
std::optional<std::string> ReadFileContents(const std::string& path, std::size_t mostBytes);

}  // namespace quillet
