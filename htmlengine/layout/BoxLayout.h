#pragma once
// Laying out one box (CSS 2.1 §10: widths, heights, auto margins; Overflow 3: scroll bars),
// and the block flow of its children (§9.4.1, with the margin rule of Box.h).
#include "htmlengine/layout/Box.h"
#include "htmlengine/layout/BoxSizes.h"
#include "htmlengine/layout/LayoutContext.h"

namespace htmlengine {

// Border-box sizes a table, a flex container or a popup imposes; -1 leaves it to the box.
struct ForcedSize {
    int width = -1;
    int height = -1;
};

// Lays the box out in its containing block: its edges, size, content, scroll state and the
// out-of-flow boxes it contains. Its parent then places it (PlaceBox).
void LayoutBox(Box& box, Containing containing, LayoutContext& context, ForcedSize forced = {});

// Whether an auto width shrinks to fit the content (CSS 2.1 §10.3.5-10.3.9) rather than
// filling the containing block.
bool ShrinksToFit(const Box& box);

// The box's border-box width for an available border-box width, shrinking to fit.
int ShrinkToFitWidth(Box& box, int available, LayoutContext& context);

}  // namespace htmlengine
