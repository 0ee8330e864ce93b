#include "htmlengine/layout/HitTest.h"

#include "htmlengine/document/dom/Element.h"

namespace htmlengine {

namespace {

bool Hittable(const ComputedStyle& style)
{
    return style.visibility == Visibility::Visible && style.pointerEvents;
}

class HitTester {
public:
    explicit HitTester(Point point) : point_(point) {}

    bool Hit(const Box& box, Point origin);
    HitResult result;

private:
    bool Scrollbars(const Box& box, Point origin);
    bool Layers(const Box& box, bool aboveFlow);
    bool Text(const Box& box, Point origin);

    Point point_;
};

bool HitTester::Scrollbars(const Box& box, Point origin)
{
    for (bool vertical : { true, false }) {
        ScrollbarParts parts;
        if (ScrollbarOf(box, vertical, parts) && parts.track.Offset(origin.x, origin.y).Contains(point_)) {
            result = { ElementOf(box), &box, true, vertical };
            return true;
        }
    }
    return false;
}

bool HitTester::Layers(const Box& box, bool aboveFlow)
{
    for (auto layer = box.layers.rbegin(); layer != box.layers.rend(); ++layer) {
        if (((*layer)->zIndex >= 0) != aboveFlow)
            continue;
        if (Hit(**layer, ViewOrigin(**layer)))
            return true;
    }
    return false;
}

// The innermost inline fragment or the run under the point.
bool HitTester::Text(const Box& box, Point origin)
{
    const InlineFragment* best = nullptr;
    for (const InlineFragment& fragment : box.fragments)
        if (Hittable(*fragment.style) && fragment.rect.Offset(origin.x, origin.y).Contains(point_) &&
            (!best || fragment.rect.width * fragment.rect.height <= best->rect.width * best->rect.height))
            best = &fragment;
    for (const TextRun& run : box.runs)
        if (Hittable(*run.style) && run.rect.Offset(origin.x, origin.y).Contains(point_) && run.element &&
            (!best || best->element->IsAncestorOf(run.element))) {
            result = { run.element, &box, false, false };
            return true;
        }
    if (!best)
        return false;
    result = { best->element, &box, false, false };
    return true;
}

bool HitTester::Hit(const Box& box, Point origin)
{
    bool inside = Rect { origin.x, origin.y, box.frame.width, box.frame.height }.Contains(point_);
    if (inside && Scrollbars(box, origin))
        return true;
    bool contentShows = !box.clips || box.PaddingBox().Offset(origin.x, origin.y).Contains(point_);
    if (contentShows) {
        if (Layers(box, true))
            return true;
        Point content = origin;
        if (box.scroll) {
            content.x -= box.scroll->offset.x;
            content.y -= box.scroll->offset.y;
        }
        for (auto child = box.children.rbegin(); child != box.children.rend(); ++child)
            if (!(*child)->isLayer && Hit(**child, { content.x + (*child)->frame.x, content.y + (*child)->frame.y }))
                return true;
        if (Text(box, content))
            return true;
    }
    if (inside && Hittable(*box.style) && ElementOf(box)) {
        result = { ElementOf(box), &box, false, false };
        return true;
    }
    return contentShows && Layers(box, false);
}

bool HitRoot(HitTester& tester, const Box& root)
{
    return tester.Hit(root, { root.frame.x, root.frame.y });
}

}  // namespace

Element* ElementOf(const Box& box)
{
    for (const Box* b = &box; b; b = b->parent)
        if (b->element)
            return b->element;
    return nullptr;
}

HitResult HitTestTree(const LayoutTree& tree, Point viewPoint)
{
    HitTester tester(viewPoint);
    for (auto popup = tree.popups.rbegin(); popup != tree.popups.rend(); ++popup)
        if (HitRoot(tester, **popup))
            return tester.result;
    for (auto fixed = tree.fixed.rbegin(); fixed != tree.fixed.rend(); ++fixed)
        if (HitRoot(tester, **fixed))
            return tester.result;
    if (tree.viewport)
        HitRoot(tester, *tree.viewport);
    return tester.result;
}

}  // namespace htmlengine
