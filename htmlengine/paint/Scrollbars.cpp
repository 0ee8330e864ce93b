#include "htmlengine/paint/Scrollbars.h"

#include "htmlengine/layout/Box.h"
#include "htmlengine/paint/Painter.h"
#include "htmlengine/paint/Palette.h"

namespace htmlengine {

namespace {

void PaintBar(const Box& box, bool vertical, const Rect& borderBox, Painter& painter)
{
    ScrollbarParts parts;
    if (!ScrollbarOf(box, vertical, parts))
        return;
    painter.FillRect(parts.track.Offset(borderBox.x, borderBox.y), palette::kScrollTrack);
    Rect thumb = Inset(parts.thumb.Offset(borderBox.x, borderBox.y), { 3, 3, 3, 3 });
    painter.FillRoundRect(thumb, 4, palette::kScrollThumb);
}

}  // namespace

void PaintScrollbars(const Box& box, const Rect& borderBox, Painter& painter)
{
    if (!box.scroll)
        return;
    PaintBar(box, true, borderBox, painter);
    PaintBar(box, false, borderBox, painter);
}

}  // namespace htmlengine
