#include "htmlengine/paint/PopupPlacement.h"

#include <algorithm>

namespace htmlengine {

namespace {

int KeepInside(int at, int extent, int room)
{
    return std::max(0, std::min(at, room - extent));
}

}  // namespace

Rect PlaceUnder(const Rect& anchor, Size popup, Size viewport)
{
    bool roomBelow = anchor.Bottom() + popup.height <= viewport.height;
    bool roomAbove = anchor.y - popup.height >= 0;
    int y = roomBelow || !roomAbove ? anchor.Bottom() : anchor.y - popup.height;
    return { KeepInside(anchor.x, popup.width, viewport.width), y, popup.width, popup.height };
}

}  // namespace htmlengine
