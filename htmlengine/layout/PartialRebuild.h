#pragma once
// Builds again, in place, the boxes of the parts of a tree whose elements changed (their
// children, their text, the kind of a child's box), so that a changed cell does not rebuild
// a table of a thousand rows.
#include "htmlengine/layout/BoxBuilder.h"

#include <vector>

namespace htmlengine {

class Element;

// False when some part cannot be built alone - it is the root, or out-of-flow boxes or
// popups come or go in it - and the whole tree must be built again.
bool RebuildParts(const std::vector<Element*>& elements, LayoutTree& tree, BoxIndex& index);

}  // namespace htmlengine
