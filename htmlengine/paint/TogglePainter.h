#pragma once
// The mark of a check box (a 14 px box, a white tick on the accent when checked) or a radio
// (a 14 px circle with a 6 px accent dot), greyed when disabled. An input is all mark; a
// button of type checkbox or radio has its mark in its left padding, before its content.
#include "htmlengine/document/geometry/Geometry.h"

namespace htmlengine {

class Box;
class Painter;

constexpr int kToggleSize = 14;

void PaintToggle(const Box& box, bool radio, const Rect& borderBox, float opacity, Painter& painter);

}  // namespace htmlengine
