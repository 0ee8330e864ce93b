#include "htmlengine/layout/FlexLayout.h"

#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/layout/BoxState.h"

#include <algorithm>

namespace htmlengine {

namespace {

bool IsRow(const ComputedStyle& style)
{
    return style.flexDirection == FlexDirection::Row || style.flexDirection == FlexDirection::RowReverse;
}

bool IsReversed(const ComputedStyle& style)
{
    return style.flexDirection == FlexDirection::RowReverse || style.flexDirection == FlexDirection::ColumnReverse;
}

struct Item {
    Box* box;
    int base = 0;  // border-box main size
    int min = 0, max = 0;
    int size = 0;  // the main size it gets
    bool frozen = false;
};

std::vector<Box*> InFlowItems(Box& container)
{
    std::vector<Box*> items;
    for (const std::unique_ptr<Box>& child : container.children)
        if (!child->style->IsOutOfFlow())
            items.push_back(child.get());
    if (IsReversed(*container.style))
        std::reverse(items.begin(), items.end());
    return items;
}

AlignItems AlignmentOf(const Box& item, const ComputedStyle& container)
{
    return item.style->alignSelf == AlignItems::Auto ? container.alignItems : item.style->alignSelf;
}

class FlexLine {
public:
    FlexLine(Box& container, int width, int height, LayoutContext& context)
        : container_(container),
          style_(*container.style),
          row_(IsRow(style_)),
          width_(width),
          height_(height),
          context_(context)
    {
    }

    int Run();

private:
    int MainMargins(const Box& box) const { return row_ ? box.margin.Horizontal() : box.margin.Vertical(); }
    int MainChrome(const Box& box) const { return row_ ? HorizontalChrome(box) : VerticalChrome(box); }
    Item Measure(Box& box);
    int ColumnWidth(Box& box);
    void Resolve(int free);
    int CrossLayout();
    void Place(int free, int cross);

