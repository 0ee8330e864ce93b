#pragma once
// The mouse cursor over the client area: CSS `cursor` of the element under the pointer
// (auto: the I-beam over edits, the arrow elsewhere; pointer: the hand). A cursor the
// program set itself (the wait cursor during synchronous work) stays until the mouse moves.
#include "htmlengine/document/style/ComputedStyle.h"

#include <windows.h>

namespace htmlengine {

class LayoutView;

class PointerCursor {
public:
    // WM_SETCURSOR for the client area; true when the cursor is settled.
    bool OnSetCursor(HWND window, LayoutView& layout);

private:
    HCURSOR set_ = nullptr;  // the cursor the engine set last
    POINT at_ = { -1, -1 };  // where the pointer was then
};

// The system cursor for a CSS cursor; `edit`: over a text, password or date input.
LPCWSTR SystemCursor(Cursor cursor, bool edit);

}  // namespace htmlengine
