#pragma once
// Markup helpers for the texts the main window shows as HTML.
#include <string>

// Escapes & < > " ' so that a name from the server or QuickBooks is shown as text, never as markup.
std::wstring HtmlEscape(const std::wstring& text);

// An attribute value: escaped, with carriage returns as references, so that the parser keeps a
// tooltip's line breaks.
std::wstring HtmlAttributeEscape(const std::wstring& text);

// Only web and mail links may be handed to the shell: anything else could start a program.
bool IsOpenableLink(const std::wstring& url);
