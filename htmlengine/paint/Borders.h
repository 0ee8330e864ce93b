#pragma once
// Borders as layout sized them (Box::border: used widths) in the style's colours, every
// style drawn solid; one rounded outline when all four sides agree and the box has a
// radius. Outlines (the focus ring) lie outside the border box, outline-offset further out.
#include "htmlengine/document/geometry/Geometry.h"

namespace htmlengine {

class Box;
class Painter;
struct ComputedStyle;
struct InlineFragment;

void PaintBorder(const Box& box, const Rect& borderBox, float opacity, Painter& painter);
void PaintOutline(const ComputedStyle& style, const Rect& borderBox, float opacity, Painter& painter);
// An inline element's background, borders and outline on one line; `origin` is the view position of
// the box that holds the lines.
void PaintFragment(const InlineFragment& fragment, Point origin, float opacity, Painter& painter);

}  // namespace htmlengine
