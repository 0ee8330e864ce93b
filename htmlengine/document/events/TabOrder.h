#pragma once
// The Tab order (HTML's sequential focus navigation, simplified): elements with a positive
// tabindex first, by tabindex, then the others in document order; only focusable, enabled,
// shown elements inside the panel that holds the keyboard and the event root; tabindex -1 is
// left out.
#include <vector>

namespace htmlengine {

class Document;
class Element;

// The Tab stops inside `scope` (itself included), in Tab order. Shown means styled visible and
// not inside `display: none` (IsElementVisible); what that hides is never walked.
std::vector<Element*> TabStops(Document& document, Element& scope);

// The first of them, or null.
Element* FirstTabStop(Document& document, Element& scope);

}  // namespace htmlengine
