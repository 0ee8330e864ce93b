#pragma once
// How the main view and the dialogs' error panel put text on a page: markup as UTF-8 in one
// call, plain text as inner text, and the few state changes every panel makes.
#include <string>

#include "ui/toolkit/Element.h"

namespace mainpage {

// Markup, built by its producer with every dynamic piece escaped, put `where` the engine's SIH_/SOH_
// codes say. An empty text empties the element when it replaces the content and adds nothing
// otherwise.
void SetMarkup(htmlayout::dom::element element, const std::wstring& markup, int where = SIH_REPLACE_CONTENT);
// Plain text, shown as typed.
void SetPlainText(htmlayout::dom::element element, const std::wstring& text);
// Expanded (shown) or collapsed (hidden); the two states are never set together.
void SetShown(htmlayout::dom::element element, bool shown);
// The disabled state, with the element redrawn.
void SetEnabled(htmlayout::dom::element element, bool enabled);

}  // namespace mainpage
