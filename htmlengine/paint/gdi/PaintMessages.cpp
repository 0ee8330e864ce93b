#include "htmlengine/paint/gdi/PaintMessages.h"

#include "htmlengine/document/events/WindowInput.h"
#include "htmlengine/document/window/EngineWindow.h"
#include "htmlengine/layout/LayoutView.h"
#include "htmlengine/paint/gdi/WindowPaint.h"


namespace htmlengine {

bool HandlePaintMessage(EngineWindow& window, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    WindowPaint& paint = window.Paint();
    switch (msg) {
    case WM_PAINT: paint.OnPaint(window.Layout(), window.GetDocument()); return true;
    case WM_PRINTCLIENT: paint.OnPrintClient(reinterpret_cast<HDC>(wParam), window.Layout(), window.GetDocument()); return true;
    case WM_ERASEBKGND: result = 1; return true;
    case WM_SETCURSOR:
        if (LOWORD(lParam) != HTCLIENT) return false;  // the frame's cursors are the system's
        result = paint.Cursor().OnSetCursor(window.Handle(), window.Layout());
        return true;
    case WM_TIMER: return paint.OnTimer(wParam, window.Layout(), window.GetDocument());
    default: return false;
    }
}

void WatchInput(EngineWindow& window, UINT msg)
{
    WindowPaint& paint = window.Paint();
    switch (msg) {
    case WM_MOUSEMOVE: paint.Tips().PointerMoved(window.Input().Hovered(), window.Input().Pointer()); return;
    case WM_MOUSELEAVE:
    case WM_KILLFOCUS: paint.Tips().Hide(); return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
    case WM_MOUSEWHEEL: paint.InputArrived(); return;
    default: return;
    }
}

}  // namespace htmlengine
