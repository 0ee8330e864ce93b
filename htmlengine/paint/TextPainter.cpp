#include "htmlengine/paint/TextPainter.h"

#include "htmlengine/layout/Box.h"
#include "htmlengine/layout/TextMeasurer.h"
#include "htmlengine/paint/PaintContext.h"
#include "htmlengine/paint/Painter.h"

#include <algorithm>

namespace htmlengine {

void PaintText(Point at, std::wstring_view text, const Font& font, const ComputedStyle& style, float opacity,
               PaintContext& context)
{
    Color color = Faded(style.color, opacity);
    if (!color.Visible() || text.empty())
        return;
    context.painter.DrawString(at, text, font, color);
    if (!style.textDecoration)
        return;
    FontMetrics metrics = context.measurer.Metrics(font);
    int thickness = std::max(1, font.size / 12);
    int width = context.measurer.Width(font, text);
    auto line = [&](int y) { context.painter.FillRect({ at.x, y, width, thickness }, color); };
    if (style.textDecoration & kUnderline)
        line(at.y + std::max(1, metrics.descent / 2));
    if (style.textDecoration & kLineThrough)
        line(at.y - metrics.ascent * 3 / 10 - thickness / 2);
    if (style.textDecoration & kOverline)
        line(at.y - metrics.ascent);
}

void PaintRun(const TextRun& run, Point origin, float opacity, PaintContext& context)
{
    if (!run.style || !run.font || run.style->visibility != Visibility::Visible)
        return;
    Rect rect = run.rect.Offset(origin.x, origin.y);
    if (!rect.Intersects(context.painter.ClipBounds()))
        return;
    PaintText({ rect.x, origin.y + run.baseline }, run.text, *run.font, *run.style, opacity, context);
}

}  // namespace htmlengine
