#pragma once
// The flex subset (CSS Flexbox 1 §9, one line): items sized from their basis, grown or
// shrunk into the container, auto margins, justify-content, align-items/align-self and gaps,
// in rows or columns.
#include "htmlengine/layout/BoxLayout.h"
#include "htmlengine/layout/IntrinsicWidths.h"

namespace htmlengine {

// Lays out the container's items in its content box; returns the content height.
int LayoutFlex(Box& container, int width, int height, LayoutContext& context);

Intrinsic FlexIntrinsicWidths(Box& container, LayoutContext& context);

}  // namespace htmlengine
