#pragma once
// Out-of-flow boxes (CSS 2.1 §10.3.7, §10.6.4): absolute boxes in their containing block's
// padding box, fixed boxes in the view; and the top layer's popups (see Box.h).
#include "htmlengine/layout/BoxLayout.h"

namespace htmlengine {

// The absolute boxes among the box's children, once its own layout is done.
void LayoutAbsoluteChildren(Box& box, LayoutContext& context);

// A fixed box in the view's `area` (the client area less the viewport's scroll bars); its
// frame is in view coordinates.
void LayoutFixed(Box& box, Size area, LayoutContext& context);

// A popup under `anchor` (view coordinates) or above it, or at its own left/top when it is
// fixed; always inside the view as far as it fits.
void PlacePopup(Box& popup, const Rect& anchor, LayoutContext& context);

}  // namespace htmlengine
