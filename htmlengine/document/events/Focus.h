#pragma once
// The keyboard focus of a document: one element with state focus, or none.
namespace htmlengine {

class Document;
class Element;

// Through the API: moves the focus and the window's focus, fires nothing, and scrolls the
// element fully into view.
void SetFocusSilently(Document& document, Element* element);
// Moves the focus inside the document only (the window keeps or lacks the system's focus as
// it was), firing nothing: a panel that opens or closes on its own takes the focus so.
void HandFocusTo(Document& document, Element* element);

// Through the user: the old element gets "focus lost" (its control commits its text, the
// page's rules run), the new one "focus got".
void MoveFocusByUser(Document& document, Element* element, bool byMouse);

// The element itself or its nearest ancestor that takes the focus (a control, "tabindex",
// the style "focusable: true", or a behaviour subscribed to keys), or null.
Element* FocusableAncestor(Element& element);

}  // namespace htmlengine
