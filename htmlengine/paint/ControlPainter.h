#pragma once
// What a box shows inside its borders besides boxes and text: an image, or the working
// parts of a built-in control that style sheets cannot express - an edit's text, selection
// and caret (scrolled to keep the caret in view), the marks of check boxes and radios, a
// progress bar's fill, a date input's calendar glyph. Frames, fills and focus rings come
// from the style sheets (the engine's defaults in DefaultStyleSheet.cpp, or the page's).
#include "htmlengine/document/geometry/Geometry.h"

namespace htmlengine {

class Box;
struct PaintContext;

void PaintReplaced(const Box& box, const Rect& borderBox, float opacity, PaintContext& context);

}  // namespace htmlengine
