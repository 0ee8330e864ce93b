#pragma once
// Where the focus goes when what held it closes or goes away: back to what opened it, or, when
// that is gone, hidden or disabled, to the first control of the page or panel, so the keyboard
// is never left with nothing focused.
#include "ui/toolkit/Element.h"

namespace htmlayout {

// Focuses `wanted` (may be null) when it can still take the focus, else the first Tab stop inside
// `root`, and scrolls it fully into view. False, changing nothing, when neither can take it.
bool return_focus(const dom::element& wanted, const dom::element& root);

}  // namespace htmlayout
