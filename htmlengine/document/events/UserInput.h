#pragma once
// What the user does, as the window's messages and the test hooks deliver it. Disabled
// elements (or elements inside one) and elements outside the event root take no input.
#include <string>

namespace htmlengine {

class Document;
class Element;

// Mouse down, focus, mouse up, (double click,) click; then the nearest control on the way
// up acts (a button clicks, a select opens, a check box toggles...).
bool ClickElement(Document& document, Element& target, unsigned keyboardState, bool doubleClick);

// To the element given, or to the focused one (or the body, or the root) when null.
bool KeyDown(Document& document, Element* target, unsigned key, unsigned keyboardState);
bool KeyUp(Document& document, Element* target, unsigned key, unsigned keyboardState);
void TypeText(Document& document, Element* target, const std::wstring& text);

bool TakesInput(Document& document, Element& element);

}  // namespace htmlengine
