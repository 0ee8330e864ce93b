#pragma once
// What a changed style means for the boxes: they must be built again (display, position,
// float, white space, case, scrolling, or which boxes hold layers: z-index auto or not,
// opacity below 1 or not), laid out again (sizes, offsets, edges, overflow, z-index, fonts,
// text and table and flex properties), or only painted again (anything else). None only when
// both are the same shared style.
#include "htmlengine/document/style/ComputedStyle.h"

namespace htmlengine {

enum class StyleImpact { None, Paint, Layout, Rebuild };

StyleImpact ImpactOf(const ComputedStyle& before, const ComputedStyle& after);

}  // namespace htmlengine
