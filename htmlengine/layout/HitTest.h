#pragma once
// Hit testing (the reverse of the paint order in Box.h): the topmost box, text or scroll bar
// under a point. Boxes hidden by visibility or pointer-events are passed through (their
// children may still be hit); what a clipping box clips is never hit.
#include "htmlengine/layout/LayoutView.h"

namespace htmlengine {

HitResult HitTestTree(const LayoutTree& tree, Point viewPoint);

// The element a box stands for: its own, or its nearest ancestor's for an anonymous box.
Element* ElementOf(const Box& box);

}  // namespace htmlengine
