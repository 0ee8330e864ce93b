#pragma once
// Selection among an element's descendants, in document order, ":root" being the element.
#include "htmlengine/document/css/Selector.h"

#include <functional>
#include <vector>

namespace htmlengine {

class Element;

// Descendants down to `depth` levels (0: all) for which `wanted` holds.
std::vector<Element*> CollectDescendants(Element& scope, const std::function<bool(Element&)>& wanted,
                                         unsigned depth = 0);
std::vector<Element*> SelectAll(Element& scope, const SelectorList& selectors);
Element* SelectFirst(Element& scope, const SelectorList& selectors);

}  // namespace htmlengine
