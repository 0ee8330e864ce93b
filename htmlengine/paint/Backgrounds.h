#pragma once
// CSS backgrounds (CSS Backgrounds 3): the colour under the border box, rounded by the
// top-left radius; the image placed in the padding box by background-position and tiled by
// background-repeat, clipped to the padding box. "stock:" images are the engine's glyphs.
#include "htmlengine/document/geometry/Geometry.h"

namespace htmlengine {

class Box;
class Painter;
struct ComputedStyle;
struct InlineFragment;

void PaintBackground(const Box& box, const Rect& borderBox, float opacity, Painter& painter);

// The colour and image of `style` over `area` (fragments of inline elements, too).
void PaintBackgroundOf(const ComputedStyle& style, const Rect& area, const Rect& paddingBox, float opacity,
                       Painter& painter);

}  // namespace htmlengine
