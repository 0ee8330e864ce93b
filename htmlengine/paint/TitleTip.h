#pragma once
// The tooltip of a `title` attribute: its lines (split at "\r"), drawn by the engine near
// the pointer, kept inside the window, above everything else.
#include "htmlengine/document/geometry/Geometry.h"

#include <string>
#include <vector>

namespace htmlengine {

struct Font;
struct PaintContext;

struct TitleTip {
    std::vector<std::wstring> lines;
    Point pointer;  // view coordinates
};

std::vector<std::wstring> TitleLines(const std::wstring& title);

// The font tooltips are drawn in: the program's 9 pt face.
const Font& TipFont();

void PaintTitleTip(const TitleTip& tip, Size viewport, PaintContext& context);

}  // namespace htmlengine
