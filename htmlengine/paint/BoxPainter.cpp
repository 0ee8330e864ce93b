#include "htmlengine/paint/BoxPainter.h"

#include "htmlengine/layout/Box.h"
#include "htmlengine/paint/Backgrounds.h"
#include "htmlengine/paint/Borders.h"
#include "htmlengine/paint/ControlPainter.h"
#include "htmlengine/paint/PaintContext.h"
#include "htmlengine/paint/Painter.h"
#include "htmlengine/paint/Scrollbars.h"
#include "htmlengine/paint/TextPainter.h"

namespace htmlengine {

namespace {

void PaintBox(const Box& box, Point origin, float opacity, PaintContext& context);

// A box whose content cannot spill below or above it (it clips, or its height follows its
// content) is skipped when it lies above or below the clip; so are all its descendants.
bool OutOfSight(const Box& box, Point origin, const Rect& clip)
{
    bool contained = box.clips || !box.style || box.style->height.IsAuto();
    return contained && (origin.y >= clip.Bottom() || origin.y + box.frame.height <= clip.y);
}

void PaintLayers(const Box& box, bool negative, float opacity, PaintContext& context)
{
    for (const Box* layer : box.layers)
        if ((layer->zIndex < 0) == negative)
            PaintBox(*layer, ViewOrigin(*layer), opacity, context);
}

// Inside the padding-box clip and the scroll: inline content, in-flow children, layers.
void PaintContent(const Box& box, Point origin, float opacity, PaintContext& context)
{
    Point scroll = box.scroll ? box.scroll->offset : Point {};
    Point content = { origin.x - scroll.x, origin.y - scroll.y };
    PaintLayers(box, true, opacity, context);
    for (const InlineFragment& fragment : box.fragments)
        PaintFragment(fragment, content, opacity, context.painter);
    for (const TextRun& run : box.runs)
        PaintRun(run, content, opacity, context);
    for (const auto& child : box.children)
        if (!child->isLayer)
            PaintBox(*child, { content.x + child->frame.x, content.y + child->frame.y }, opacity, context);
    PaintLayers(box, false, opacity, context);
}

void PaintBox(const Box& box, Point origin, float opacity, PaintContext& context)
{
    Painter& painter = context.painter;
    if (OutOfSight(box, origin, painter.ClipBounds()))
        return;
    if (box.style)
        opacity *= box.style->opacity;
    bool shown = !box.style || box.style->visibility == Visibility::Visible;
    Rect border = { origin.x, origin.y, box.frame.width, box.frame.height };
    if (shown && box.style) {
        PaintBackground(box, border, opacity, painter);
        PaintBorder(box, border, opacity, painter);
        PaintReplaced(box, border, opacity, context);
    }
    if (box.clips) {
        ClipScope clip(painter, box.PaddingBox().Offset(origin.x, origin.y));
        PaintContent(box, origin, opacity, context);
    } else {
        PaintContent(box, origin, opacity, context);
    }
    if (shown)
        PaintScrollbars(box, border, painter);
    if (shown && box.style)
        PaintOutline(*box.style, border, opacity, painter);
}

void PaintRoot(const Box& root, PaintContext& context)
{
    PaintBox(root, { root.frame.x, root.frame.y }, 1, context);
}

}  // namespace

void PaintTree(const LayoutTree& tree, PaintContext& context)
{
    if (tree.viewport)
        PaintRoot(*tree.viewport, context);
    for (const auto& box : tree.fixed)
        PaintRoot(*box, context);
    for (const auto& popup : tree.popups)
        PaintRoot(*popup, context);
}

}  // namespace htmlengine
