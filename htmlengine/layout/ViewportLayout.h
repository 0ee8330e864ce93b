#pragma once
// The viewport: the root element's box laid out in the window's client area, scrolling
// when the document is larger (CSS Overflow 3 §3.3, the root's overflow propagated).
#include "htmlengine/layout/Box.h"
#include "htmlengine/layout/LayoutContext.h"

namespace htmlengine {

void LayoutViewport(Box& viewport, LayoutContext& context);

// The height the document needs at the viewport's width, percentages of the viewport's
// height read as auto.
int NaturalHeight(Box& viewport, LayoutContext& context);

}  // namespace htmlengine
