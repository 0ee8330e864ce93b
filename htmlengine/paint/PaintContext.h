#pragma once
// What a paint of the boxes needs besides the painter: the measurer that laid the text out
// (for decorations, carets and selections) and whether a caret shows in this frame.
namespace htmlengine {

class Painter;
class TextMeasurer;

struct PaintContext {
    Painter& painter;
    TextMeasurer& measurer;
    bool caretVisible = true;  // the blink phase of the focused edit's caret
};

}  // namespace htmlengine
