#pragma once
// One frame of a window: the canvas, the boxes in stacking order, then what the engine
// draws above everything - an open date input's calendar and a title tooltip.
#include "htmlengine/document/geometry/Geometry.h"

namespace htmlengine {

class Document;
class LayoutView;
struct PaintContext;
struct TitleTip;

void PaintView(LayoutView& layout, Document& document, const TitleTip* tip, PaintContext& context);

}  // namespace htmlengine
