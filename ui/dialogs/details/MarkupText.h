#pragma once
// Turns the missing-items texts that arrive as markup (names escaped, no tags) back into the
// plain text the tables show as text.
#include <string>

// Decodes the five entities that HtmlEscape writes; everything else stays as it is.
std::wstring TextOfEscapedMarkup(const std::wstring& markup);
