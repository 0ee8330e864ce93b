#pragma once
// A window's painting: WM_PAINT lays out, paints the invalid part into the back buffer and
// copies just that part to the window (WM_ERASEBKGND is answered without erasing, so
// nothing flickers); WM_PRINTCLIENT copies a fresh frame to another DC. It also keeps the
// focused edit's caret blinking and the hover tooltips.
#include "htmlengine/paint/gdi/BackBuffer.h"
#include "htmlengine/paint/gdi/HoverTips.h"
#include "htmlengine/paint/gdi/ImageCache.h"

#include <windows.h>

namespace htmlengine {

class Document;
class LayoutView;
class Painter;

const UINT_PTR kCaretTimerId = 0x48454E32;  // the engine's; the program's timers keep small ids

class WindowPaint {
public:
    explicit WindowPaint(HWND window);

    ImageCache& Images() { return images_; }
    HoverTips& Tips() { return tips_; }
    // A new page: nothing of the old one is drawn again.
    void DocumentReplaced();

    void OnPaint(LayoutView& layout, Document* document);
    void OnPrintClient(HDC target, LayoutView& layout, Document* document);
    // The whole client area painted into the back buffer now, for tests and screenshots;
    // null when there is no buffer.
    const BackBuffer* PaintWhole(LayoutView& layout, Document* document);
    // One frame painted into any painter (the recording one in tests).
    void PaintInto(Painter& painter, LayoutView& layout, Document& document);

    // The caret's blink and the tooltip's delay; true when the timer was the painter's.
    bool OnTimer(UINT_PTR id, LayoutView& layout, Document* document);
    // A key or press: the caret shows at once and starts its blink again; a tooltip goes.
    void InputArrived();

private:
    Rect Render(const Rect& area, LayoutView& layout, Document* document);
    void KeepCaretBlinking(Document& document);

    HWND window_;
    BackBuffer buffer_;
    ImageCache images_;
    HoverTips tips_;
    bool caretVisible_ = true;
    bool caretTimer_ = false;
};

}  // namespace htmlengine
