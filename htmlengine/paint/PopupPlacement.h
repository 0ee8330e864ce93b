#pragma once
// Where an engine-drawn popup goes: under its anchor, or above it when there is no room
// below, moved left as far as needed to stay inside the window.
#include "htmlengine/document/geometry/Geometry.h"

namespace htmlengine {

Rect PlaceUnder(const Rect& anchor, Size popup, Size viewport);

}  // namespace htmlengine
