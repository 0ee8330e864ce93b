#include "htmlengine/layout/ViewportLayout.h"

#include "htmlengine/layout/BoxLayout.h"
#include "htmlengine/layout/PositionedLayout.h"
#include "htmlengine/layout/ScrollbarLayout.h"

#include <algorithm>

namespace htmlengine {

namespace {

// The root's margin box and whatever sticks out of it.
Size DocumentExtent(const Box& viewport)
{
    Size extent;
    for (const std::unique_ptr<Box>& child : viewport.children) {
        extent.width = std::max(extent.width, child->frame.Right() + std::max(0, child->margin.right));
        extent.height = std::max(extent.height, child->frame.Bottom() + std::max(0, child->margin.bottom));
        if (child->scroll || child->clips)
            continue;
        for (const std::unique_ptr<Box>& inner : child->children) {
            extent.width = std::max(extent.width, child->frame.x + inner->frame.Right());
            extent.height = std::max(extent.height, child->frame.y + inner->frame.Bottom());
        }
    }
    return extent;
}

void LayoutRoot(Box& viewport, int width, int height, LayoutContext& context)
{
    viewport.frame = { 0, 0, context.viewport.width, context.viewport.height };
    if (viewport.children.empty())
        return;
    Box& root = *viewport.children.front();
    Containing containing { width, height };
    LayoutBox(root, containing, context);
    PlaceBox(root, root.margin.left, root.margin.top, containing);
}

}  // namespace

void LayoutViewport(Box& viewport, LayoutContext& context)
{
    Size view = context.viewport;
    SettleScrollbars(*viewport.scroll, *viewport.style, [&](bool vertical, bool horizontal) {
        LayoutRoot(viewport, std::max(0, view.width - (vertical ? kScrollbarSize : 0)),
                   std::max(0, view.height - (horizontal ? kScrollbarSize : 0)), context);
        LayoutAbsoluteChildren(viewport, context);
        return ScrolledLayout { DocumentExtent(viewport), view };
    });
}

int NaturalHeight(Box& viewport, LayoutContext& context)
{
    LayoutRoot(viewport, context.viewport.width, -1, context);
    LayoutAbsoluteChildren(viewport, context);
    return DocumentExtent(viewport).height;
}

}  // namespace htmlengine
