#pragma once
// Character references in text and attribute values.
#include <string>
#include <string_view>

namespace htmlengine {

// Replaces "&name;", "&#N;" and "&#xN;" by their characters; anything else, a bare "&"
// included, stays as written.
std::wstring DecodeEntities(std::wstring_view text);

// Escapes the characters markup gives meaning to: & < > and, for attribute values, ".
std::wstring EscapeText(std::wstring_view text);
std::wstring EscapeAttribute(std::wstring_view text);

}  // namespace htmlengine
