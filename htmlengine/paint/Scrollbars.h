#pragma once
// The engine's own scroll bars: a plain track with a rounded thumb, inside the box's border.
#include "htmlengine/document/geometry/Geometry.h"

namespace htmlengine {

class Box;
class Painter;

void PaintScrollbars(const Box& box, const Rect& borderBox, Painter& painter);

}  // namespace htmlengine
