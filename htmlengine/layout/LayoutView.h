#pragma once
// The layout of one window's document: its measurer, the window's size, the box tree, and
// what changed since the last Update(). The window owns one (EngineWindow::Layout()).
#include "htmlengine/layout/Box.h"
#include "htmlengine/layout/Geometry.h"
#include "htmlengine/layout/ImageSizer.h"
#include "htmlengine/layout/TextMeasurer.h"

#include <functional>
#include <memory>
#include <unordered_map>

namespace htmlengine {

class Document;
class Element;
class TextCache;
struct BoxIndex;

// Where a point is: the element hit (topmost in paint order), the box it belongs to, and
// whether it is on that box's scroll bar.
struct HitResult {
    Element* element = nullptr;
    const Box* box = nullptr;
    bool onScrollbar = false;
    bool verticalBar = false;
};

class LayoutView {
public:
    LayoutView();
    ~LayoutView();
    LayoutView(const LayoutView&) = delete;
    LayoutView& operator=(const LayoutView&) = delete;

    // A new page (or none): everything is laid out afresh, scroll positions start at 0.
    void SetDocument(Document* document);
    void SetViewport(Size size);
    Size Viewport() const { return viewport_; }

    void SetMeasurer(std::unique_ptr<TextMeasurer> measurer);
    TextMeasurer& Measurer();
    void SetImageSizer(std::unique_ptr<ImageSizer> sizer);

    // Called with each view rectangle that needs repainting.
    using Invalidator = std::function<void(const Rect&)>;
    void SetInvalidator(Invalidator invalidator) { invalidator_ = std::move(invalidator); }

    // Something the boxes depend on changed (elements, attributes, states, styles): the next
    // Update() lays out again, and the window is told to repaint.
    void MarkChanged();
    // Repaint without relayout (a control's caret, selection or text in a fixed-size box).
    void Repaint(const Element* element);

    // Styles and boxes brought up to date; null without a document.
    const LayoutTree* Update();

    // After Update(): the element's box, or null (display none, or an inline element: see
    // ElementRect).
    const Box* BoxOf(const Element& element) const;
    // The element's border box in view coordinates (inline elements: the union of their
    // fragments); false when it has no box.
    bool ElementRect(Element& element, Rect& rect);

    HitResult HitTest(Point viewPoint);

    // Scrolls the box's content to `offset` (clamped); true when it moved.
    bool ScrollTo(const Box& box, Point offset);
    // Scrolls every scrolling ancestor of the element so that it shows; true when anything moved.
    bool ScrollIntoView(Element& element);

    // The document's min-content width (min-width honoured), and its height at `width`.
    int MinimumWidth();
    int HeightAt(int width);

private:
    void Relayout();
    bool RectOf(const Element& element, Rect& rect) const;
    void Invalidate(const Rect& rect);

    Document* document_ = nullptr;
    Size viewport_;
    std::unique_ptr<TextMeasurer> measurer_;
    std::unique_ptr<TextCache> cache_;
    std::unique_ptr<ImageSizer> images_;
    Invalidator invalidator_;
    LayoutTree tree_;
    std::unique_ptr<BoxIndex> index_;
    std::unordered_map<unsigned, Point> scrollOffsets_;  // by element uid, kept across relayouts
    unsigned long long laidOutGeneration_ = 0;
    bool changed_ = true;
};

}  // namespace htmlengine
