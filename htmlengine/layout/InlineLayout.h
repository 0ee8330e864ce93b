#pragma once
// Inline formatting (CSS 2.1 §9.4.2, §10.8; CSS Text 3 §5-6): a block container's inline
// content broken into line boxes at spaces and after hyphens, aligned, with text runs,
// inline fragments, atomic inlines, floats beside the lines, placeholders' static positions,
// and an ellipsis where the text overflows a clipping box.
#include "htmlengine/layout/Box.h"
#include "htmlengine/layout/IntrinsicWidths.h"
#include "htmlengine/layout/LayoutContext.h"

namespace htmlengine {

// Lays out the box's lines within `width` (its content width); returns their height.
int LayoutLines(Box& box, int width, LayoutContext& context);

// The widths of the box's inline content: the longest unbreakable piece, and everything on
// one line (between forced breaks).
Intrinsic InlineIntrinsicWidths(Box& box, LayoutContext& context);

}  // namespace htmlengine
