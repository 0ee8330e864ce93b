#pragma once
// What a changed style means for the boxes: they must be built again (display, position,
// float, white space, case, scrolling come and go), laid out again (sizes, edges, fonts,
// text and table and flex properties), or only painted again (colours, backgrounds,
// decorations, visibility, cursor, outline).
#include "htmlengine/document/style/ComputedStyle.h"

namespace htmlengine {

enum class StyleImpact { None, Paint, Layout, Rebuild };

StyleImpact ImpactOf(const ComputedStyle& before, const ComputedStyle& after);

}  // namespace htmlengine
