#pragma once
// The engine's own pictures, named "stock:NAME" where a page would name an image: drawn as
// shapes in the element's text colour, so they follow the page's colours and states.
//   arrow-up, arrow-down, arrow-left, arrow-right   filled triangles, 8 x 8
//   chevron-up, chevron-down, chevron-left, chevron-right   open chevrons, 10 x 10
//   check   a tick, 10 x 10;  cross   an x, 10 x 10;  calendar   a page of a calendar, 14 x 14
#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/document/geometry/Geometry.h"

#include <string>

namespace htmlengine {

class Painter;

bool IsStockImage(const std::wstring& url);
// False for a "stock:" name the engine does not draw.
bool StockImageSize(const std::wstring& url, Size& size);
void PaintStockImage(const std::wstring& url, const Rect& area, Color color, Painter& painter);

}  // namespace htmlengine
