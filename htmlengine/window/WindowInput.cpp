#include "htmlengine/window/WindowInput.h"

#include "htmlengine/document/controls/Control.h"
#include "htmlengine/document/controls/Popups.h"
#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementStates.h"
#include "htmlengine/document/events/Focus.h"
#include "htmlengine/document/events/FocusScope.h"
#include "htmlengine/window/FocusTraversal.h"
#include "htmlengine/document/events/UserInput.h"
#include "htmlengine/window/EngineWindow.h"
#include "htmlengine/layout/LayoutView.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace htmlengine {

namespace {

// A key's message says itself whether Alt is held (a system key's context code) and whether the
// key was down already (an auto-repeat). The thread's state of Alt can be stale: a key-up that
// went to a dialog opened by Alt+F4 never reaches this thread's record.
const LPARAM kAltHeld = LPARAM(1) << 29;
const LPARAM kWasDown = LPARAM(1) << 30;

// One wheel notch scrolls three lines of the pages' 16-pixel text.
const int kWheelStep = 48;

unsigned KeyState(UINT msg, LPARAM lParam)
{
    unsigned state = 0;
    if (GetKeyState(VK_CONTROL) < 0)
        state |= KEYBOARD_CONTROL;
    if (GetKeyState(VK_SHIFT) < 0)
        state |= KEYBOARD_SHIFT;
    if ((msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP) && (lParam & kAltHeld))
        state |= KEYBOARD_ALT;
    return state;
}

// Keys that press what has the focus: held, they press once.
bool Activates(UINT key)
{
    return key == VK_RETURN || key == VK_SPACE;
}

unsigned MouseKeyboardState(WPARAM wParam)
{
    unsigned state = 0;
    if (wParam & MK_CONTROL)
        state |= KEYBOARD_CONTROL;
    if (wParam & MK_SHIFT)
        state |= KEYBOARD_SHIFT;
    if (GetKeyState(VK_MENU) < 0)
        state |= KEYBOARD_ALT;
    return state;
}

Point PointOf(LPARAM lParam)
{
    return { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
}

Element* CommonAncestor(Element* a, Element* b)
{
    for (Element* e = b; e; e = e->Parent())
        if (e == a || e->IsAncestorOf(a))
            return e;
    return nullptr;
}

// The control nearest to the target that takes this mouse input.
Element* OfferToControls(Element& target, MouseInput input, LayoutView& layout, Point point)
{
    for (Element* e = &target; e; e = e->Parent()) {
        Control* control = e->GetControl();
        if (!control)
            continue;
        Rect rect;
        layout.ElementRect(*e, rect);
        input.x = point.x - rect.x;
        input.y = point.y - rect.y;
        if (control->OnMouse(*e, input))
            return e;
    }
    return nullptr;
}

}  // namespace

void WindowInput::Reset()
{
    hover_.Reset();
    pressed_.Reset();
    captured_.Reset();
    barElement_.Reset();
    draggingBar_ = false;
    keysDown_.clear();
}

bool WindowInput::Handle(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MOUSEMOVE:
        keyboardState_ = MouseKeyboardState(wParam);
        MouseMove(PointOf(lParam));
        return true;
    case WM_MOUSELEAVE:
        window_.Painting().Tips().Hide();
        SetHover(nullptr);
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        keyboardState_ = MouseKeyboardState(wParam);
        ButtonDown(PointOf(lParam), 1, msg == WM_LBUTTONDBLCLK || IsDoubleClick(PointOf(lParam)));
        return true;
    case WM_RBUTTONDOWN:
        keyboardState_ = MouseKeyboardState(wParam);
        ButtonDown(PointOf(lParam), 2, false);
        return true;
    case WM_LBUTTONUP: ButtonUp(PointOf(lParam), 1); return true;
    case WM_RBUTTONUP: ButtonUp(PointOf(lParam), 2); return true;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL: {
        POINT screen { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
        ScreenToClient(window_.Handle(), &screen);
        Wheel({ screen.x, screen.y }, GET_WHEEL_DELTA_WPARAM(wParam), msg == WM_MOUSEHWHEEL);
        return true;
    }
    case WM_CAPTURECHANGED: draggingBar_ = false; return true;
    case WM_KILLFOCUS:
        keysDown_.clear();
        if (Document* document = window_.GetDocument())
            CloseOpenPopup(*document);
        return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return KeyDown(UINT(wParam), KeyState(msg, lParam), (lParam & kWasDown) != 0) || msg == WM_KEYDOWN;
    case WM_KEYUP: KeyUp(UINT(wParam), KeyState(msg, lParam)); return true;
    case WM_CHAR:
        if (Document* document = window_.GetDocument())
            TypeText(*document, nullptr, std::wstring(1, wchar_t(wParam)));
        return true;
    default: return false;
    }
}

Element* WindowInput::Target(Point point)
{
    HitResult hit = window_.Layout().HitTest(point);
    if (hit.element)
        return hit.element;
    Document* document = window_.GetDocument();
    return document ? document->Root() : nullptr;
}

void WindowInput::SendMouse(Element& target, UINT cmd, unsigned buttons, Point point)
{
    Document* document = window_.GetDocument();
    if (!document)
        return;
    LayoutView& layout = window_.Layout();
    Rect rect;
    layout.ElementRect(target, rect);
    const LayoutTree* tree = layout.Update();
    Point scrolled = tree && tree->viewport && tree->viewport->scroll ? tree->viewport->scroll->offset : Point();
    MousePoint where;
    where.element = { point.x - rect.x, point.y - rect.y };
    where.document = { point.x + scrolled.x, point.y + scrolled.y };
    SendMouseEvent(*document, target, cmd, keyboardState_, buttons, where);
}

// Windows reports double clicks only to classes that ask for them; the engine sees them anyway.
bool WindowInput::IsDoubleClick(Point point)
{
    DWORD now = GetTickCount();
    bool nearby = std::abs(point.x - lastDownPoint_.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                  std::abs(point.y - lastDownPoint_.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    bool isDouble = !lastWasDouble_ && lastDownTime_ && nearby && now - lastDownTime_ <= GetDoubleClickTime();
    lastDownTime_ = now;
    lastDownPoint_ = point;
    lastWasDouble_ = isDouble;
    return isDouble;
}

void WindowInput::ButtonDown(Point point, unsigned buttons, bool doubleClick)
{
    Document* document = window_.GetDocument();
    if (!document)
        return;
    window_.Painting().InputArrived();
    UserActed(*document);
    SettleFocusScope(*document);
    if (buttons == 1 && RoutePopupPress(*document, point.x, point.y))
        return;
    HitResult hit = window_.Layout().HitTest(point);
    if (buttons == 1 && hit.onScrollbar && hit.box && StartScrollbar(point, *hit.box, hit.verticalBar))
        return;
    Element* target = hit.element ? hit.element : document->Root();
    if (!target)
        return;
    DismissPopupOutside(*document, target);
    if (target->deleted || !TakesInput(*document, *target))
        return;
    ElementHold hold(*target);
    pressed_.Reset(target);
    SetCapture(window_.Handle());
    SendMouse(*target, MOUSE_DOWN, buttons, point);
    if (doubleClick && !target->deleted)
        SendMouse(*target, MOUSE_DCLICK, buttons, point);
    if (target->deleted || buttons != 1)
        return;
    if (Element* focusable = FocusableAncestor(*target))
        MoveFocusByUser(*document, focusable, true);
    if (target->deleted)
        return;
    MouseInput input;
    input.kind = doubleClick ? MouseInput::Kind::DoubleClick : MouseInput::Kind::Down;
    input.keyboardState = keyboardState_;
    captured_.Reset(OfferToControls(*target, input, window_.Layout(), point));
}

void WindowInput::ButtonUp(Point point, unsigned buttons)
{
    if (GetCapture() == window_.Handle())
        ReleaseCapture();
    if (draggingBar_) {
        draggingBar_ = false;
        return;
    }
    Document* document = window_.GetDocument();
    Element* pressed = pressed_.Get();
    pressed_.Reset();
    SendToCaptured(MouseInput::Kind::Up, point);
    captured_.Reset();
    Element* target = document ? Target(point) : nullptr;
    if (!target || !pressed || !TakesInput(*document, *target))
        return;
    ElementHold hold(std::vector<Element*> { target, pressed });
    SendMouse(*target, MOUSE_UP, buttons, point);
    if (buttons != 1 || target->deleted || pressed->deleted)
        return;
    Element* common = CommonAncestor(pressed, target);
    if (!common || !TakesInput(*document, *common))
        return;
    ElementHold clicked(*common);
    SendMouse(*common, MOUSE_CLICK, buttons, point);
    // The click event is only for handlers and page rules; the controls act on it here.
    if (!common->deleted)
        ClickControls(*document, *common);
}

void WindowInput::MouseMove(Point point)
{
    if (point != pointer_) {
        TRACKMOUSEEVENT track = { sizeof(track), TME_LEAVE, window_.Handle(), 0 };
        TrackMouseEvent(&track);
    }
    pointer_ = point;
    if (draggingBar_) {
        DragScrollbar(point);
        return;
    }
    SendToCaptured(MouseInput::Kind::Move, point);
    SetHover(window_.Layout().HitTest(point).element);
    if (Document* document = window_.GetDocument())
        RoutePopupHover(*document, hover_.Get());
    window_.Painting().Tips().PointerMoved(hover_.Get(), point);
}

// After a control took a press, the moves and the release are its own wherever they happen.
void WindowInput::SendToCaptured(MouseInput::Kind kind, Point point)
{
    Element* captured = captured_.Get();
    if (!captured || !captured->GetControl())
        return;
    ElementHold hold(*captured);
    MouseInput input;
    input.kind = kind;
    input.keyboardState = keyboardState_;
    input.captured = true;
    Rect rect;
    window_.Layout().ElementRect(*captured, rect);
    input.x = point.x - rect.x;
    input.y = point.y - rect.y;
    captured->GetControl()->OnMouse(*captured, input);
}

// :hover holds for the element under the pointer and its ancestors (Selectors 3 §6.6.1.2).
void WindowInput::SetHover(Element* element)
{
    Element* old = hover_.Get();
    if (old == element)
        return;
    Document* document = window_.GetDocument();
    std::vector<Element*> before, after;
    for (Element* e = old; e; e = e->Parent())
        before.push_back(e);
    for (Element* e = element; e; e = e->Parent())
        after.push_back(e);
    bool restyle = document && document->SelectorsUse(kStateHover);
    for (Element* e : before)
        if (std::find(after.begin(), after.end(), e) == after.end()) {
            e->SetStateBits(e->State() & ~kStateHover);
            if (restyle)
                document->StyleChanged(*e);
        }
    for (Element* e : after)
        if (!(e->State() & kStateHover)) {
            e->SetStateBits(e->State() | kStateHover);
            if (restyle)
                document->StyleChanged(*e);
        }
    hover_.Reset(element);
}

void WindowInput::Wheel(Point point, int delta, bool horizontal)
{
    LayoutView& layout = window_.Layout();
    HitResult hit = layout.HitTest(point);
    const LayoutTree* tree = layout.Update();
    const Box* box = hit.box ? hit.box : tree ? tree->viewport.get() : nullptr;
    int distance = -delta * kWheelStep / WHEEL_DELTA;
    if (horizontal)
        distance = -distance;
    for (const Box* b = box; b; b = b->parent) {
        if (!b->scroll)
            continue;
        Overflow overflow = horizontal ? b->style->overflowX : b->style->overflowY;
        if (overflow == Overflow::Hidden)
            continue;
        Point offset = b->scroll->offset;
        (horizontal ? offset.x : offset.y) += distance;
        if (layout.ScrollTo(*b, offset))
            break;
    }
    SetHover(layout.HitTest(pointer_).element);
}

const Box* WindowInput::ScrollbarBox() const
{
    LayoutView& layout = window_.Layout();
    if (draggingViewport_) {
        const LayoutTree* tree = layout.Update();
        return tree ? tree->viewport.get() : nullptr;
    }
    Element* element = barElement_.Get();
    return element && layout.Update() ? layout.BoxOf(*element) : nullptr;
}

bool WindowInput::StartScrollbar(Point point, const Box& box, bool vertical)
{
    ScrollbarParts parts;
    if (!ScrollbarOf(box, vertical, parts))
        return false;
    Point origin = ViewOrigin(box);
    Rect thumb = parts.thumb.Offset(origin.x, origin.y);
    if (thumb.Contains(point)) {
        draggingBar_ = true;
        draggingViewport_ = !box.element;
        verticalBar_ = vertical;
        barElement_.Reset(box.element);
        dragStart_ = point;
        offsetAtStart_ = box.scroll->offset;
        SetCapture(window_.Handle());
        return true;
    }
    // A press on the track pages toward the pointer.
    Point offset = box.scroll->offset;
    if (vertical)
        offset.y += point.y < thumb.y ? -box.scroll->port.height : box.scroll->port.height;
    else
        offset.x += point.x < thumb.x ? -box.scroll->port.width : box.scroll->port.width;
    window_.Layout().ScrollTo(box, offset);
    return true;
}

void WindowInput::DragScrollbar(Point point)
{
    const Box* box = ScrollbarBox();
    ScrollbarParts parts;
    if (!box || !ScrollbarOf(*box, verticalBar_, parts))
        return;
    int travel = verticalBar_ ? parts.track.height - parts.thumb.height : parts.track.width - parts.thumb.width;
    if (travel <= 0)
        return;
    Point maximum = box->scroll->MaxOffset();
    Point offset = offsetAtStart_;
    if (verticalBar_)
        offset.y += int(static_cast<long long>(point.y - dragStart_.y) * maximum.y / travel);
    else
        offset.x += int(static_cast<long long>(point.x - dragStart_.x) * maximum.x / travel);
    window_.Layout().ScrollTo(*box, offset);
}

// A key acts only where it went down: one held since before a panel showed or the window took
// the focus does nothing in it, neither repeating nor going up, and a held Enter or Space presses once.
bool WindowInput::WentDownHere(Document& document, UINT key, bool repeated)
{
    SettleFocusScope(document);
    Element* scope = InputScope(document);
    if (!repeated) {
        keysDown_[key].Reset(scope);
        return true;
    }
    auto down = keysDown_.find(key);
    return down != keysDown_.end() && down->second.Get() == scope && !Activates(key);
}

void WindowInput::KeyUp(UINT key, unsigned state)
{
    Document* document = window_.GetDocument();
    auto down = keysDown_.find(key);
    if (!document || down == keysDown_.end())
        return;
    SettleFocusScope(*document);
    bool here = down->second.Get() == InputScope(*document);
    keysDown_.erase(down);
    if (here)
        htmlengine::KeyUp(*document, nullptr, key, state);
}

bool WindowInput::KeyDown(UINT key, unsigned state, bool repeated)
{
    Document* document = window_.GetDocument();
    if (!document)
        return false;
    window_.Painting().InputArrived();
    if (!WentDownHere(*document, key, repeated))
        return true;
    if (htmlengine::KeyDown(*document, nullptr, key, state))
        return true;
    if (key != VK_TAB || (state & (KEYBOARD_CONTROL | KEYBOARD_ALT)))
        return false;
    Element* next = NextInTabOrder(*document, document->Focus(), (state & KEYBOARD_SHIFT) != 0);
    if (!next)
        return true;
    ElementHold hold(*next);
    MoveFocusByUser(*document, next, false);
    if (next->deleted || document->Focus() != next)
        return true;
    if (Control* control = next->GetControl())
        control->OnTabbedInto(*next);
    Rect place;
    if (window_.Layout().ElementRect(*next, place))
        window_.Painting().Tips().FocusMoved(next, place, window_.Layout());
    return true;
}

}  // namespace htmlengine
