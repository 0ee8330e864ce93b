#pragma once
// The date input's calendar popup, drawn by the engine above everything: the month and
// year between previous and next buttons, the weekday names from the input's first day of
// the week, six weeks of days (other months' days greyed, the chosen day on the accent,
// the highlighted one tinted, today ringed).
#include "htmlengine/document/geometry/Geometry.h"

namespace htmlengine {

class DateControl;
class Element;
struct ComputedStyle;
struct PaintContext;

// Places the calendar under `anchor` (the input's border box) and paints it there, in the
// input's font and accent colour.
void PaintCalendar(DateControl& date, const Element& input, const Rect& anchor, Size viewport,
                   const ComputedStyle& style, PaintContext& context);

}  // namespace htmlengine
