#pragma once
// Scroll bars that show only when the content overflows (CSS Overflow 3 §3): the content is
// laid out without bars, then again with those it turned out to need, until that settles;
// a bar takes its room from the content, so what overflows may change with it.
#include "htmlengine/layout/Box.h"

namespace htmlengine {

struct ScrolledLayout {
    Size extent;  // what the content reaches from the padding box's origin
    Size padding;  // the padding box
};

// `layout(vertical, horizontal)` lays the content out leaving room for those bars. It always
// starts without the bars `auto` may leave out: content that fits either way keeps none,
// whatever it had before.
template <class Layout>
void SettleScrollbars(ScrollState& scroll, const ComputedStyle& style, Layout layout)
{
    bool forcedVertical = style.overflowY == Overflow::Scroll, forcedHorizontal = style.overflowX == Overflow::Scroll;
    bool vertical = forcedVertical, horizontal = forcedHorizontal;
    for (int pass = 0;; ++pass) {
        ScrolledLayout laid = layout(vertical, horizontal);
        bool needVertical =
            forcedVertical || (style.overflowY == Overflow::Auto &&
                               laid.extent.height > laid.padding.height - (horizontal ? kScrollbarSize : 0));
        bool needHorizontal =
            forcedHorizontal || (style.overflowX == Overflow::Auto &&
                                 laid.extent.width > laid.padding.width - (needVertical ? kScrollbarSize : 0));
        bool settled = needVertical == vertical && needHorizontal == horizontal;
        if (settled || pass == 2) {
            scroll.verticalBar = vertical;
            scroll.horizontalBar = horizontal;
            scroll.content = laid.extent;
            scroll.port = { std::max(0, laid.padding.width - (vertical ? kScrollbarSize : 0)),
                            std::max(0, laid.padding.height - (horizontal ? kScrollbarSize : 0)) };
            Point maximum = scroll.MaxOffset();
            scroll.offset = { std::min(scroll.offset.x, maximum.x), std::min(scroll.offset.y, maximum.y) };
            return;
        }
        vertical = needVertical;
        horizontal = needHorizontal;
    }
}

}  // namespace htmlengine
