#include "htmlengine/paint/gdi/WindowPaint.h"

#include "htmlengine/document/controls/EditControl.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/layout/LayoutView.h"
#include "htmlengine/paint/PaintContext.h"
#include "htmlengine/paint/Painter.h"
#include "htmlengine/paint/ViewPainter.h"
#include "htmlengine/paint/gdi/FontCache.h"
#include "htmlengine/paint/gdi/GdiPainter.h"

namespace htmlengine {

namespace {

Size ClientSize(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    return { int(client.right - client.left), int(client.bottom - client.top) };
}

}  // namespace

WindowPaint::WindowPaint(HWND window) : window_(window), tips_(window) {}

void WindowPaint::DocumentReplaced()
{
    tips_.Reset();
    images_ = ImageCache();
}

void WindowPaint::PaintInto(Painter& painter, LayoutView& layout, Document& document)
{
    PaintContext context { painter, layout.Measurer(), caretVisible_ };
    PaintView(layout, document, tips_.Shown(), context);
}

// Paints `area` of the client into the back buffer; the part that was painted (the area
// within the client) comes back, empty when nothing could be.
Rect WindowPaint::Render(const Rect& area, LayoutView& layout, Document* document)
{
    Size client = ClientSize(window_);
    Rect painted = area.Intersection({ 0, 0, client.width, client.height });
    if (painted.Empty() || !buffer_.Ensure(client))
        return {};
    layout.SetViewport(client);
    if (!document) {
        RECT all = { painted.x, painted.y, painted.Right(), painted.Bottom() };
        FillRect(buffer_.Dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return painted;
    }
    {
        PixelCanvas canvas(buffer_.MutablePixels(), buffer_.Extent());
        GdiPainter painter(buffer_.Dc(), canvas, painted, FontCache::Shared(), images_, *document);
        PaintInto(painter, layout, *document);
    }
    GdiFlush();
    KeepCaretBlinking(*document);
    return painted;
}

void WindowPaint::OnPaint(LayoutView& layout, Document* document)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    Rect invalid = { paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right - paint.rcPaint.left,
                     paint.rcPaint.bottom - paint.rcPaint.top };
    Rect painted = Render(invalid, layout, document);
    if (!painted.Empty())
        BitBlt(dc, painted.x, painted.y, painted.width, painted.height, buffer_.Dc(), painted.x, painted.y, SRCCOPY);
    EndPaint(window_, &paint);
}

void WindowPaint::OnPrintClient(HDC target, LayoutView& layout, Document* document)
{
    Size client = ClientSize(window_);
    Rect painted = Render({ 0, 0, client.width, client.height }, layout, document);
    if (!painted.Empty())
        BitBlt(target, 0, 0, painted.width, painted.height, buffer_.Dc(), 0, 0, SRCCOPY);
}

const BackBuffer* WindowPaint::PaintWhole(LayoutView& layout, Document* document)
{
    Size client = ClientSize(window_);
    return Render({ 0, 0, client.width, client.height }, layout, document).Empty() ? nullptr : &buffer_;
}

void WindowPaint::KeepCaretBlinking(Document& document)
{
    bool wanted = IsEditOf(document.Focus()) && GetFocus() == window_;
    if (wanted == caretTimer_)
        return;
    caretTimer_ = wanted;
    if (wanted)
        SetTimer(window_, kCaretTimerId, GetCaretBlinkTime(), nullptr);
    else
        KillTimer(window_, kCaretTimerId);
    caretVisible_ = true;
}

bool WindowPaint::OnTimer(UINT_PTR id, LayoutView& layout, Document* document)
{
    if (tips_.OnTimer(id, layout))
        return true;
    if (id != kCaretTimerId)
        return false;
    caretVisible_ = !caretVisible_;
    Element* focus = document ? document->Focus() : nullptr;
    if (IsEditOf(focus))
        layout.Repaint(focus);
    else
        caretTimer_ = false, KillTimer(window_, kCaretTimerId);
    return true;
}

void WindowPaint::InputArrived()
{
    tips_.Hide();
    caretVisible_ = true;
    if (caretTimer_)
        SetTimer(window_, kCaretTimerId, GetCaretBlinkTime(), nullptr);
}

}  // namespace htmlengine
