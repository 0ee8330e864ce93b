#pragma once
// Brings the styles held by a built box tree (boxes, inline items, runs, fragments) up to
// date with elements whose computed style changed since, and says what that takes.
#include "htmlengine/layout/BoxBuilder.h"
#include "htmlengine/layout/StyleImpact.h"

#include <vector>

namespace htmlengine {

class Element;

// An element whose boxes must be built again goes into `parts` (its parent, when its own
// kind of box changed): the result is then at most Layout.
StyleImpact ApplyRestyles(const std::vector<Element*>& elements, BoxIndex& index, std::vector<Element*>& parts);

// Whether an element without boxes would have some now (it was hidden, or inside something hidden).
bool Shown(Element& element);

}  // namespace htmlengine
