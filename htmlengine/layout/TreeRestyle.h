#pragma once
// Brings the styles held by a built box tree (boxes, inline items, runs, fragments) up to
// date with elements whose computed style changed since, and says what that takes.
#include "htmlengine/layout/BoxBuilder.h"
#include "htmlengine/layout/StyleImpact.h"

#include <vector>

namespace htmlengine {

class Element;

StyleImpact ApplyRestyles(const std::vector<Element*>& elements, BoxIndex& index);

}  // namespace htmlengine
