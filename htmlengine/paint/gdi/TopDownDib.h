#pragma once
// A 32-bit DIB section with its rows from the top, as the back buffer and decoded pictures
// keep their pixels.
#include "htmlengine/document/geometry/Geometry.h"

#include <windows.h>

namespace htmlengine {

// Null when it cannot be made; `bits` then stays untouched.
HBITMAP CreateTopDownDib(Size size, void** bits);

}  // namespace htmlengine
