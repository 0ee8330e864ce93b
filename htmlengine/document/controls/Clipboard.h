#pragma once
// The system clipboard's text (CF_UNICODETEXT), as edits copy, cut and paste it.
#include <optional>
#include <string>

namespace htmlengine {

// Null when the clipboard holds no text or cannot be opened.
std::optional<std::wstring> ReadClipboardText(void* window);
bool WriteClipboardText(void* window, const std::wstring& text);

}  // namespace htmlengine
