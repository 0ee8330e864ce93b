#pragma once
// What layout keeps per box between its passes: the inline content of a block container,
// intrinsic widths, the static position of an out-of-flow box, and what is still valid.
#include "htmlengine/layout/Box.h"
#include "htmlengine/layout/InlinePiece.h"

#include <memory>
#include <string>
#include <vector>

namespace htmlengine {

struct TableMemory;

// One item of a block container's inline content, in document order.
struct InlineItem {
    enum class Kind : uint8_t {
        Text,  // `text` with white space already processed for `style`
        Open,  // an inline element starts: its left margin, border and padding
        Close,  // ... and ends
        Atomic,  // an inline-level box placed on a line
        Float,  // a floating box beside the lines
        Placeholder,  // where an out-of-flow box would have been: its static position
        Break,  // <br>, or a preserved newline
    };
    Kind kind = Kind::Text;
    Element* element = nullptr;
    std::shared_ptr<const ComputedStyle> style;
    std::wstring text;
    Box* box = nullptr;  // Atomic, Float, Placeholder
};

// How a box lays out its content.
enum class BoxKind : uint8_t { Block, Table, RowGroup, Row, Cell, Caption, Flex, Replaced, Viewport };

struct BoxState {
    BoxKind kind = BoxKind::Block;
    std::vector<InlineItem> inlineItems;  // empty unless the box holds lines
    bool holdsLines = false;

    // The inline items cut into pieces and measured, valid while `piecesKnown` (the widths of
    // atomic inlines, floats and inline edges are filled in at each layout).
    bool piecesKnown = false;
    std::vector<Piece> pieces;

    // Intrinsic widths of the border box (CSS Sizing 3 §5), valid while `intrinsicKnown`.
    bool intrinsicKnown = false;
    int minContent = 0, maxContent = 0;

    // Out of flow: the box of the element's parent, and where the box would have been in it
    // (relative to that box's border box).
    Box* staticParent = nullptr;
    Point staticPosition;

    // Borders a collapsed table takes from its cells (bits 1 << Side).
    unsigned droppedBorders = 0;

    // A table's grid and its cells' last layouts (TableLayout.cpp), kept with the intrinsic widths.
    std::shared_ptr<TableMemory> table;

    // The content or the styles it was measured with changed: intrinsic widths and a table's
    // grid are worked out again, and with `pieces` the inline pieces too.
    void ForgetMeasurements(bool pieces)
    {
        intrinsicKnown = false;
        piecesKnown = piecesKnown && !pieces;
        table.reset();
    }

    bool isFloat = false;
    bool isTopLayerAnchor = false;  // popup: anchored to its parent element
    int listIndex = 0;  // list items: their number
    int firstBaseline = -1;  // from the border box's top; -1: none
};

BoxState& StateOf(Box& box);

}  // namespace htmlengine
