// The window's share: its messages, its notification callback, loading pages, sizes.
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/events/Adoption.h"
#include "htmlengine/document/events/FocusScope.h"
#include "htmlengine/document/events/UserInput.h"
#include "htmlengine/api/Handles.h"
#include "htmlengine/document/html/Utf8.h"
#include "htmlengine/document/style/Cascade.h"
#include "htmlengine/document/html/DocumentLoader.h"
#include "htmlengine/window/EngineWindow.h"
#include "htmlengine/document/controls/ProgressAnimation.h"
#include "htmlengine/window/TestQuery.h"

#include <algorithm>
#include <cwchar>

using namespace htmlengine;

namespace {

// Messages the engine takes; everything else is the window's own.
bool Handle(EngineWindow& window, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    result = 0;
    if (msg == EngineWindow::PostedEventsMessage()) {
        window.DispatchPostedEvents();
        return true;
    }
    switch (msg) {
    case WM_TIMER:
        if (wParam != kProgressTimerId)
            return window.Painting().OnTimer(wParam, window.Layout(), window.GetDocument());
        if (window.GetDocument())
            StepProgressAnimation(*window.GetDocument());
        return true;
    case WM_PAINT:
        // A panel that opened or closed since the last frame is shown with the focus it holds.
        if (window.GetDocument())
            SettleFocusScope(*window.GetDocument());
        window.PaintStarted();
        window.Painting().OnPaint(window.Layout(), window.GetDocument());
        return true;
    case WM_PRINTCLIENT:
        window.Painting().OnPrintClient(reinterpret_cast<HDC>(wParam), window.Layout(), window.GetDocument());
        return true;
    case WM_ERASEBKGND: result = 1; return true;
    case WM_GETDLGCODE: result = DLGC_WANTALLKEYS | DLGC_WANTCHARS; return true;
    case WM_SETCURSOR:
        if (LOWORD(lParam) != HTCLIENT || !window.Cursor().OnSetCursor(window.Handle(), window.Layout()))
            return false;
        result = TRUE;
        return true;
    case WM_SIZE: window.Resized(); return true;
    case WM_COPYDATA: return AnswerTestQuery(window, wParam, lParam, result);
    case WM_SETFOCUS:
    case WM_HSCROLL:
    case WM_VSCROLL: return true;
    default: return window.Input().Handle(msg, wParam, lParam);
    }
}

bool ShowPage(HWND hwnd, const std::wstring& markup, const std::wstring& baseUrl)
{
    EngineWindow& window = EngineWindow::Ensure(hwnd);
    window.ReplaceDocument(BuildDocument(window, markup, baseUrl));
    Document& document = *window.GetDocument();
    AdoptSubtree(*document.Root());
    StartProgressAnimation(document);
    NMHDR complete = {};
    complete.code = NOTIFY_DOCUMENT_COMPLETE;
    window.Notify(complete);
    return true;
}

}  // namespace

HTMLENGINE_API LRESULT HTMLENGINE_CALL HTMLayoutProcND(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, BOOL* handled)
{
    LRESULT result = 0;
    bool taken = false;
    EngineCall call;
    try {
        EngineWindow& window = EngineWindow::Ensure(hwnd);
        if (msg == WM_DESTROY)
            window.MarkDestroyed();
        if (msg == WM_NCDESTROY)
            EngineWindow::Remove(hwnd);
        else
            taken = Handle(window, msg, wParam, lParam, result);
    } catch (...) {
        OutputDebugStringA("htmlengine: failure inside the window procedure\n");
    }
    if (handled)
        *handled = taken;
    return result;
}

HTMLENGINE_API void HTMLENGINE_CALL HTMLayoutSetCallback(HWND hwnd, ENGINE_NOTIFY_PROC callback, LPVOID param)
{
    if (hwnd)
        EngineWindow::Ensure(hwnd).SetCallback(callback, param);
}

HTMLENGINE_API BOOL HTMLENGINE_CALL HTMLayoutLoadHtmlEx(HWND hwnd, const BYTE* html, UINT size, LPCWSTR baseUrl)
{
    if (!hwnd || (!html && size))
        return FALSE;
    return Guarded([&] {
               return ShowPage(hwnd, DecodeUtf8(html, size), baseUrl ? baseUrl : L"") ? ENGINE_OK : ENGINE_FAILED;
           }) == ENGINE_OK;
}

// The path is a URL like any other: the program answers it, or it names a resource.
HTMLENGINE_API BOOL HTMLENGINE_CALL HTMLayoutLoadFile(HWND hwnd, LPCWSTR path)
{
    if (!hwnd || !path)
        return FALSE;
    return Guarded([&] {
               std::vector<unsigned char> data;
               if (!EngineWindow::Ensure(hwnd).LoadUrl(path, DocumentHost::UrlKind::Html, data))
                   return ENGINE_FAILED;
               return ShowPage(hwnd, DecodeUtf8(data.data(), data.size()), path) ? ENGINE_OK : ENGINE_FAILED;
           }) == ENGINE_OK;
}

HTMLENGINE_API BOOL HTMLENGINE_CALL HTMLayoutDataReady(HWND hwnd, LPCWSTR, const BYTE* data, DWORD size)
{
    EngineWindow* window = EngineWindow::Find(hwnd);
    if (!window || (!data && size))
        return FALSE;
    return Guarded([&] { return window->DataReady(data, size) ? ENGINE_OK : ENGINE_FAILED; }) == ENGINE_OK;
}

// The document's min-content width, its min-width (and a width set on the root) honoured.
HTMLENGINE_API UINT HTMLENGINE_CALL HTMLayoutGetMinWidth(HWND hwnd)
{
    EngineWindow* window = EngineWindow::Find(hwnd);
    if (!window)
        return 0;
    UINT width = 0;
    Guarded([&] {
        width = UINT(std::max(0, window->Layout().MinimumWidth()));
        return ENGINE_OK;
    });
    return width;
}

// The height the document takes at that width, its min-height honoured.
HTMLENGINE_API UINT HTMLENGINE_CALL HTMLayoutGetMinHeight(HWND hwnd, UINT width)
{
    EngineWindow* window = EngineWindow::Find(hwnd);
    if (!window)
        return 0;
    UINT height = 0;
    Guarded([&] {
        height = UINT(std::max(0, window->Layout().HeightAt(int(std::min<UINT>(width, 100000)))));
        return ENGINE_OK;
    });
    return height;
}

HTMLENGINE_API BOOL HTMLENGINE_CALL HTMLayoutUpdateWindow(HWND hwnd)
{
    return IsWindow(hwnd) && UpdateWindow(hwnd);
}
