#include "store/wide_text.h"

#include <windows.h>

namespace quillet {

namespace {

std::wstring Widen(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), size);
  return wide;
}

// `usedDefault` (may be null) is set when a character had to be replaced.
std::string Narrow(UINT codePage, DWORD flags, std::wstring_view text, BOOL* usedDefault) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, usedDefault);
  std::string narrow(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  WideCharToMultiByte(codePage, flags, text.data(), length, narrow.data(), size, nullptr, usedDefault);
  return narrow;
}

}  // namespace

std::string Utf8FromWide(std::wstring_view text) { return Narrow(CP_UTF8, 0, text, nullptr); }
std::wstring WideFromUtf8(std::string_view text) { return Widen(CP_UTF8, text); }
std::wstring WideFromAnsi(std::string_view text) { return Widen(CP_ACP, text); }

std::optional<std::string> AnsiFromUtf8(std::string_view text) {
  // A system whose ANSI code page is UTF-8 holds every character; that code page takes
  // neither the flag nor the check.
  if (GetACP() == CP_UTF8) return std::string(text);
  BOOL usedDefault = FALSE;
  std::string ansi = Narrow(CP_ACP, WC_NO_BEST_FIT_CHARS, WideFromUtf8(text), &usedDefault);
  if (usedDefault || ansi.empty() != text.empty()) return std::nullopt;
  return ansi;
}

}  // namespace quillet
