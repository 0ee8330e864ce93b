#include "htmlengine/paint/gdi/PointerCursor.h"

#include "htmlengine/document/controls/EditControl.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/layout/LayoutView.h"

namespace htmlengine {

LPCWSTR SystemCursor(Cursor cursor, bool edit)
{
    switch (cursor) {
    case Cursor::Pointer: return IDC_HAND;
    case Cursor::Text: return IDC_IBEAM;
    case Cursor::Wait: return IDC_WAIT;
    case Cursor::Progress: return IDC_APPSTARTING;
    case Cursor::Move: return IDC_SIZEALL;
    case Cursor::NotAllowed: return IDC_NO;
    case Cursor::Help: return IDC_HELP;
    case Cursor::Crosshair: return IDC_CROSS;
    case Cursor::ResizeEW: return IDC_SIZEWE;
    case Cursor::ResizeNS: return IDC_SIZENS;
    case Cursor::Auto: return edit ? IDC_IBEAM : IDC_ARROW;
    case Cursor::Default: return IDC_ARROW;
    }
    return IDC_ARROW;
}

bool PointerCursor::OnSetCursor(HWND window, LayoutView& layout)
{
    POINT at = {};
    GetCursorPos(&at);
    bool resting = at.x == at_.x && at.y == at_.y;
    if (resting && GetCursor() != set_)
        return true;  // the program's own cursor, until the mouse moves
    POINT client = at;
    ScreenToClient(window, &client);
    HitResult hit = layout.HitTest({ int(client.x), int(client.y) });
    Cursor cursor = hit.element && !hit.onScrollbar ? ComputedStyleOf(*hit.element)->cursor : Cursor::Default;
    set_ = LoadCursorW(nullptr, SystemCursor(cursor, IsEditOf(hit.element)));
    at_ = at;
    SetCursor(set_);
    return true;
}

}  // namespace htmlengine
