#pragma once
// The one popup open in a document at a time: a select's list or a date input's calendar.
// Opening one closes the other; a press outside its owner closes it without a choice; while
// it is open, keys reach it before the page's handlers and rules. So do they a "select" list the
// page expanded inside the focused element.
namespace htmlengine {

class Document;
class Element;

void NotePopupOpened(Element& owner);
void NotePopupClosed(Element& owner);
void CloseOpenPopup(Document& document);

// A mouse press at a window point: true when an engine-drawn popup (a calendar) took it.
bool RoutePopupPress(Document& document, int x, int y);
// A press on `pressed` (null: on nothing) outside the popup's owner, a select with its
// list, closes the popup without a choice; true when it did.
bool DismissPopupOutside(Document& document, Element* pressed);

// The pointer moved onto `hovered` (null: onto nothing): an open list highlights the option
// under the pointer.
void RoutePopupHover(Document& document, Element* hovered);

// True when the open popup took the key-down, or took the down of this key-up (an Escape that
// closed a list must not reach a dialog's key-up rule).
bool RoutePopupKey(Document& document, unsigned key, unsigned keyboardState, bool down);

}  // namespace htmlengine
