#include "htmlengine/paint/ControlPainter.h"

#include "htmlengine/document/controls/DateControl.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementStates.h"
#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/layout/Box.h"
#include "htmlengine/paint/EditPainter.h"
#include "htmlengine/paint/PaintContext.h"
#include "htmlengine/paint/Painter.h"
#include "htmlengine/paint/TogglePainter.h"

#include <algorithm>
#include <cwchar>

namespace htmlengine {

namespace {

void PaintProgress(const Box& box, const Rect& borderBox, float opacity, Painter& painter)
{
    long value = std::wcstol(box.element->AttributeOr("value", L"0").c_str(), nullptr, 10);
    Rect track = box.PaddingBox().Offset(borderBox.x, borderBox.y);
    int width = int(track.width * std::clamp(value, 0L, 100L) / 100);
    if (width <= 0)
        return;
    Rect fill = { track.x, track.y, width, track.height };
    int radius = std::min(box.style->radius[kTopLeft], std::min(width, track.height) / 2);
    painter.FillRoundRect(fill, radius, Faded(box.style->color, opacity));
}

void PaintControl(const Box& box, const Rect& borderBox, float opacity, PaintContext& context)
{
    Control* control = box.element ? box.element->GetControl() : nullptr;
    if (!control)
        return;
    switch (control->Type()) {
    case kControlText:
    case kControlPassword:
    case kControlDate: PaintEdit(box, static_cast<EditControl&>(*control), borderBox, opacity, context); return;
    case kControlCheckbox:
    case kControlRadio: PaintToggle(box, control->Type() == kControlRadio, borderBox, opacity, context.painter); return;
    case kControlProgress: PaintProgress(box, borderBox, opacity, context.painter); return;
    default: return;
    }
}

}  // namespace

void PaintReplaced(const Box& box, const Rect& borderBox, float opacity, PaintContext& context)
{
    if (box.replaced == Replaced::Image) {
        if (box.element && IsDisabledInTree(*box.element))
            opacity *= 0.4f;  // greyed, as disabled icons are
        context.painter.DrawImage(box.imageUrl, box.ContentBox().Offset(borderBox.x, borderBox.y), opacity);
        return;
    }
    PaintControl(box, borderBox, opacity, context);
}

}  // namespace htmlengine
