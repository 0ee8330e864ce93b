#include "htmlengine/paint/TogglePainter.h"

#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementStates.h"
#include "htmlengine/layout/Box.h"
#include "htmlengine/paint/Painter.h"
#include "htmlengine/paint/Palette.h"

namespace htmlengine {

namespace {

Rect MarkArea(const Box& box, const Rect& borderBox)
{
    Rect content = box.ContentBox().Offset(borderBox.x, borderBox.y);
    Rect padding = box.PaddingBox().Offset(borderBox.x, borderBox.y);
    int x = box.replaced == Replaced::Control ? content.x : padding.x;
    return { x, content.y + (content.height - kToggleSize) / 2, kToggleSize, kToggleSize };
}

void PaintCheckMark(const Rect& r, bool checked, bool disabled, Color accent, float opacity, Painter& painter)
{
    Color fill = checked ? (disabled ? palette::kDisabledCheckedFill : accent)
                         : (disabled ? palette::kDisabledFill : palette::kWhite);
    Color frame = checked ? fill : disabled ? palette::kDisabledBorder : palette::kBoxBorder;
    painter.FillRoundRect(r, 2, Faded(fill, opacity));
    painter.StrokeRoundRect(r, 2, 1, Faded(frame, opacity));
    if (checked)
        painter.DrawLines({ { r.x + 3, r.y + 7 }, { r.x + 6, r.y + 10 }, { r.x + 11, r.y + 4 } }, 2,
                          Faded(palette::kWhite, opacity));
}

void PaintRadioMark(const Rect& r, bool checked, bool disabled, Color accent, float opacity, Painter& painter)
{
    Color dot = disabled ? palette::kDisabledText : accent;
    Color frame = checked ? dot : disabled ? palette::kDisabledBorder : palette::kBoxBorder;
    painter.FillRoundRect(r, r.width / 2, Faded(disabled ? palette::kDisabledFill : palette::kWhite, opacity));
    painter.StrokeRoundRect(r, r.width / 2, 1, Faded(frame, opacity));
    if (checked)
        painter.FillRoundRect(Inset(r, { 4, 4, 4, 4 }), 3, Faded(dot, opacity));
}

}  // namespace

void PaintToggle(const Box& box, bool radio, const Rect& borderBox, float opacity, Painter& painter)
{
    Rect mark = MarkArea(box, borderBox);
    bool checked = (box.element->State() & kStateChecked) != 0;
    bool disabled = IsDisabledInTree(*box.element);
    if (radio)
        PaintRadioMark(mark, checked, disabled, box.style->accentColor, opacity, painter);
    else
        PaintCheckMark(mark, checked, disabled, box.style->accentColor, opacity, painter);
}

}  // namespace htmlengine
