#pragma once
// Selector matching. `scope` is what ":root" means: the element a selection starts from,
// or the document's root element for style sheets.
#include "htmlengine/document/css/Selector.h"

namespace htmlengine {

class Element;

bool Matches(const ComplexSelector& selector, const Element& element, const Element* scope);
bool MatchesAny(const SelectorList& selectors, const Element& element, const Element* scope);

}  // namespace htmlengine
