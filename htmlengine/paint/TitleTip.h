#pragma once
// The tooltip of a `title` attribute: its lines (split at "\r"), drawn by the engine under
// (or, without room, above) what it must leave uncovered, kept inside the window, above
// everything else.
#include "htmlengine/document/geometry/Geometry.h"

#include <string>
#include <vector>

namespace htmlengine {

struct Font;
struct PaintContext;

struct TitleTip {
    std::vector<std::wstring> lines;
    Rect anchor;  // view coordinates: the pointer's cursor, or the focused element with its ring
};

std::vector<std::wstring> TitleLines(const std::wstring& title);

// The font tooltips are drawn in: the program's 9 pt face.
const Font& TipFont();

void PaintTitleTip(const TitleTip& tip, Size viewport, PaintContext& context);

}  // namespace htmlengine
