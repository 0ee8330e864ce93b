#include "htmlengine/paint/Borders.h"

#include "htmlengine/layout/Box.h"
#include "htmlengine/paint/Backgrounds.h"
#include "htmlengine/paint/Painter.h"

namespace htmlengine {

namespace {

bool SidesAgree(const Edges& widths, const ComputedStyle& style)
{
    return widths.top == widths.right && widths.top == widths.bottom && widths.top == widths.left &&
           style.border[kTop].color == style.border[kRight].color &&
           style.border[kTop].color == style.border[kBottom].color &&
           style.border[kTop].color == style.border[kLeft].color;
}

void PaintSides(const Edges& widths, const ComputedStyle& style, const Rect& r, float opacity, Painter& painter)
{
    auto side = [&](Side which, const Rect& area) {
        if (style.border[which].color.Visible() && !area.Empty())
            painter.FillRect(area, Faded(style.border[which].color, opacity));
    };
    side(kTop, { r.x, r.y, r.width, widths.top });
    side(kBottom, { r.x, r.Bottom() - widths.bottom, r.width, widths.bottom });
    int middle = r.height - widths.top - widths.bottom;
    side(kLeft, { r.x, r.y + widths.top, widths.left, middle });
    side(kRight, { r.Right() - widths.right, r.y + widths.top, widths.right, middle });
}

void PaintEdges(const Edges& widths, const ComputedStyle& style, const Rect& r, float opacity, Painter& painter)
{
    int radius = style.radius[kTopLeft];
    if (radius > 0 && widths.top > 0 && SidesAgree(widths, style)) {
        if (style.border[kTop].color.Visible())
            painter.StrokeRoundRect(r, radius, widths.top, Faded(style.border[kTop].color, opacity));
        return;
    }
    PaintSides(widths, style, r, opacity, painter);
}

}  // namespace

void PaintBorder(const Box& box, const Rect& borderBox, float opacity, Painter& painter)
{
    PaintEdges(box.border, *box.style, borderBox, opacity, painter);
}

void PaintOutline(const ComputedStyle& style, const Rect& borderBox, float opacity, Painter& painter)
{
    const BorderSide& outline = style.outline;
    if (outline.width <= 0 || !outline.color.Visible())
        return;
    int out = outline.width + style.outlineOffset;
    Rect ring = { borderBox.x - out, borderBox.y - out, borderBox.width + 2 * out, borderBox.height + 2 * out };
    int radius = style.radius[kTopLeft] > 0 ? style.radius[kTopLeft] + out : 0;
    painter.StrokeRoundRect(ring, radius, outline.width, Faded(outline.color, opacity));
}

void PaintFragment(const InlineFragment& fragment, Point origin, float opacity, Painter& painter)
{
    if (!fragment.style || fragment.style->visibility != Visibility::Visible)
        return;
    const ComputedStyle& style = *fragment.style;
    Rect r = fragment.rect.Offset(origin.x, origin.y);
    Edges widths = { style.border[kTop].width, fragment.last ? style.border[kRight].width : 0,
                     style.border[kBottom].width, fragment.first ? style.border[kLeft].width : 0 };
    PaintBackgroundOf(style, r, Inset(r, widths), opacity, painter);
    PaintEdges(widths, style, r, opacity, painter);
    PaintOutline(style, r, opacity, painter);  // a focused link's ring, round each of its lines
}

}  // namespace htmlengine
