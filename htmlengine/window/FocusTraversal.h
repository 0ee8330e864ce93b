#pragma once
// Tab and Shift+Tab: the next element in the tab order (HTML's sequential focus navigation,
// simplified): elements with a positive tabindex first, by tabindex, then the others in
// document order; only focusable, enabled, shown elements inside the panel that holds the
// keyboard and the event root; tabindex -1 is left out; the order wraps around.
namespace htmlengine {

class Document;
class Element;
class LayoutView;

Element* NextInTabOrder(Document& document, LayoutView& layout, Element* from, bool backwards);

}  // namespace htmlengine
