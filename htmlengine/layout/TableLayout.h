#pragma once
// Tables (CSS 2.1 §17): rows and row groups, colspan and rowspan, column widths from cells'
// px, % and content widths, separate and collapsed borders, row heights, vertical-align in
// cells, and row groups that scroll.
#include "htmlengine/layout/BoxLayout.h"
#include "htmlengine/layout/IntrinsicWidths.h"

namespace htmlengine {

// Lays the table out in its containing block (its width comes from its columns).
void LayoutTable(Box& table, Containing containing, LayoutContext& context, ForcedSize forced);

Intrinsic TableIntrinsicWidths(Box& table, LayoutContext& context);

}  // namespace htmlengine
