#pragma once
// Min-content and max-content widths (CSS Sizing 3 §5) of a box's border box, cached in its
// state until it is laid out afresh.
#include "htmlengine/layout/Box.h"
#include "htmlengine/layout/LayoutContext.h"

namespace htmlengine {

struct Intrinsic {
    int min = 0;
    int max = 0;
};

Intrinsic IntrinsicWidths(Box& box, LayoutContext& context);
// The same plus the box's own margins (auto ones count 0): what it needs of its parent.
Intrinsic OuterIntrinsicWidths(Box& box, LayoutContext& context);

// The min-content width of what the box holds, whatever width it asks for, plus its border
// and padding (a flex item's automatic minimum).
int ContentMinWidth(Box& box, LayoutContext& context);

// The content size of a replaced box without CSS sizes: an image's own, a control's default.
Size ReplacedIntrinsicSize(Box& box, LayoutContext& context);

}  // namespace htmlengine
