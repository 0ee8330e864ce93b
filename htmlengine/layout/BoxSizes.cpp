#include "htmlengine/layout/BoxSizes.h"

#include "htmlengine/layout/BoxState.h"

#include <algorithm>

namespace htmlengine {

namespace {

int EdgeOf(const Length& length, int containingWidth)
{
    return std::max(0, length.Resolve(containingWidth));
}

int BoxSizingChrome(const Box& box, bool horizontal)
{
    if (box.style->boxSizing != BoxSizing::BorderBox)
        return 0;
    return horizontal ? HorizontalChrome(box) : VerticalChrome(box);
}

}  // namespace

void ResolveEdges(Box& box, int containingWidth)
{
    const ComputedStyle& style = *box.style;
    int* margins[4] = { &box.margin.top, &box.margin.right, &box.margin.bottom, &box.margin.left };
    int* paddings[4] = { &box.padding.top, &box.padding.right, &box.padding.bottom, &box.padding.left };
    int* borders[4] = { &box.border.top, &box.border.right, &box.border.bottom, &box.border.left };
    for (int side = 0; side < 4; ++side) {
        *margins[side] = style.margin[side].Resolve(containingWidth, 0);
        *paddings[side] = EdgeOf(style.padding[side], containingWidth);
        *borders[side] = box.state && (box.state->droppedBorders & (1u << side)) ? 0 : style.border[side].width;
    }
}

bool IsMarginAuto(const Box& box, Side side)
{
    return box.style->margin[side].IsAuto();
}

int SpecifiedContentWidth(const Box& box, int containingWidth)
{
    const Length& width = box.style->width;
    if (width.IsAuto())
        return -1;
    return std::max(0, width.Resolve(containingWidth) - BoxSizingChrome(box, true));
}

int SpecifiedContentHeight(const Box& box, int containingHeight)
{
    const Length& height = box.style->height;
    if (height.IsAuto() || (height.unit == Length::Unit::Percent && containingHeight < 0))
        return -1;
    return std::max(0, height.Resolve(containingHeight) - BoxSizingChrome(box, false));
}

int ClampContentWidth(const Box& box, int width, int containingWidth)
{
    const ComputedStyle& style = *box.style;
    if (!style.maxWidth.IsAuto())
        width = std::min(width, style.maxWidth.Resolve(containingWidth) - BoxSizingChrome(box, true));
    if (!style.minWidth.IsAuto())
        width = std::max(width, style.minWidth.Resolve(containingWidth) - BoxSizingChrome(box, true));
    return std::max(0, width);
}

int ClampContentHeight(const Box& box, int height, int containingHeight)
{
    const ComputedStyle& style = *box.style;
    bool definite = containingHeight >= 0;
    auto usable = [&](const Length& length) {
        return !length.IsAuto() && (length.unit != Length::Unit::Percent || definite);
    };
    if (usable(style.maxHeight))
        height = std::min(height, style.maxHeight.Resolve(containingHeight) - BoxSizingChrome(box, false));
    if (usable(style.minHeight))
        height = std::max(height, style.minHeight.Resolve(containingHeight) - BoxSizingChrome(box, false));
    return std::max(0, height);
}

void PlaceBox(Box& box, int x, int y, const Containing& containing)
{
    box.frame.x = x;
    box.frame.y = y;
    if (box.style->position != Position::Relative)
        return;
    const Length* offsets = box.style->offsets;
    if (!offsets[kLeft].IsAuto())
        box.frame.x += offsets[kLeft].Resolve(containing.width);
    else if (!offsets[kRight].IsAuto())
        box.frame.x -= offsets[kRight].Resolve(containing.width);
    int height = std::max(0, containing.height);
    if (!offsets[kTop].IsAuto())
        box.frame.y += offsets[kTop].Resolve(height);
    else if (!offsets[kBottom].IsAuto())
        box.frame.y -= offsets[kBottom].Resolve(height);
}

}  // namespace htmlengine
