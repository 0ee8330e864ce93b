#pragma once
// Moving what a box shows (children in flow, lines, text, fragments) down inside it: a table
// cell's vertical-align, a button's content in the middle of a taller button.
#include "htmlengine/layout/Box.h"

namespace htmlengine {

void ShiftContent(Box& box, int dy);

}  // namespace htmlengine
