#pragma once
// The window's real mouse and keyboard messages turned into the document's events, through
// the same paths as the test hooks: hit testing on the boxes (popups and overlays on top),
// mouse down/up/click/double click with the keyboard state, :hover, the wheel over the
// innermost box that can scroll, the engine's scroll bars, Tab and Shift+Tab; presses reach
// an open popup of a built-in control first, and one outside it closes it. A key acts only in
// the panel where it went down, and a held Enter or Space presses once.
#include "htmlengine/document/controls/Control.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/geometry/Geometry.h"

#include <windows.h>

#include <map>

namespace htmlengine {

class Box;
class Document;
class Element;
class EngineWindow;

class WindowInput {
public:
    explicit WindowInput(EngineWindow& window) : window_(window) {}

    // True when the message was the engine's to take.
    bool Handle(UINT msg, WPARAM wParam, LPARAM lParam);

    // Where the pointer is.
    Point Pointer() const { return pointer_; }

    // Forget what refers to the old document.
    void Reset();

private:
    void MouseMove(Point point);
    void ButtonDown(Point point, unsigned buttons, bool doubleClick);
    void ButtonUp(Point point, unsigned buttons);
    void Wheel(Point point, int delta, bool horizontal);
    bool KeyDown(UINT key, unsigned state, bool repeated);
    void KeyUp(UINT key, unsigned state);
    bool WentDownHere(Document& document, UINT key, bool repeated);
    void SetHover(Element* element);
    bool StartScrollbar(Point point, const Box& box, bool vertical);
    void DragScrollbar(Point point);
    const Box* ScrollbarBox() const;
    bool IsDoubleClick(Point point);
    Element* Target(Point point);
    void SendMouse(Element& target, UINT cmd, unsigned buttons, Point point);
    void SendToCaptured(MouseInput::Kind kind, Point point);

    EngineWindow& window_;
    ElementRef hover_;
    ElementRef pressed_;  // where the button went down
    ElementRef captured_;  // the control that took the down
    Point pointer_;
    unsigned keyboardState_ = 0;
    // The keys down since their key-down reached this window, with what held the keyboard then.
    std::map<UINT, ElementRef> keysDown_;
    // A scroll bar being dragged: its box's element (none: the viewport's) and where the drag started.
    bool draggingBar_ = false;
    bool draggingViewport_ = false;
    bool verticalBar_ = false;
    ElementRef barElement_;
    Point dragStart_;
    Point offsetAtStart_;
    // The last press, for double clicks the window class does not report.
    DWORD lastDownTime_ = 0;
    Point lastDownPoint_;
    bool lastWasDouble_ = false;
};

}  // namespace htmlengine
