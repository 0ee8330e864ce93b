#pragma once
// The layout of one window's document: its measurer, the window's size, the box tree, and
// what changed since the last Update(). The window owns one (EngineWindow::Layout()).
#include "htmlengine/layout/Box.h"
#include "htmlengine/document/geometry/Geometry.h"
#include "htmlengine/layout/ImageSizer.h"
#include "htmlengine/layout/TextMeasurer.h"

#include <functional>
#include <memory>
#include <unordered_map>

namespace htmlengine {

class Document;
class Element;
class ElementHold;
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
    // Scrolls every scrolling ancestor of the element just enough that it shows whole, with its
    // outline and, inside a table row, with its row; true when anything moved.
    bool ScrollIntoView(Element& element);

    // The document's min-content width (min-width honoured), and its height at `width`.
    int MinimumWidth();
    int HeightAt(int width);

private:
    bool ShownExtent(Element& element, const Box& scroller, Rect& extent);
    void Rebuild();
    void RestoreScrolls();
    void HoldRootElements();
    void Relayout();
    // Styles changed: widths measured with the old ones go.
    void ForgetMeasurements();
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
    std::unique_ptr<ElementHold> rootElements_;  // of fixed boxes and popups: never freed under the tree
    // By element uid, kept when boxes are built again: the scroll position and the bars.
    std::unordered_map<unsigned, ScrollState> scrolls_;
    bool rebuild_ = true;  // a new page, measurer or sizer
    bool relayout_ = true;  // a new window size, or a scroll that moves popups
};

}  // namespace htmlengine
