#pragma once
// Paints a laid-out tree in stacking order: the viewport, then fixed boxes, then the top
// layer of popups (see layout/Box.h for the order inside one box). Boxes that lie wholly
// outside the painter's clip are skipped, so a frame costs what shows, not what exists.
namespace htmlengine {

struct LayoutTree;
struct PaintContext;

void PaintTree(const LayoutTree& tree, PaintContext& context);

}  // namespace htmlengine
