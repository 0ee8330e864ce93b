#include "htmlengine/paint/EditPainter.h"

#include "htmlengine/document/controls/DateControl.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementStates.h"
#include "htmlengine/layout/Box.h"
#include "htmlengine/layout/TextMeasurer.h"
#include "htmlengine/paint/PaintContext.h"
#include "htmlengine/paint/Painter.h"
#include "htmlengine/paint/Palette.h"
#include "htmlengine/paint/StockGlyphs.h"

#include <algorithm>
#include <vector>

namespace htmlengine {

namespace {

const int kGlyphSize = 14;
const int kGlyphInset = 6;

struct ShownLine {
    std::wstring text;
    std::vector<int> extents;
    int left = 0;  // view x of the text's start, scrolled
    int baseline = 0;  // view y
    FontMetrics metrics;

    int XOf(size_t index) const { return left + (index == 0 ? 0 : extents[index - 1]); }
};

void PaintSelection(const ShownLine& line, const EditControl& edit, const ComputedStyle& style, float opacity,
                    Painter& painter)
{
    size_t from = edit.SelectionStart(), to = edit.SelectionEnd();
    if (from == to)
        return;
    Rect band = { line.XOf(from), line.baseline - line.metrics.ascent, line.XOf(to) - line.XOf(from),
                  line.metrics.ascent + line.metrics.descent };
    ClipScope clip(painter, band);
    painter.FillRect(band, Faded(style.accentColor, opacity));
    painter.DrawString({ line.left, line.baseline }, line.text, *style.font, Faded(palette::kWhite, opacity));
}

// The calendar glyph of a date input, at the right of its padding box.
Rect DateGlyph(const Box& box, const Rect& borderBox)
{
    Rect padding = box.PaddingBox().Offset(borderBox.x, borderBox.y);
    return { padding.Right() - kGlyphInset - kGlyphSize, padding.y + (padding.height - kGlyphSize) / 2, kGlyphSize,
             kGlyphSize };
}

// Presses from a little left of the glyph on open the calendar.
void PaintDateGlyph(const Box& box, DateControl& date, const Rect& borderBox, float opacity, Painter& painter)
{
    Rect glyph = DateGlyph(box, borderBox);
    PaintStockImage(L"stock:calendar", glyph, Faded(palette::kSecondaryText, opacity), painter);
    date.SetGlyphLeft(glyph.x - kGlyphInset / 2 - borderBox.x);
}

}  // namespace

void PaintEdit(const Box& box, EditControl& edit, const Rect& borderBox, float opacity, PaintContext& context)
{
    const Font& font = *box.style->font;
    Rect content = box.ContentBox().Offset(borderBox.x, borderBox.y);
    if (edit.Type() == kControlDate)  // the text stops before the glyph and scrolls there
        content.width =
            std::max(0, std::min(content.Right(), DateGlyph(box, borderBox).x - kGlyphInset / 2) - content.x);
    ShownLine line;
    line.text = edit.Shown(*box.element);
    context.measurer.Extents(font, line.text, line.extents);
    line.metrics = context.measurer.Metrics(font);
    int textWidth = line.extents.empty() ? 0 : line.extents.back();
    int caretX = edit.Caret() == 0 || line.extents.empty() ? 0 : line.extents[edit.Caret() - 1];
    bool focused = (box.element->State() & kStateFocus) != 0;
    if (focused)
        edit.KeepInView(caretX, textWidth, content.width - 1);  // the caret's own pixel stays inside
    else
        edit.ScrollToStart();
    edit.SetShownGeometry(content.x - borderBox.x, line.extents);
    line.left = content.x - edit.ScrollX();
    line.baseline = content.y + (content.height - line.metrics.ascent - line.metrics.descent) / 2 + line.metrics.ascent;
    {
        ClipScope clip(context.painter, content);
        context.painter.DrawString({ line.left, line.baseline }, line.text, font, Faded(box.style->color, opacity));
        if (focused)
            PaintSelection(line, edit, *box.style, opacity, context.painter);
        if (focused && context.caretVisible && edit.SelectionStart() == edit.SelectionEnd())
            context.painter.FillRect({ line.XOf(edit.Caret()), line.baseline - line.metrics.ascent, 1,
                                       line.metrics.ascent + line.metrics.descent },
                                     Faded(box.style->color, opacity));
    }
    if (edit.Type() == kControlDate)
        PaintDateGlyph(box, static_cast<DateControl&>(edit), borderBox, opacity, context.painter);
}

}  // namespace htmlengine
