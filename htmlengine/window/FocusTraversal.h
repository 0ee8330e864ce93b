#pragma once
// Tab and Shift+Tab, and where the focus can return, over the Tab order (TabOrder.h).
namespace htmlengine {

class Document;
class Element;

// The next Tab stop inside the panel that holds the keyboard (or the event root); wraps around.
Element* NextInTabOrder(Document& document, Element* from, bool backwards);

// Where the focus can go back to: `wanted` when it can take the focus now (alive, focusable,
// enabled, shown, inside the event root and the panel that holds the keyboard; tabindex -1
// counts), else the first Tab stop inside `root`; null when neither.
Element* FocusTarget(Document& document, Element* wanted, Element* root);

}  // namespace htmlengine
