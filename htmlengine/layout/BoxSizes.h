#pragma once
// CSS 2.1 §8 and §10: a box's margins, borders and paddings, and the widths and heights its
// style asks for, resolved against its containing block.
#include "htmlengine/layout/Box.h"

namespace htmlengine {

// The content box of the containing block; height -1 while it depends on the content.
struct Containing {
    int width = 0;
    int height = -1;
};

// Margins (auto counts 0), borders and paddings; percentages refer to the containing width.
void ResolveEdges(Box& box, int containingWidth);
bool IsMarginAuto(const Box& box, Side side);

// The content width or height the style gives, -1 for auto (or a percentage of an
// indefinite height); box-sizing taken into account.
int SpecifiedContentWidth(const Box& box, int containingWidth);
int SpecifiedContentHeight(const Box& box, int containingHeight);
// min-width/max-width (min-height/max-height) applied to a content size.
int ClampContentWidth(const Box& box, int width, int containingWidth);
int ClampContentHeight(const Box& box, int height, int containingHeight);

// Border plus padding along one axis.
inline int HorizontalChrome(const Box& box)
{
    return box.border.Horizontal() + box.padding.Horizontal();
}
inline int VerticalChrome(const Box& box)
{
    return box.border.Vertical() + box.padding.Vertical();
}

// Sets the box's position in its parent, moved by its relative offsets (CSS 2.1 §9.4.3).
void PlaceBox(Box& box, int x, int y, const Containing& containing);

}  // namespace htmlengine
