#include "htmlengine/paint/ViewPainter.h"

#include "htmlengine/document/controls/DateControl.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/layout/LayoutView.h"
#include "htmlengine/paint/BoxPainter.h"
#include "htmlengine/paint/CalendarPainter.h"
#include "htmlengine/paint/PaintContext.h"
#include "htmlengine/paint/Painter.h"
#include "htmlengine/paint/Palette.h"
#include "htmlengine/paint/TitleTip.h"

namespace htmlengine {

namespace {

void PaintOpenCalendar(LayoutView& layout, Document& document, PaintContext& context)
{
    Element* owner = document.PopupOwner();
    Control* control = owner ? owner->GetControl() : nullptr;
    if (!control || control->Type() != kControlDate)
        return;
    auto& date = static_cast<DateControl&>(*control);
    Rect anchor;
    const Box* box = layout.BoxOf(*owner);
    if (!date.CalendarOpen() || !box || !layout.ElementRect(*owner, anchor))
        return;
    PaintCalendar(date, *owner, anchor, layout.Viewport(), *box->style, context);
}

// The canvas takes the root's background, or the body's when the root has none (CSS 2.1
// §14.2); white when neither has one.
Color CanvasColor(Document& document)
{
    Element* root = document.Root();
    if (!root)
        return palette::kWhite;
    Color color = ComputedStyleOf(*root)->backgroundColor;
    for (Element* child : root->Children())
        if (!color.Visible() && child->Tag() == "body")
            color = ComputedStyleOf(*child)->backgroundColor;
    return color.a == 255 ? color : palette::kWhite;
}

}  // namespace

void PaintView(LayoutView& layout, Document& document, const TitleTip* tip, PaintContext& context)
{
    const LayoutTree* tree = layout.Update();
    Size viewport = layout.Viewport();
    context.painter.FillRect({ 0, 0, viewport.width, viewport.height }, CanvasColor(document));
    if (!tree)
        return;
    PaintTree(*tree, context);
    PaintOpenCalendar(layout, document, context);
    if (tip)
        PaintTitleTip(*tip, viewport, context);
}

}  // namespace htmlengine
