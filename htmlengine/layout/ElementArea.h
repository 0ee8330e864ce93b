#pragma once
// An element's areas as the C interface names them (HTMLayoutGetElementLocation). Low nibble:
// 1 relative to the view, 2 to the document (as if nothing were scrolled). High nibble: 0
// content box, 1 padding box, 2 border box, 3 margin box, 6 the scroll port (the padding box
// less scroll bars).
#include "htmlengine/document/geometry/Geometry.h"

namespace htmlengine {

class Element;
class LayoutView;

// False when the element has no box.
bool ElementArea(LayoutView& layout, Element& element, unsigned areas, Rect& area);

}  // namespace htmlengine
