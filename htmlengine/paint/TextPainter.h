#pragma once
// Text runs in their style's colour, with underline, line-through and overline drawn as
// lines one pixel (or a twelfth of the font size) thick.
#include "htmlengine/document/geometry/Geometry.h"

#include <string_view>

namespace htmlengine {

struct ComputedStyle;
struct Font;
struct PaintContext;
struct TextRun;

// `origin` is the view position of the box that holds the lines.
void PaintRun(const TextRun& run, Point origin, float opacity, PaintContext& context);

// Text with the style's decorations, standing on the baseline at `at`.
void PaintText(Point at, std::wstring_view text, const Font& font, const ComputedStyle& style, float opacity,
               PaintContext& context);

}  // namespace htmlengine
