#pragma once
// The one way dynamic text enters markup that the view shows as HTML.
#include <string>

// Replaces & < > " ' by their character references.
std::wstring HtmlEscape(const std::wstring& text);
