#pragma once
// Conversions at the edges where the system hands over or shows Unicode text. Everything else
// keeps the system's ANSI code page, as the store requires.

#include <optional>
#include <string>
#include <string_view>

namespace quillet {

std::string Utf8FromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);
std::wstring WideFromAnsi(std::string_view text);

// The text in the ANSI code page, or nothing when a character of it has no exact form there:
// a best-fit look-alike or a '?' in its place would make the store write something else.
std::optional<std::string> AnsiFromUtf8(std::string_view text);

}  // namespace quillet
