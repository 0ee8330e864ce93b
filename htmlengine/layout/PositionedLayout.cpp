#include "htmlengine/layout/PositionedLayout.h"

#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/layout/BoxState.h"

#include <algorithm>

namespace htmlengine {

namespace {

struct Offsets {
    int value[4];
    bool set[4];
};

Offsets ResolveOffsets(const Box& box, Size containing)
{
    Offsets offsets {};
    for (int side = 0; side < 4; ++side) {
        const Length& length = box.style->offsets[side];
        offsets.set[side] = !length.IsAuto();
        offsets.value[side] = length.Resolve(side == kTop || side == kBottom ? containing.height : containing.width);
    }
    return offsets;
}

// The static position (CSS 2.1 §10.3.7): where the box would have been, relative to `origin`.
Point StaticPosition(Box& box, const Box* origin)
{
    BoxState& state = StateOf(box);
    if (!state.staticParent)
        return {};
    Point parent = origin ? OffsetIn(*state.staticParent, *origin) : ViewOrigin(*state.staticParent);
    return { parent.x + state.staticPosition.x, parent.y + state.staticPosition.y };
}

// Lays out and positions the box in `area` (its containing block's padding box, relative
// to what the box's frame is relative to); `origin` for static positions (null: the view).
void LayoutInArea(Box& box, const Rect& area, const Box* origin, LayoutContext& context)
{
    Containing containing { area.width, area.height };
    ResolveEdges(box, area.width);
    Offsets offsets = ResolveOffsets(box, { area.width, area.height });
    ForcedSize forced;
    bool horizontalStretch = offsets.set[kLeft] && offsets.set[kRight] && box.style->width.IsAuto();
    bool verticalStretch = offsets.set[kTop] && offsets.set[kBottom] && box.style->height.IsAuto();
    if (horizontalStretch)
        forced.width = std::max(0, area.width - offsets.value[kLeft] - offsets.value[kRight] - box.margin.Horizontal());
    else if (box.style->width.IsAuto())
        forced.width =
            ShrinkToFitWidth(box,
                             area.width - box.margin.Horizontal() - (offsets.set[kLeft] ? offsets.value[kLeft] : 0) -
                                 (offsets.set[kRight] ? offsets.value[kRight] : 0),
                             context);
    if (verticalStretch)
        forced.height = std::max(0, area.height - offsets.value[kTop] - offsets.value[kBottom] - box.margin.Vertical());
    LayoutBox(box, containing, context, forced);
    Point fallback = StaticPosition(box, origin);
    // Auto margins with both offsets and a size centre the box (the overlays' card).
    auto centre = [&](Side start, Side end, int free) {
        bool a = IsMarginAuto(box, start), b = IsMarginAuto(box, end);
        if (!offsets.set[start] || !offsets.set[end] || (!a && !b) || free <= 0)
            return 0;
        return a && b ? free / 2 : a ? free : 0;
    };
    int freeX = area.width - offsets.value[kLeft] - offsets.value[kRight] - box.frame.width - box.margin.Horizontal();
    int freeY = area.height - offsets.value[kTop] - offsets.value[kBottom] - box.frame.height - box.margin.Vertical();
    int x = offsets.set[kLeft]    ? offsets.value[kLeft] + box.margin.left + centre(kLeft, kRight, freeX)
            : offsets.set[kRight] ? area.width - offsets.value[kRight] - box.margin.right - box.frame.width
                                  : fallback.x - area.x + box.margin.left;
    int y = offsets.set[kTop]      ? offsets.value[kTop] + box.margin.top + centre(kTop, kBottom, freeY)
            : offsets.set[kBottom] ? area.height - offsets.value[kBottom] - box.margin.bottom - box.frame.height
                                   : fallback.y - area.y + box.margin.top;
    box.frame.x = area.x + x;
    box.frame.y = area.y + y;
}

}  // namespace

void LayoutAbsoluteChildren(Box& box, LayoutContext& context)
{
    for (const std::unique_ptr<Box>& child : box.children) {
        if (child->style->position != Position::Absolute)
            continue;
        LayoutInArea(*child, box.PaddingBox(), &box, context);
    }
}

void LayoutFixed(Box& box, Size area, LayoutContext& context)
{
    LayoutInArea(box, { 0, 0, area.width, area.height }, nullptr, context);
}

void PlacePopup(Box& popup, const Rect& anchor, LayoutContext& context)
{
    Size view = context.viewport;
    if (!StateOf(popup).isTopLayerAnchor) {
        LayoutFixed(popup, view, context);
    } else {
        Containing containing { view.width, view.height };
        LayoutBox(popup, containing, context);
        if (popup.frame.width < anchor.width)
            LayoutBox(popup, containing, context, { anchor.width, -1 });
        int below = view.height - anchor.Bottom() - popup.margin.Vertical();
        int above = anchor.y - popup.margin.Vertical();
        int height = popup.frame.height;
        bool up = height > below && above > below;
        int room = std::max(0, up ? above : below);
        if (height > room)
            LayoutBox(popup, containing, context, { popup.frame.width, room });
        popup.frame.x = anchor.x + popup.margin.left;
        popup.frame.y = up ? anchor.y - popup.margin.bottom - popup.frame.height : anchor.Bottom() + popup.margin.top;
    }
    popup.frame.x = std::max(0, std::min(popup.frame.x, view.width - popup.frame.width));
    popup.frame.y = std::max(0, std::min(popup.frame.y, view.height - popup.frame.height));
}

}  // namespace htmlengine
