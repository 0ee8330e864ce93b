#pragma once
// List markers (CSS Lists 3 §3, outside markers only): a bullet or number as a text run in
// the padding area left of the list item's first line.
#include "htmlengine/layout/Box.h"
#include "htmlengine/layout/LayoutContext.h"

namespace htmlengine {

void AddListMarker(Box& item, LayoutContext& context);

}  // namespace htmlengine
