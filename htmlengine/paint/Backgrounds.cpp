#include "htmlengine/paint/Backgrounds.h"

#include "htmlengine/layout/Box.h"
#include "htmlengine/paint/Painter.h"
#include "htmlengine/paint/StockGlyphs.h"

namespace htmlengine {

namespace {

// background-position: a percentage aligns that point of the image with that point of the
// area; a length moves the image's corner.
int Place(const Length& position, int area, int image)
{
    if (position.unit == Length::Unit::Percent)
        return int((area - image) * position.value / 100);
    return position.Resolve(area, 0);
}

// The tiles' starts along one axis: one, or every step that reaches into the area.
template <class Visit>
void ForEachTile(int start, int step, int from, int to, bool repeat, Visit visit)
{
    if (!repeat || step <= 0)
        return visit(start);
    int first = start > from ? start - (start - from + step - 1) / step * step : start + (from - start) / step * step;
    for (int at = first; at < to; at += step)
        visit(at);
}

void PaintImage(const ComputedStyle& style, const Rect& area, float opacity, Painter& painter)
{
    const std::wstring& url = style.backgroundImage;
    Size size;
    // An unknown "stock:" name goes to the painter like any image, which logs it as missing.
    bool stock = StockImageSize(url, size);
    if (!(stock || painter.ImageSize(url, size)) || size.width <= 0 || size.height <= 0)
        return;
    Point at = { area.x + Place(style.backgroundPositionX, area.width, size.width),
                 area.y + Place(style.backgroundPositionY, area.height, size.height) };
    BackgroundRepeat repeat = style.backgroundRepeat;
    bool repeatX = repeat == BackgroundRepeat::Repeat || repeat == BackgroundRepeat::RepeatX;
    bool repeatY = repeat == BackgroundRepeat::Repeat || repeat == BackgroundRepeat::RepeatY;
    Rect visible = area.Intersection(painter.ClipBounds());
    ClipScope clip(painter, area);
    ForEachTile(at.y, size.height, visible.y, visible.Bottom(), repeatY, [&](int y) {
        ForEachTile(at.x, size.width, visible.x, visible.Right(), repeatX, [&](int x) {
            Rect tile = { x, y, size.width, size.height };
            if (stock)
                PaintStockImage(url, tile, Faded(style.color, opacity), painter);
            else
                painter.DrawImage(url, tile, opacity);
        });
    });
}

}  // namespace

void PaintBackgroundOf(const ComputedStyle& style, const Rect& area, const Rect& paddingBox, float opacity,
                       Painter& painter)
{
    if (style.backgroundColor.Visible()) {
        Color color = Faded(style.backgroundColor, opacity);
        if (style.radius[kTopLeft] > 0)
            painter.FillRoundRect(area, style.radius[kTopLeft], color);
        else
            painter.FillRect(area, color);
    }
    if (!style.backgroundImage.empty())
        PaintImage(style, paddingBox, opacity, painter);
}

void PaintBackground(const Box& box, const Rect& borderBox, float opacity, Painter& painter)
{
    Rect padding = box.PaddingBox().Offset(borderBox.x, borderBox.y);
    PaintBackgroundOf(*box.style, borderBox, padding, opacity, painter);
}

}  // namespace htmlengine
