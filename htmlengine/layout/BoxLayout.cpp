#include "htmlengine/layout/BoxLayout.h"

#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/layout/BoxState.h"
#include "htmlengine/layout/ContentShift.h"
#include "htmlengine/layout/FlexLayout.h"
#include "htmlengine/layout/InlineLayout.h"
#include "htmlengine/layout/IntrinsicWidths.h"
#include "htmlengine/layout/ListMarkers.h"
#include "htmlengine/layout/PositionedLayout.h"
#include "htmlengine/layout/ScrollbarLayout.h"
#include "htmlengine/layout/TableLayout.h"

#include <algorithm>

namespace htmlengine {

namespace {

bool IsInFlow(const Box& box)
{
    return !box.style->IsOutOfFlow();
}

// Adjoining vertical margins (CSS 2.1 §8.3.1): the larger positive one and the most negative one.
int Collapse(int a, int b)
{
    if (a >= 0 && b >= 0)
        return std::max(a, b);
    if (a < 0 && b < 0)
        return std::min(a, b);
    return a + b;
}

// An anonymous box with nothing to show (only a placeholder, say): margins collapse through it.
bool IsEmptyAnonymous(const Box& box)
{
    return !box.element && box.frame.height == 0;
}

int LayoutBlockChildren(Box& box, Containing inner, LayoutContext& context)
{
    int left = box.border.left + box.padding.left, top = box.border.top + box.padding.top;
    int y = 0, pendingMargin = 0;
    bool first = true;
    for (const std::unique_ptr<Box>& child : box.children) {
        if (!IsInFlow(*child))
            continue;
        LayoutBox(*child, inner, context);
        if (IsEmptyAnonymous(*child)) {
            PlaceBox(*child, left, top + y + (first ? 0 : pendingMargin), inner);
            continue;
        }
        int gap = first ? child->margin.top : Collapse(pendingMargin, child->margin.top);
        PlaceBox(*child, left + child->margin.left, top + y + gap, inner);
        y += gap + child->frame.height;
        pendingMargin = child->margin.bottom;
        first = false;
    }
    return std::max(0, y + pendingMargin);
}

// The first baseline of a box with block children: its first child's that has one.
void TakeFirstBaseline(Box& box)
{
    for (const std::unique_ptr<Box>& child : box.children) {
        if (!IsInFlow(*child) || !child->state || child->state->firstBaseline < 0)
            continue;
        StateOf(box).firstBaseline = child->frame.y + child->state->firstBaseline;
        return;
    }
}

int LayoutContent(Box& box, Containing inner, LayoutContext& context)
{
    BoxState& state = StateOf(box);
    state.firstBaseline = -1;
    if (state.kind == BoxKind::Flex)
        return LayoutFlex(box, inner.width, inner.height, context);
    if (state.kind == BoxKind::Replaced)
        return 0;
    if (state.holdsLines)
        return LayoutLines(box, inner.width, context);
    int height = LayoutBlockChildren(box, inner, context);
    TakeFirstBaseline(box);
    return height;
}

// What the content reaches, from the padding box's origin: in-flow and out-of-flow children,
// lines, and the padding after them (CSS Overflow 3 §2.2 scrollable overflow).
Size ContentExtent(const Box& box)
{
    int originX = box.border.left, originY = box.border.top;
    int right = 0, bottom = 0;
    for (const std::unique_ptr<Box>& child : box.children) {
        right = std::max(right, child->frame.Right() + std::max(0, child->margin.right) - originX);
        bottom = std::max(bottom, child->frame.Bottom() + std::max(0, child->margin.bottom) - originY);
    }
    for (const LineBox& line : box.lines) {
        right = std::max(right, line.rect.Right() - originX);
        bottom = std::max(bottom, line.rect.Bottom() - originY);
    }
    for (const TextRun& run : box.runs)
        right = std::max(right, run.rect.Right() - originX);
    return { right + box.padding.right, bottom + box.padding.bottom };
}

int UsedContentHeight(const Box& box, int contentHeight, int specified, Containing containing)
{
    int height = specified >= 0 ? specified : contentHeight;
    return ClampContentHeight(box, height, containing.height);
}

void LayoutScrolling(Box& box, int contentWidth, int specifiedHeight, Containing containing, LayoutContext& context)
{
    SettleScrollbars(*box.scroll, *box.style, [&](bool vertical, bool horizontal) {
        int width = std::max(0, contentWidth - (vertical ? kScrollbarSize : 0));
        int definite = specifiedHeight >= 0 ? std::max(0, specifiedHeight - (horizontal ? kScrollbarSize : 0)) : -1;
        int contentHeight = LayoutContent(box, { width, definite }, context);
        box.frame.height = UsedContentHeight(box, contentHeight, specifiedHeight, containing) + VerticalChrome(box);
        LayoutAbsoluteChildren(box, context);  // what they reach counts, as they are now
        Rect padding = box.PaddingBox();
        return ScrolledLayout { ContentExtent(box), { padding.width, padding.height } };
    });
}

int ReplacedContentWidth(Box& box, Containing containing, LayoutContext& context)
{
    int specified = SpecifiedContentWidth(box, containing.width);
    if (specified >= 0)
        return specified;
    Size intrinsic = ReplacedIntrinsicSize(box, context);
    int height = SpecifiedContentHeight(box, containing.height);
    if (height >= 0 && box.replaced == Replaced::Image && intrinsic.height > 0)
        return int(static_cast<long long>(height) * intrinsic.width / intrinsic.height);
    return intrinsic.width;
}

int ReplacedContentHeight(Box& box, int width, Containing containing, LayoutContext& context)
{
    int specified = SpecifiedContentHeight(box, containing.height);
    if (specified >= 0)
        return specified;
    Size intrinsic = ReplacedIntrinsicSize(box, context);
    if (!box.style->width.IsAuto() && box.replaced == Replaced::Image && intrinsic.width > 0)
        return int(static_cast<long long>(width) * intrinsic.height / intrinsic.width);
    return intrinsic.height;
}

// CSS 2.1 §10.3.3: auto margins of a block with a width share what is left.
void CenterByAutoMargins(Box& box, int containingWidth)
{
    bool left = IsMarginAuto(box, kLeft), right = IsMarginAuto(box, kRight);
    if (!left && !right)
        return;
    int free =
        std::max(0, containingWidth - box.frame.width - (left ? 0 : box.margin.left) - (right ? 0 : box.margin.right));
    if (left && right) {
        box.margin.left = free / 2;
        box.margin.right = free - free / 2;
    } else if (left) {
        box.margin.left = free;
    } else {
        box.margin.right = free;
    }
}

int ContentWidth(Box& box, Containing containing, LayoutContext& context, ForcedSize forced)
{
    if (forced.width >= 0)
        return std::max(0, forced.width - HorizontalChrome(box));
    if (StateOf(box).kind == BoxKind::Replaced)
        return ClampContentWidth(box, ReplacedContentWidth(box, containing, context), containing.width);
    int width = SpecifiedContentWidth(box, containing.width);
    int available = containing.width - box.margin.Horizontal() - HorizontalChrome(box);
    if (width < 0 && ShrinksToFit(box))
        width = ShrinkToFitWidth(box, containing.width - box.margin.Horizontal(), context) - HorizontalChrome(box);
    if (width < 0)
        width = available;
    return ClampContentWidth(box, width, containing.width);
}

}  // namespace

bool ShrinksToFit(const Box& box)
{
    const ComputedStyle& style = *box.style;
    if (box.state && (box.state->isFloat || box.state->isTopLayerAnchor))
        return true;
    if (box.state && box.state->kind == BoxKind::Table)
        return true;
    return style.display == Display::InlineBlock || style.display == Display::InlineTable ||
           style.display == Display::InlineFlex || style.floating != Float::None || style.IsOutOfFlow() ||
           (box.element && box.parent == nullptr);
}

int ShrinkToFitWidth(Box& box, int available, LayoutContext& context)
{
    Intrinsic intrinsic = IntrinsicWidths(box, context);
    return std::min(std::max(intrinsic.min, available), intrinsic.max);
}

void LayoutBox(Box& box, Containing containing, LayoutContext& context, ForcedSize forced)
{
    ResolveEdges(box, containing.width);
    BoxState& state = StateOf(box);
    if (state.kind == BoxKind::Table) {
        LayoutTable(box, containing, context, forced);
        LayoutAbsoluteChildren(box, context);
        return;
    }
    int contentWidth = ContentWidth(box, containing, context, forced);
    box.frame.width = contentWidth + HorizontalChrome(box);
    if (forced.width < 0 && !ShrinksToFit(box) && box.style->IsOutOfFlow() == false)
        CenterByAutoMargins(box, containing.width);
    int specified = forced.height >= 0 ? std::max(0, forced.height - VerticalChrome(box))
                                       : SpecifiedContentHeight(box, containing.height);
    if (state.kind == BoxKind::Replaced && specified < 0)
        specified = ReplacedContentHeight(box, contentWidth, containing, context);
    if (specified >= 0 && forced.height < 0)
        specified = ClampContentHeight(box, specified, containing.height);
    box.lines.clear();
    box.runs.clear();
    box.fragments.clear();
    if (box.scroll) {
        LayoutScrolling(box, contentWidth, specified, containing, context);
    } else {
        int contentHeight = LayoutContent(box, { contentWidth, specified }, context);
        // A cell is as high as its content, so vertical-align has room; its table gives the
        // cell's height to the row.
        int height = state.kind == BoxKind::Cell ? contentHeight
                     : forced.height >= 0        ? specified
                                                 : UsedContentHeight(box, contentHeight, specified, containing);
        box.frame.height = height + VerticalChrome(box);
        if (height > contentHeight && box.element && box.element->Tag() == "button")
            ShiftContent(box, (height - contentHeight) / 2);  // a button shows its content in its middle
    }
    if (box.style->display == Display::ListItem)
        AddListMarker(box, context);
    if (!box.scroll)
        LayoutAbsoluteChildren(box, context);
}

}  // namespace htmlengine
