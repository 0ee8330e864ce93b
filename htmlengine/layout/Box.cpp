#include "htmlengine/layout/Box.h"

#include "htmlengine/layout/BoxState.h"

namespace htmlengine {

namespace {

// Where the content of a box starts once scrolled, relative to its border box.
Point ScrolledBy(const Box& box)
{
    return box.scroll ? Point { -box.scroll->offset.x, -box.scroll->offset.y } : Point {};
}

// The smallest thumb that can still be grabbed.
const int kMinimumThumb = 16;

}  // namespace

Box::Box() = default;
Box::~Box() = default;

BoxState& StateOf(Box& box)
{
    if (!box.state)
        box.state = std::make_unique<BoxState>();
    return *box.state;
}

Point OffsetIn(const Box& box, const Box& ancestor)
{
    if (&box == &ancestor)
        return {};
    Point offset { box.frame.x, box.frame.y };
    for (const Box* p = box.parent; p && p != &ancestor; p = p->parent) {
        Point scrolled = ScrolledBy(*p);
        offset.x += p->frame.x + scrolled.x;
        offset.y += p->frame.y + scrolled.y;
    }
    return offset;
}

Point ViewOrigin(const Box& box)
{
    Point origin { box.frame.x, box.frame.y };
    for (const Box* p = box.parent; p; p = p->parent) {
        Point scrolled = ScrolledBy(*p);
        origin.x += p->frame.x + scrolled.x;
        origin.y += p->frame.y + scrolled.y;
    }
    return origin;
}

Rect VisibleRect(const Box& box)
{
    Point origin = ViewOrigin(box);
    Rect visible { origin.x, origin.y, box.frame.width, box.frame.height };
    for (const Box* p = box.parent; p; p = p->parent)
        if (p->clips) {
            Point at = ViewOrigin(*p);
            visible = visible.Intersection(p->PaddingBox().Offset(at.x, at.y));
        }
    return visible;
}

bool ScrollbarOf(const Box& box, bool vertical, ScrollbarParts& parts)
{
    if (!box.scroll || !(vertical ? box.scroll->verticalBar : box.scroll->horizontalBar))
        return false;
    const ScrollState& scroll = *box.scroll;
    Rect padding = box.PaddingBox();
    if (vertical)
        parts.track = { padding.Right() - kScrollbarSize, padding.y, kScrollbarSize, scroll.port.height };
    else
        parts.track = { padding.x, padding.Bottom() - kScrollbarSize, scroll.port.width, kScrollbarSize };
    int length = vertical ? parts.track.height : parts.track.width;
    int port = vertical ? scroll.port.height : scroll.port.width;
    int content = std::max(1, vertical ? scroll.content.height : scroll.content.width);
    int maximum = vertical ? scroll.MaxOffset().y : scroll.MaxOffset().x;
    int offset = vertical ? scroll.offset.y : scroll.offset.x;
    int thumb = std::min(length, std::max(kMinimumThumb, int(static_cast<long long>(length) * port / content)));
    int travel = length - thumb;
    int at = maximum > 0 ? int(static_cast<long long>(travel) * offset / maximum) : 0;
    parts.thumb = vertical ? Rect { parts.track.x, parts.track.y + at, kScrollbarSize, thumb }
                           : Rect { parts.track.x + at, parts.track.y, thumb, kScrollbarSize };
    return true;
}

}  // namespace htmlengine
