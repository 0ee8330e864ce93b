#pragma once
// The box tree that layout builds and that painting and hit testing walk.
//
// Decisions shared by layout, painting and input:
// - Coordinates are whole pixels. A box's `frame` is its border box relative to its parent
//   box's border box; the children of a scrolling box are further moved by -scroll. A box
//   without a parent has its frame in view (window client) coordinates. ViewOrigin() sums it.
// - A LayoutTree has three kinds of roots, painted in this order and hit in the reverse:
//   the viewport (the window's client area; the root element's box is its child and it
//   scrolls when the document is larger), then boxes of `position: fixed`, then the top layer
//   of popups. Fixed boxes and popups are never clipped or scrolled by anything below them.
// - The tree follows the elements, except: absolute boxes are children of their containing
//   block's box; every displayed `popup` element is a top-layer root (anchored under its
//   parent element, or above it when there is no room below, at least as wide as it, at most
//   as high as the room it has, scrolling beyond that; a popup with `position: fixed` is put
//   at its left/top instead, moved to stay inside the window - tooltips). display:none makes
//   no box; anonymous boxes (null element) wrap runs of inline content beside blocks and table
//   parts the markup leaves out. Inline elements make no boxes: their text becomes TextRuns
//   and their extent per line InlineFragments of the block that holds the lines; atomic
//   inlines (inline-block, img, inputs, buttons, selects) are child boxes placed on the lines.
// - Paint order of a box: background, border, then with its clip (padding box, when it is
//   clipped) and scroll applied: `layers` with negative z-index, its fragments and runs, its
//   in-flow children (recursively, skipping layers), list marker runs among the runs, then the
//   other `layers` (z-index order, stable in tree order). Positioned boxes are layers of the
//   nearest ancestor box that holds layers: a root, a clipping box, a positioned box with a
//   z-index, or a box with opacity below 1; so z-index never escapes a scrolling box. Scroll
//   bars are painted last, unclipped by the scroll, inside the box's border (ScrollbarOf()).
// - Vertical margins of adjacent in-flow siblings collapse (two positive: the larger; two
//   negative: the more negative; else their sum), also across an empty anonymous box between
//   them; a parent's margin never collapses with its children's.
// - Borders: `border` holds the used widths (with collapsed table borders, a cell keeps its
//   right and bottom borders and drops its left and top ones where another cell is there), so
//   painting draws box.border[...] widths with the style's colours and styles.
// - Layout is lazy: LayoutView::Update() restyles and lays out only when the document, a
//   state, a style or the window size changed, and it reports what needs repainting through
//   the invalidation callback the window sets. A painter always calls Update() first; box
//   pointers stay valid until the next Update().
#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/document/geometry/Geometry.h"

#include <memory>
#include <string>
#include <vector>

namespace htmlengine {

class Element;
struct BoxState;

// A piece of text on one line, drawn with one font and one style.
struct TextRun {
    std::wstring text;  // as shown: white space collapsed, case transformed, "..." appended
    const Font* font = nullptr;
    const ComputedStyle* style = nullptr;  // colour and decoration: the style of `element`
    Element* element = nullptr;  // the nearest element of the text
    Rect rect;  // relative to the box holding the lines
    int baseline = 0;  // relative to the box holding the lines
};

// The extent of an inline element on one line (its background and borders are painted
// there; its left border only on its first fragment, its right one on its last).
struct InlineFragment {
    Element* element = nullptr;
    const ComputedStyle* style = nullptr;
    Rect rect;  // border box, relative to the box holding the lines
    bool first = true, last = true;
};

struct LineBox {
    Rect rect;  // relative to the box holding the lines
    int baseline = 0;
};

// What a box shows besides boxes and text: an image, or a built-in control the painter
// draws (inputs, progress bars) in the content box.
enum class Replaced : uint8_t { None, Image, Control };

struct ScrollState {
    Point offset;  // how far the content is scrolled (0..max)
    Size content;  // the scrollable extent of the content, from the padding box's origin
    Size port;  // the padding box less the scroll bars: what shows of the content
    bool horizontalBar = false, verticalBar = false;
    Point MaxOffset() const
    {
        return { std::max(0, content.width - port.width), std::max(0, content.height - port.height) };
    }
};

// Engine-drawn scroll bars are this many pixels thick, inside the box's border.
constexpr int kScrollbarSize = 14;

struct ScrollbarParts {
    Rect track;  // in the box's border-box coordinates
    Rect thumb;
};

class Box {
public:
    Box();
    ~Box();
    Box(const Box&) = delete;
    Box& operator=(const Box&) = delete;

    Element* element = nullptr;  // null: anonymous
    std::shared_ptr<const ComputedStyle> style;
    Box* parent = nullptr;
    std::vector<std::unique_ptr<Box>> children;

    Rect frame;  // border box, relative to the parent's border box
    Edges margin, border, padding;

    std::vector<LineBox> lines;
    std::vector<TextRun> runs;
    std::vector<InlineFragment> fragments;

    Replaced replaced = Replaced::None;
    std::wstring imageUrl;  // Replaced::Image

    std::unique_ptr<ScrollState> scroll;  // overflow other than visible
    bool clips = false;  // children and text are clipped to the padding box

    bool isLayer = false;  // positioned: painted from its holder's `layers`
    int zIndex = 0;  // auto counts as 0
    std::vector<Box*> layers;  // positioned boxes this box holds, in paint order

    Rect PaddingBox() const { return Inset({ 0, 0, frame.width, frame.height }, border); }
    Rect ContentBox() const { return Inset(PaddingBox(), padding); }

    std::unique_ptr<BoxState> state;  // layout's own bookkeeping
};

struct LayoutTree {
    std::unique_ptr<Box> viewport;
    std::vector<std::unique_ptr<Box>> fixed;  // in paint order
    std::vector<std::unique_ptr<Box>> popups;  // the top layer, in paint order
};

// The view coordinates of the box's border-box origin.
Point ViewOrigin(const Box& box);
// The box's border-box origin relative to an ancestor's (as painting a layer from its holder
// needs it: the holder's own scroll not counted, the scroll of boxes in between counted).
Point OffsetIn(const Box& box, const Box& ancestor);
// The visible part of the box in view coordinates: its border box cut by every clipping
// ancestor (empty when scrolled out of sight).
Rect VisibleRect(const Box& box);
// The box's scroll bar along one axis, when it shows one.
bool ScrollbarOf(const Box& box, bool vertical, ScrollbarParts& parts);

}  // namespace htmlengine
