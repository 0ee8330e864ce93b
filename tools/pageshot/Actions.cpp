#include "tools/pageshot/Actions.h"

#include "htmlengine/api/EngineTestHooks.h"
#include "htmlengine/document/dom/AsciiCase.h"

#include <cwchar>
#include <sstream>
#include <stdexcept>

namespace pageshot {

using htmlengine::Narrow;

namespace {

BOOL CALLBACK TakeFirst(HELEMENT he, LPVOID param)
{
    *static_cast<HELEMENT*>(param) = he;
    return TRUE;
}

HELEMENT Find(HWND window, const std::wstring& selector)
{
    HELEMENT root = nullptr, found = nullptr;
    HTMLayoutGetRootElement(window, &root);
    if (root)
        HTMLayoutSelectElementsW(root, selector.c_str(), TakeFirst, &found);
    if (!found)
        throw std::runtime_error("no element matches " + Narrow(selector));
    return found;
}

UINT Number(const std::wstring& text)
{
    wchar_t* end = nullptr;
    unsigned long value = std::wcstoul(text.c_str(), &end, 0);
    if (text.empty() || *end)
        throw std::runtime_error("not a number: " + Narrow(text));
    return UINT(value);
}

void ChangeState(HELEMENT element, const std::wstring& change)
{
    if (change.size() < 2 || (change[0] != L'+' && change[0] != L'-'))
        throw std::runtime_error("state wants +BITS or -BITS, not " + Narrow(change));
    UINT bits = Number(change.substr(1));
    HTMLayoutSetElementState(element, change[0] == L'+' ? bits : 0, change[0] == L'-' ? bits : 0, TRUE);
}

// The real pointer rests on the element's middle (a tooltip goes again when the pointer is
// not over its window), with time for the tooltip's delay.
void Hover(HWND window, HELEMENT element)
{
    RECT place = {};
    HTMLayoutGetElementLocation(element, &place, LOCATION_VIEW_BORDER_BOX);
    POINT middle = { (place.left + place.right) / 2, (place.top + place.bottom) / 2 };
    ShowWindow(window, SW_SHOWNOACTIVATE);
    POINT screen = middle;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(middle.x, middle.y));
    PumpMessages(900);
}

}  // namespace

void PumpMessages(DWORD milliseconds)
{
    DWORD until = GetTickCount() + milliseconds;
    MSG msg;
    while (int(until - GetTickCount()) > 0) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    }
}

void ApplyAction(HWND window, const std::wstring& action)
{
    std::wistringstream words(action);
    std::wstring verb, selector, rest;
    words >> verb >> selector;
    std::getline(words >> std::ws, rest);
    HELEMENT element = Find(window, selector);
    if (verb == L"click")
        HTMLayoutTestClick(element, 0);
    else if (verb == L"dblclick")
        HTMLayoutTestDoubleClick(element, 0);
    else if (verb == L"focus")
        HTMLayoutTestSetFocus(window, element);
    else if (verb == L"type")
        HTMLayoutTestSetFocus(window, element), HTMLayoutTestType(window, element, rest.c_str());
    else if (verb == L"choose")
        HTMLayoutTestChooseOption(element, Number(rest), nullptr);
    else if (verb == L"key")
        HTMLayoutTestKeyDown(window, element, Number(rest), 0), HTMLayoutTestKeyUp(window, element, Number(rest), 0);
    else if (verb == L"state")
        ChangeState(element, rest);
    else if (verb == L"hover")
        Hover(window, element);
    else
        throw std::runtime_error("unknown action: " + Narrow(action));
    HTMLayoutTestFlushPostedEvents(window);
}

}  // namespace pageshot