    Box& container_;
    const ComputedStyle& style_;
    bool row_;
    int width_, height_;
    LayoutContext& context_;
    std::vector<Item> items_;
};

// CSS Flexbox 1 §9.2: the flex base size and its min and max (min auto: the min-content width
// of an item that does not clip, in rows).
Item FlexLine::Measure(Box& box)
{
    ResolveEdges(box, width_);
    Item item { &box };
    int mainAvailable = row_ ? width_ : height_;
    const Length& basis = box.style->flexBasis;
    int chrome = MainChrome(box);
    if (!basis.IsAuto() && (basis.unit == Length::Unit::Px || mainAvailable >= 0)) {
        item.base =
            basis.Resolve(std::max(0, mainAvailable)) + (box.style->boxSizing == BoxSizing::BorderBox ? 0 : chrome);
    } else if (row_) {
        int specified = SpecifiedContentWidth(box, width_);
        item.base = specified >= 0 ? specified + chrome : IntrinsicWidths(box, context_).max;
    } else {
        int specified = SpecifiedContentHeight(box, height_);
        if (specified >= 0) {
            item.base = specified + chrome;
        } else {
            LayoutBox(box, { width_, -1 }, context_, { ColumnWidth(box), -1 });
            item.base = box.frame.height;
        }
    }
    if (row_) {
        // §4.5: an automatic minimum is the smaller of the content's min-content and the item's own width.
        bool clips = box.style->overflowX != Overflow::Visible;
        int minimum = box.style->minWidth.IsAuto() ? (clips ? 0 : std::min(ContentMinWidth(box, context_), item.base))
                                                   : ClampContentWidth(box, 0, width_) + chrome;
        item.min = minimum;
        item.max = box.style->maxWidth.IsAuto() ? 1 << 28 : ClampContentWidth(box, 1 << 28, width_) + chrome;
    } else {
        item.min = box.style->minHeight.IsAuto() ? 0 : ClampContentHeight(box, 0, height_) + chrome;
        item.max = box.style->maxHeight.IsAuto() ? 1 << 28 : ClampContentHeight(box, 1 << 28, height_) + chrome;
    }
    item.size = std::clamp(item.base, item.min, std::max(item.min, item.max));
    return item;
}

// §9.7: grow or shrink the items into the free space, freezing those that reach a limit.
void FlexLine::Resolve(int free)
{
    for (int round = 0; round < 4 && free != 0; ++round) {
        double total = 0;
        for (const Item& item : items_)
            if (!item.frozen)
                total += free > 0 ? item.box->style->flexGrow : item.box->style->flexShrink * std::max(1, item.base);
        if (total <= 0)
            return;
        int given = 0;
        for (Item& item : items_) {
            if (item.frozen)
                continue;
            double factor = free > 0 ? item.box->style->flexGrow : item.box->style->flexShrink * std::max(1, item.base);
            int share = int(free * factor / total);
            int wanted = item.size + share;
            int clamped = std::clamp(wanted, item.min, std::max(item.min, item.max));
            if (clamped != wanted)
                item.frozen = true;
            given += clamped - item.size;
            item.size = clamped;
        }
        if (given == 0)
            return;
        free -= given;
    }
}

// In a column, an item's width: the line's when it stretches, else its fit.
int FlexLine::ColumnWidth(Box& box)
{
    int available = width_ - box.margin.Horizontal();
    bool stretch = AlignmentOf(box, style_) == AlignItems::Stretch && box.style->width.IsAuto();
    return stretch ? available : ShrinkToFitWidth(box, available, context_);
}

// Lays each item out at its main size; the line's cross size is the tallest (widest) item,
// or the container's own; stretched items are laid out again at it.
int FlexLine::CrossLayout()
{
    int cross = 0;
    for (Item& item : items_) {
        Box& box = *item.box;
        if (row_) {
            LayoutBox(box, { width_, height_ }, context_, { item.size, -1 });
            cross = std::max(cross, box.frame.height + box.margin.Vertical());
        } else {
            LayoutBox(box, { width_, height_ }, context_, { ColumnWidth(box), item.size });
            cross = std::max(cross, box.frame.width + box.margin.Horizontal());
        }
    }
    int definite = row_ ? height_ : width_;
    if (definite >= 0)
        cross = definite;
    if (!row_)
        return cross;
    for (Item& item : items_) {
        Box& box = *item.box;
        bool stretch = AlignmentOf(box, style_) == AlignItems::Stretch && box.style->height.IsAuto();
        int wanted = cross - box.margin.Vertical();
        if (stretch && box.frame.height != wanted)
            LayoutBox(box, { width_, height_ }, context_, { item.size, wanted });
    }
    return cross;
}

int FirstBaselineOf(const Box& box)
{
    int baseline = box.state ? box.state->firstBaseline : -1;
    return baseline >= 0 ? baseline : box.frame.height;
}

// §8.1 auto margins take the free space first; justify-content spreads what is left;
// align-items places each item across the line.
void FlexLine::Place(int free, int cross)
{
    int autoMargins = 0;
    for (const Item& item : items_) {
        autoMargins += IsMarginAuto(*item.box, row_ ? kLeft : kTop);
        autoMargins += IsMarginAuto(*item.box, row_ ? kRight : kBottom);
    }
    int count = int(items_.size()), gap = row_ ? style_.columnGap : style_.rowGap;
    int start = 0, between = 0;
    if (autoMargins == 0 && free > 0) {
        switch (style_.justifyContent) {
        case JustifyContent::FlexEnd: start = free; break;
        case JustifyContent::Center: start = free / 2; break;
        case JustifyContent::SpaceBetween: between = count > 1 ? free / (count - 1) : 0; break;
        case JustifyContent::SpaceAround:
            between = free / count;
            start = between / 2;
            break;
        case JustifyContent::SpaceEvenly:
            between = free / (count + 1);
            start = between;
            break;
        default: break;
        }
    }
    int perAuto = autoMargins && free > 0 ? free / autoMargins : 0;
    int baseline = 0;
    for (const Item& item : items_)
        if (AlignmentOf(*item.box, style_) == AlignItems::Baseline)
            baseline = std::max(baseline, item.box->margin.top + FirstBaselineOf(*item.box));
    int left = container_.border.left + container_.padding.left, top = container_.border.top + container_.padding.top;
    int position = start;
    for (const Item& item : items_) {
        Box& box = *item.box;
        int before = (row_ ? box.margin.left : box.margin.top) + (IsMarginAuto(box, row_ ? kLeft : kTop) ? perAuto : 0);
        int after =
            (row_ ? box.margin.right : box.margin.bottom) + (IsMarginAuto(box, row_ ? kRight : kBottom) ? perAuto : 0);
        int size = row_ ? box.frame.height + box.margin.Vertical() : box.frame.width + box.margin.Horizontal();
        int offset = 0;
        switch (AlignmentOf(box, style_)) {
        case AlignItems::FlexEnd: offset = cross - size; break;
        case AlignItems::Center: offset = (cross - size) / 2; break;
        case AlignItems::Baseline: offset = row_ ? baseline - box.margin.top - FirstBaselineOf(box) : 0; break;
        default: break;
        }
        position += before;
        if (row_)
            PlaceBox(box, left + position, top + offset + box.margin.top, { width_, height_ });
        else
            PlaceBox(box, left + offset + box.margin.left, top + position, { width_, height_ });
        position += (row_ ? box.frame.width : box.frame.height) + after + gap + between;
    }
}

int FlexLine::Run()
{
    std::vector<Box*> boxes = InFlowItems(container_);
    if (boxes.empty())
        return 0;
    for (Box* box : boxes)
        items_.push_back(Measure(*box));
    int gap = row_ ? style_.columnGap : style_.rowGap;
    int used = gap * (int(items_.size()) - 1);
    for (const Item& item : items_)
        used += item.size + MainMargins(*item.box);
    int main = row_ ? width_ : height_;
    int free = main >= 0 ? main - used : 0;
    Resolve(free);
    used = gap * (int(items_.size()) - 1);
    for (const Item& item : items_)
        used += item.size + MainMargins(*item.box);
    int cross = CrossLayout();
    free = main >= 0 ? main - used : 0;
    Place(free, cross);
    return row_ ? cross : std::max(used, main);
}

}  // namespace

int LayoutFlex(Box& container, int width, int height, LayoutContext& context)
{
    return FlexLine(container, width, height, context).Run();
}

Intrinsic FlexIntrinsicWidths(Box& container, LayoutContext& context)
{
    std::vector<Box*> items = InFlowItems(container);
    bool row = IsRow(*container.style);
    Intrinsic widths;
    for (Box* item : items) {
        Intrinsic outer = OuterIntrinsicWidths(*item, context);
        if (row) {
            widths.min += outer.min;
            widths.max += outer.max;
        } else {
            widths.min = std::max(widths.min, outer.min);
            widths.max = std::max(widths.max, outer.max);
        }
    }
    if (row && items.size() > 1) {
        int gaps = container.style->columnGap * int(items.size() - 1);
        widths.min += gaps;
        widths.max += gaps;
    }
    return widths;
}

}  // namespace htmlengine
