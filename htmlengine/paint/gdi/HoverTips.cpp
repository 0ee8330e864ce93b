#include "htmlengine/paint/gdi/HoverTips.h"

#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/css/Selection.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/dom/ElementStates.h"
#include "htmlengine/document/events/AttributeEffects.h"
#include "htmlengine/layout/LayoutView.h"
#include "htmlengine/paint/PopupPlacement.h"

namespace htmlengine {

namespace {

const UINT kDelayMilliseconds = 500;
// The cursor's extent around the pointer, and the room a focus ring takes around its element.
const int kCursorAbove = 4, kCursorBelow = 20, kCursorRight = 4;
const int kRingRoom = 4;

Rect CursorArea(Point pointer)
{
    return { pointer.x + kCursorRight, pointer.y - kCursorAbove, 0, kCursorAbove + kCursorBelow };
}

Element* TipOwner(Element* element)
{
    for (Element* e = element; e; e = e->Parent())
        if (e->HasAttribute("title") || e->HasAttribute("titleid"))
            return e;
    return nullptr;
}

Element* ElementById(Element& root, const std::wstring& id)
{
    std::vector<Element*> found = CollectDescendants(root, [&](Element& e) { return e.AttributeOr("id") == id; });
    return found.empty() ? nullptr : found.front();
}

void Hold(Element*& slot, Element* element)
{
    if (element)
        AddReference(element);
    if (slot)
        DropReference(slot);
    slot = element;
}

void RepaintWindow(HWND window)
{
    InvalidateRect(window, nullptr, FALSE);
}

}  // namespace

HoverTips::~HoverTips()
{
    Reset();
}

void HoverTips::Reset()
{
    Hide();
    Hold(owner_, nullptr);
}

void HoverTips::PointerMoved(Element* hovered, Point pointer)
{
    Element* owner = TipOwner(hovered);
    anchor_ = CursorArea(pointer);
    if (owner == owner_ && (shown_ || popup_))
        return;  // a shown tip stays while the pointer stays on its element
    Hide();
    Track(owner);
}

void HoverTips::Track(Element* owner)
{
    Hold(owner_, owner);
    if (!owner)
        return KillTimer(window_, kTooltipTimerId), void();
    SetTimer(window_, kTooltipTimerId, kDelayMilliseconds, nullptr);
}

bool HoverTips::OnTimer(UINT_PTR id, LayoutView& layout)
{
    if (id != kTooltipTimerId)
        return false;
    KillTimer(window_, kTooltipTimerId);
    ShowTracked(layout);
    return true;
}

// The keyboard has no pointer to rest: the tip of what Tab reached shows at once, beside it.
void HoverTips::FocusMoved(Element* focused, const Rect& place, LayoutView& layout)
{
    Hide();
    Hold(owner_, TipOwner(focused));
    anchor_ = { place.x, place.y - kRingRoom, place.width, place.height + 2 * kRingRoom };
    ShowTracked(layout);
}

void HoverTips::ShowTracked(LayoutView& layout)
{
    if (!owner_ || owner_->deleted || !owner_->OwnerDocument())
        return;
    if (const std::wstring* title = owner_->FindAttribute("title")) {
        if (!title->empty())
            shown_ = TitleTip { TitleLines(*title), anchor_ };
        RepaintWindow(window_);
    } else if (Element* root = owner_->OwnerDocument()->Root()) {
        if (Element* popup = ElementById(*root, owner_->AttributeOr("titleid")))
            ShowPopup(*popup, layout);
    }
}

// Laid out under the anchor first, to learn its size, then placed as an engine-drawn tip is.
void HoverTips::ShowPopup(Element& popup, LayoutView& layout)
{
    Hold(popup_, &popup);
    SetRuntimeStyle(popup, "position", L"fixed");
    SetRuntimeStyle(popup, "left", std::to_wstring(anchor_.x) + L"px");
    SetRuntimeStyle(popup, "top", std::to_wstring(anchor_.Bottom()) + L"px");
    ChangeState(popup, kStateExpanded, 0);
    Rect laidOut;
    if (!layout.ElementRect(popup, laidOut))
        return;
    Rect place = PlaceUnder(anchor_, { laidOut.width, laidOut.height }, layout.Viewport());
    SetRuntimeStyle(popup, "left", std::to_wstring(place.x) + L"px");
    SetRuntimeStyle(popup, "top", std::to_wstring(place.y) + L"px");
}

void HoverTips::Hide()
{
    KillTimer(window_, kTooltipTimerId);
    if (shown_)
        RepaintWindow(window_);
    shown_.reset();
    if (popup_ && !popup_->deleted && popup_->OwnerDocument()) {
        ChangeState(*popup_, kStateCollapsed, 0);
        for (const char* property : { "position", "left", "top" })
            SetRuntimeStyle(*popup_, property, L"");
    }
    Hold(popup_, nullptr);
}

}  // namespace htmlengine
