#pragma once
// Small stateless text functions for names, file names and durations.
#include <string>
#include <string_view>

namespace Quorvane {

// Folds the typographic characters QuickBooks cannot take (curly quotes, dashes, ligatures).
void QBTransliterate(std::wstring& text);

// Replaces the nine characters a Windows file name cannot hold by %XX codes. Control
// characters, and the first letter of a device name such as CON or LPT1, are escaped too, so
// that a company's settings never go to a device.
std::wstring EscapeFileName(const std::wstring& text);

// Only U+0020 counts as a blank.
std::wstring TrimLeft(const std::wstring& text);
std::wstring TrimRight(const std::wstring& text);
std::wstring Trim(const std::wstring& text);

// "  Acme : Roof::Gutters " -> "Acme:Roof:Gutters": parts trimmed, empty parts dropped.
std::wstring NormalizeFullName(const std::wstring& text);

// Replaces every occurrence, continuing after each inserted replacement.
std::wstring ReplaceAll(const std::wstring& text, const std::wstring& pattern, const std::wstring& replacement);

// Lowers A-Z only, so the result never depends on the locale.
std::wstring ToLower(const std::wstring& text);
// The same as comparing both lowered by ToLower, without copying either.
bool EqualsIgnoringCase(const std::wstring& one, const std::wstring& other);

// 450 -> "7:30"; zeroText for 0; negative minutes get a leading "-".
std::wstring FormatMinutes(int minutes, const std::wstring& zeroText);

// Whether the text begins with the prefix, compared code unit by code unit.
bool StartsWith(std::wstring_view text, std::wstring_view prefix);
bool StartsWith(std::string_view text, std::string_view prefix);

// Shortens with "..." past maxLength; maxLength <= 0 leaves the text unchanged.
std::wstring TruncateWithEllipsis(const std::wstring& text, int maxLength);

}  // namespace Quorvane
