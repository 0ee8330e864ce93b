#pragma once
// Tab and Shift+Tab, and where the focus can return, over the Tab order (TabOrder.h) of what
// is laid out and shown.
namespace htmlengine {

class Document;
class Element;
class LayoutView;

// The next Tab stop inside the panel that holds the keyboard (or the event root); wraps around.
Element* NextInTabOrder(Document& document, LayoutView& layout, Element* from, bool backwards);

// Where the focus can go back to: `wanted` when it can take the focus now (alive, focusable,
// enabled, shown, inside the event root and the panel that holds the keyboard; tabindex -1
// counts), else the first Tab stop inside `root`; null when neither.
Element* FocusTarget(Document& document, LayoutView& layout, Element* wanted, Element* root);

}  // namespace htmlengine
