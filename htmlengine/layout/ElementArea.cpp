#include "htmlengine/layout/ElementArea.h"

#include "htmlengine/layout/LayoutView.h"

namespace htmlengine {

bool ElementArea(LayoutView& layout, Element& element, unsigned areas, Rect& area)
{
    Rect rect;
    if (!layout.ElementRect(element, rect))
        return false;
    const Box* box = layout.BoxOf(element);
    Edges margin, border, padding;
    if (box) {
        margin = box->margin;
        border = box->border;
        padding = box->padding;
    }
    switch (areas & 0xF0) {
    case 0x00: rect = Inset(Inset(rect, border), padding); break;
    case 0x10: rect = Inset(rect, border); break;
    case 0x30:
        rect = { rect.x - margin.left, rect.y - margin.top, rect.width + margin.Horizontal(),
                 rect.height + margin.Vertical() };
        break;
    case 0x60:
        rect = Inset(rect, border);
        if (box && box->scroll)
            rect = { rect.x, rect.y, box->scroll->port.width, box->scroll->port.height };
        break;
    default: break;
    }
    if ((areas & 0x0F) == 2) {
        const LayoutTree* tree = layout.Update();
        Point scrolled = tree && tree->viewport->scroll ? tree->viewport->scroll->offset : Point();
        rect = rect.Offset(scrolled.x, scrolled.y);
    }
    area = rect;
    return true;
}

}  // namespace htmlengine
