#pragma once
// What the user does, as the window's messages and the test hooks deliver it. Disabled
// elements (or elements inside one) and elements outside the event root or outside the panel
// that holds the keyboard (FocusScope.h) take no input.
#include "htmlengine/api/EngineDocument.h"

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

// Where a real mouse event happened: relative to the target's border box and to the document.
struct MousePoint {
    POINT element = { 0, 0 };
    POINT document = { 0, 0 };
};

// One mouse event through handlers and page rules (cmd: ENGINE_MOUSE_EVENT; buttons: 1 the
// main one, 2 the other); true when something handled it.
bool SendMouseEvent(Document& document, Element& target, UINT cmd, unsigned keyboardState, unsigned buttons,
                    const MousePoint& point);

// The nearest control from the target up acts on a click.
void ClickControls(Document& document, Element& target);
// The end of a click without the pointer: the click event, then (unless a handler took it) the
// controls' answer, so page rules and controls act as on a real click.
void ActivateAsClick(Document& document, Element& target, unsigned keyboardState);

}  // namespace htmlengine
