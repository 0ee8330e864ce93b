// The window's share: its messages, its notification callback, loading pages, sizes.
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/events/Adoption.h"
#include "htmlengine/document/events/UserInput.h"
#include "htmlengine/document/exports/Handles.h"
#include "htmlengine/document/html/Utf8.h"
#include "htmlengine/document/style/Cascade.h"
#include "htmlengine/document/window/DocumentLoader.h"
#include "htmlengine/document/window/EngineWindow.h"
#include "htmlengine/document/window/ProgressAnimation.h"

#include <algorithm>
#include <cwchar>

using namespace htmlengine;

namespace {

unsigned KeyboardState()
{
    unsigned state = 0;
    if (GetKeyState(VK_CONTROL) < 0) state |= KEYBOARD_CONTROL;
    if (GetKeyState(VK_SHIFT) < 0) state |= KEYBOARD_SHIFT;
    if (GetKeyState(VK_MENU) < 0) state |= KEYBOARD_ALT;
    return state;
}

bool HandleKeyboard(EngineWindow& window, UINT msg, WPARAM wParam)
{
    Document* document = window.GetDocument();
    if (!document) return true;
    if (msg == WM_KEYDOWN) KeyDown(*document, nullptr, UINT(wParam), KeyboardState());
    if (msg == WM_KEYUP) KeyUp(*document, nullptr, UINT(wParam), KeyboardState());
    if (msg == WM_CHAR) TypeText(*document, nullptr, std::wstring(1, wchar_t(wParam)));
    return true;
}

void Paint(HWND hwnd)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_WINDOW));
    EndPaint(hwnd, &paint);
}

// Messages the engine takes; everything else is the window's own.
bool Handle(EngineWindow& window, UINT msg, WPARAM wParam, LRESULT& result)
{
    result = 0;
    if (msg == EngineWindow::PostedEventsMessage()) {
        window.DispatchPostedEvents();
        return true;
    }
    switch (msg) {
    case WM_TIMER:
        if (wParam != kProgressTimerId) return false;
        if (window.GetDocument()) StepProgressAnimation(*window.GetDocument());
        return true;
    case WM_PAINT: Paint(window.Handle()); return true;
    case WM_ERASEBKGND: result = 1; return true;
    case WM_GETDLGCODE: result = DLGC_WANTALLKEYS | DLGC_WANTCHARS; return true;
    case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
        result = TRUE;
        return true;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR: return HandleKeyboard(window, msg, wParam);
    case WM_SIZE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEMOVE:
    case WM_MOUSEWHEEL:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MOUSELEAVE: return true;  // nothing to lay out or hit-test without pixels
    default: return false;
    }
}

// A length in pixels ("800px", "800"); 0 for anything else.
UINT Pixels(const std::wstring& value)
{
    wchar_t* end = nullptr;
    double number = std::wcstod(value.c_str(), &end);
    bool pixels = end && (*end == 0 || std::wcscmp(end, L"px") == 0);
    return pixels && number > 0 ? UINT(number) : 0;
}

Element* Body(Element& root)
{
    for (Element* child : root.Children())
        if (child->Tag() == "body") return child;
    return nullptr;
}

UINT MinimumOf(HWND hwnd, const char* minimum, const char* size)
{
    EngineWindow* window = EngineWindow::Find(hwnd);
    Element* root = window && window->GetDocument() ? window->GetDocument()->Root() : nullptr;
    if (!root) return 0;
    UINT extent = std::max(Pixels(StyleProperty(*root, minimum)), Pixels(StyleProperty(*root, size)));
    if (Element* body = Body(*root)) extent = std::max(extent, Pixels(StyleProperty(*body, minimum)));
    return extent;
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

HTMLENGINE_API LRESULT HTMLENGINE_CALL HTMLayoutProcND(HWND hwnd, UINT msg, WPARAM wParam, LPARAM, BOOL* handled)
{
    LRESULT result = 0;
    bool taken = false;
    EngineCall call;
    try {
        EngineWindow& window = EngineWindow::Ensure(hwnd);
        if (msg == WM_DESTROY) window.MarkDestroyed();
        if (msg == WM_NCDESTROY)
            EngineWindow::Remove(hwnd);
        else
            taken = Handle(window, msg, wParam, result);
    } catch (...) {
        OutputDebugStringA("htmlengine: failure inside the window procedure\n");
    }
    if (handled) *handled = taken;
    return result;
}

HTMLENGINE_API void HTMLENGINE_CALL HTMLayoutSetCallback(HWND hwnd, ENGINE_NOTIFY_PROC callback, LPVOID param)
{
    if (hwnd) EngineWindow::Ensure(hwnd).SetCallback(callback, param);
}

HTMLENGINE_API BOOL HTMLENGINE_CALL HTMLayoutLoadHtmlEx(HWND hwnd, const BYTE* html, UINT size, LPCWSTR baseUrl)
{
    if (!hwnd || (!html && size)) return FALSE;
    return Guarded([&] {
               return ShowPage(hwnd, DecodeUtf8(html, size), baseUrl ? baseUrl : L"") ? ENGINE_OK : ENGINE_FAILED;
           }) == ENGINE_OK;
}

// The path is a URL like any other: the program answers it, or it names a resource.
HTMLENGINE_API BOOL HTMLENGINE_CALL HTMLayoutLoadFile(HWND hwnd, LPCWSTR path)
{
    if (!hwnd || !path) return FALSE;
    return Guarded([&] {
               std::vector<unsigned char> data;
               if (!EngineWindow::Ensure(hwnd).LoadUrl(path, DocumentHost::UrlKind::Html, data)) return ENGINE_FAILED;
               return ShowPage(hwnd, DecodeUtf8(data.data(), data.size()), path) ? ENGINE_OK : ENGINE_FAILED;
           }) == ENGINE_OK;
}

HTMLENGINE_API BOOL HTMLENGINE_CALL HTMLayoutDataReady(HWND hwnd, LPCWSTR, const BYTE* data, DWORD size)
{
    EngineWindow* window = EngineWindow::Find(hwnd);
    if (!window || (!data && size)) return FALSE;
    return Guarded([&] { return window->DataReady(data, size) ? ENGINE_OK : ENGINE_FAILED; }) == ENGINE_OK;
}

HTMLENGINE_API UINT HTMLENGINE_CALL HTMLayoutGetMinWidth(HWND hwnd)
{
    return MinimumOf(hwnd, "min-width", "width");
}

HTMLENGINE_API UINT HTMLENGINE_CALL HTMLayoutGetMinHeight(HWND hwnd, UINT)
{
    return MinimumOf(hwnd, "min-height", "height");
}

HTMLENGINE_API BOOL HTMLENGINE_CALL HTMLayoutUpdateWindow(HWND hwnd)
{
    return IsWindow(hwnd) && UpdateWindow(hwnd);
}
