#pragma once
// An edit's inside: the shown text (masked for passwords) scrolled so the caret stays in
// view, the selection on the accent while focused, the caret in the text colour while
// focused and in its blink phase; date inputs add their calendar glyph at the right.
#include "htmlengine/document/geometry/Geometry.h"

namespace htmlengine {

class Box;
class EditControl;
struct PaintContext;

void PaintEdit(const Box& box, EditControl& edit, const Rect& borderBox, float opacity, PaintContext& context);

}  // namespace htmlengine
