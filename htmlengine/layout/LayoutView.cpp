#include "htmlengine/layout/LayoutView.h"

#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/style/Cascade.h"
#include "htmlengine/layout/BoxBuilder.h"
#include "htmlengine/layout/BoxLayout.h"
#include "htmlengine/layout/HitTest.h"
#include "htmlengine/layout/IntrinsicWidths.h"
#include "htmlengine/layout/PartialRebuild.h"
#include "htmlengine/layout/PositionedLayout.h"
#include "htmlengine/layout/TextCache.h"
#include "htmlengine/layout/TreeRestyle.h"
#include "htmlengine/layout/ViewportLayout.h"

#include <algorithm>

namespace htmlengine {

namespace {

template <class Visit>
void ForEachBox(Box& box, Visit visit)
{
    visit(box);
    for (const std::unique_ptr<Box>& child : box.children)
        ForEachBox(*child, visit);
}

template <class Visit>
void ForEachBox(LayoutTree& tree, Visit visit)
{
    if (tree.viewport)
        ForEachBox(*tree.viewport, visit);
    for (auto& fixed : tree.fixed)
        ForEachBox(*fixed, visit);
    for (auto& popup : tree.popups)
        ForEachBox(*popup, visit);
}

// The viewport's scroll position is kept under uid 0, which no element has.
unsigned ScrollKey(const Box& box)
{
    return box.element ? box.element->Uid() : 0;
}

}  // namespace

LayoutView::LayoutView()
    : measurer_(std::make_unique<FixedTextMeasurer>()),
      cache_(std::make_unique<TextCache>(*measurer_)),
      images_(std::make_unique<PngHeaderSizer>())
{
}

LayoutView::~LayoutView() = default;

void LayoutView::SetDocument(Document* document)
{
    document_ = document;
    tree_ = LayoutTree();
    index_ = std::make_unique<BoxIndex>();
    rootElements_.reset();
    scrolls_.clear();
    rebuild_ = true;
}

void LayoutView::SetViewport(Size size)
{
    if (size == viewport_)
        return;
    viewport_ = size;
    relayout_ = true;
}

void LayoutView::SetMeasurer(std::unique_ptr<TextMeasurer> measurer)
{
    measurer_ = std::move(measurer);
    cache_ = std::make_unique<TextCache>(*measurer_);
    rebuild_ = true;
}

TextMeasurer& LayoutView::Measurer()
{
    return *measurer_;
}

void LayoutView::SetImageSizer(std::unique_ptr<ImageSizer> sizer)
{
    images_ = std::move(sizer);
    rebuild_ = true;
}

void LayoutView::Repaint(const Element* element)
{
    Rect rect { 0, 0, viewport_.width, viewport_.height };
    const Box* box = element && !rebuild_ ? BoxOf(*element) : nullptr;
    Invalidate(box ? VisibleRect(*box) : rect);
}

void LayoutView::Invalidate(const Rect& rect)
{
    if (invalidator_ && !rect.Empty())
        invalidator_(rect);
}

// Styles first (the marked subtrees); then the boxes are built again when elements or the
// kinds of boxes changed, laid out again when sizes or the window did, or left as they are.
const LayoutTree* LayoutView::Update()
{
    if (!document_ || !document_->Root())
        return nullptr;
    ComputedStyleOf(*document_->Root());
    StyleChanges::BoxChanges boxes = document_->Changes().TakeBoxes();
    std::unique_ptr<ElementHold> restyled = document_->Changes().TakeRestyled();
    bool relayout = relayout_;
    bool rebuild = rebuild_ || boxes.everything;
    rebuild_ = relayout_ = false;
    if (rebuild) {
        Rebuild();
        return &tree_;
    }
    std::vector<Element*> parts = boxes.elements->Elements();
    StyleImpact impact = ApplyRestyles(restyled->Elements(), *index_, parts);
    if (!parts.empty() && !RebuildParts(parts, tree_, *index_)) {
        Rebuild();
        return &tree_;
    }
    if (!parts.empty()) {
        HoldRootElements();
        RestoreScrolls();
    }
    if (impact == StyleImpact::Layout)
        ForgetMeasurements();
    if (impact == StyleImpact::Layout || relayout)
        Relayout();
    return &tree_;
}

void LayoutView::Rebuild()
{
    BuildTree(*document_->Root(), tree_, *index_);
    HoldRootElements();
    RestoreScrolls();
    Relayout();
}

void LayoutView::HoldRootElements()
{
    std::vector<Element*> roots;
    for (const auto* list : { &tree_.fixed, &tree_.popups })
        for (const std::unique_ptr<Box>& root : *list)
            roots.push_back(root->element);
    rootElements_ = std::make_unique<ElementHold>(roots);
}

void LayoutView::RestoreScrolls()
{
    ForEachBox(tree_, [&](Box& box) {
        auto found = scrolls_.find(ScrollKey(box));
        if (box.scroll && found != scrolls_.end())
            *box.scroll = found->second;
    });
}

void LayoutView::ForgetMeasurements()
{
    ForEachBox(tree_, [](Box& box) {
        if (box.state)
            box.state->ForgetMeasurements(true);
    });
}

void LayoutView::Relayout()
{
    LayoutContext context { *cache_, *images_, *document_, viewport_ };
    LayoutViewport(*tree_.viewport, context);
    for (auto& fixed : tree_.fixed)
        LayoutFixed(*fixed, tree_.viewport->scroll->port, context);
    for (auto& popup : tree_.popups) {
        Rect anchor;
        Element* owner = popup->element ? popup->element->Parent() : nullptr;
        if (owner)
            RectOf(*owner, anchor);
        PlacePopup(*popup, anchor, context);
    }
    CollectLayers(tree_);
    ForEachBox(tree_, [&](Box& box) {
        if (box.scroll)
            scrolls_[ScrollKey(box)] = *box.scroll;
    });
}

const Box* LayoutView::BoxOf(const Element& element) const
{
    if (!index_)
        return nullptr;
    auto found = index_->boxes.find(&element);
    return found == index_->boxes.end() ? nullptr : found->second;
}

bool LayoutView::ElementRect(Element& element, Rect& rect)
{
    return Update() && RectOf(element, rect);
}

bool LayoutView::RectOf(const Element& element, Rect& rect) const
{
    if (const Box* box = BoxOf(element)) {
        Point origin = ViewOrigin(*box);
        rect = { origin.x, origin.y, box->frame.width, box->frame.height };
        return true;
    }
    auto owner = index_->inlineOwners.find(&element);
    if (owner == index_->inlineOwners.end())
        return false;
    Point origin = ViewOrigin(*owner->second);
    if (owner->second->scroll) {
        origin.x -= owner->second->scroll->offset.x;
        origin.y -= owner->second->scroll->offset.y;
    }
    Rect extent;
    bool any = false;
    for (const InlineFragment& fragment : owner->second->fragments)
        if (fragment.element == &element || element.IsAncestorOf(fragment.element)) {
            extent = any ? extent.Union(fragment.rect) : fragment.rect;
            any = true;
        }
    if (!any)
        return false;
    rect = extent.Offset(origin.x, origin.y);
    return true;
}

HitResult LayoutView::HitTest(Point viewPoint)
{
    const LayoutTree* tree = Update();
    return tree ? HitTestTree(*tree, viewPoint) : HitResult();
}

bool LayoutView::ScrollTo(const Box& box, Point offset)
{
    if (!box.scroll)
        return false;
    ScrollState& scroll = *const_cast<Box&>(box).scroll;
    Point maximum = scroll.MaxOffset();
    Point clamped { std::clamp(offset.x, 0, maximum.x), std::clamp(offset.y, 0, maximum.y) };
    if (clamped == scroll.offset)
        return false;
    scroll.offset = clamped;
    scrolls_[ScrollKey(box)].offset = clamped;
    Invalidate(VisibleRect(box));
    for (const auto& popup : tree_.popups)  // popups anchored inside the scrolled content move with it
        Invalidate(VisibleRect(*popup));
    if (!tree_.popups.empty())
        relayout_ = true;
    return true;
}

// What showing an element means: its border box with its outline (the focus ring) and, inside a
// table row that lies in the scroller, the whole row, as a list shows its whole item.
bool LayoutView::ShownExtent(Element& element, const Box& scroller, Rect& extent)
{
    if (!ElementRect(element, extent))
        return false;
    const ComputedStyle& style = *ComputedStyleOf(element);
    int ring = style.outline.width ? style.outline.width + std::max(0, style.outlineOffset) : 0;
    extent = { extent.x - ring, extent.y - ring, extent.width + 2 * ring, extent.height + 2 * ring };
    for (Element* e = element.Parent(); e; e = e->Parent()) {
        const Box* row = BoxOf(*e);  // null for inline elements on the way
        if (row == &scroller)
            break;
        Rect rect;
        if (row && row->style && row->style->display == Display::TableRow && RectOf(*e, rect)) {
            extent = extent.Union(rect);
            break;
        }
    }
    return true;
}

// Innermost scroller first; each outer one sees the element where the inner ones left it.
bool LayoutView::ScrollIntoView(Element& element)
{
    Rect target;
    if (!ElementRect(element, target))
        return false;
    const Box* box = BoxOf(element);
    if (!box)
        box = index_->inlineOwners.at(&element);
    bool moved = false;
    for (const Box* scroller = box->parent; scroller; scroller = scroller->parent) {
        if (!scroller->scroll || !ShownExtent(element, *scroller, target))
            continue;
        Point origin = ViewOrigin(*scroller);
        Rect port { origin.x + scroller->border.left, origin.y + scroller->border.top, scroller->scroll->port.width,
                    scroller->scroll->port.height };
        auto delta = [](int start, int end, int portStart, int portEnd) {
            if (start < portStart)
                return start - portStart;
            if (end > portEnd)
                return std::min(end - portEnd, start - portStart);
            return 0;
        };
        Point offset = scroller->scroll->offset;
        offset.x += delta(target.x, target.Right(), port.x, port.Right());
        offset.y += delta(target.y, target.Bottom(), port.y, port.Bottom());
        moved = ScrollTo(*scroller, offset) || moved;
    }
    return moved;
}

int LayoutView::MinimumWidth()
{
    if (!document_ || !document_->Root())
        return 0;
    LayoutTree tree;
    BoxIndex index;
    BuildTree(*document_->Root(), tree, index);
    if (tree.viewport->children.empty())
        return 0;
    LayoutContext context { *cache_, *images_, *document_, viewport_ };
    return OuterIntrinsicWidths(*tree.viewport->children.front(), context).min;
}

int LayoutView::HeightAt(int width)
{
    if (!document_ || !document_->Root())
        return 0;
    LayoutTree tree;
    BoxIndex index;
    BuildTree(*document_->Root(), tree, index);
    LayoutContext context { *cache_, *images_, *document_, { width, 0 } };
    return NaturalHeight(*tree.viewport, context);
}

}  // namespace htmlengine
