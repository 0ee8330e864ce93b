#pragma once
// The box tree as text for tests: one line per box, "tag#id x,y w×h" in view coordinates,
// indented by depth; anonymous boxes are "(anonymous)", then the fixed boxes and popups.
#include "htmlengine/layout/Box.h"

#include <string>

namespace htmlengine {

std::wstring DumpBoxes(const LayoutTree& tree);

}  // namespace htmlengine
