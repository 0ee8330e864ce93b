#include "htmlengine/paint/gdi/HoverTips.h"

#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/css/Selection.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/dom/ElementStates.h"
#include "htmlengine/document/events/AttributeEffects.h"

namespace htmlengine {

namespace {

const UINT kDelayMilliseconds = 500;
const int kPopupBelow = 20, kPopupRight = 4;

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
    pointer_ = pointer;
    if (owner == owner_ && (shown_ || popup_))
        return;  // a shown tip stays while the pointer stays on its element
    Hide();
    Track(owner, pointer);
}

void HoverTips::Track(Element* owner, Point pointer)
{
    Hold(owner_, owner);
    if (!owner)
        return KillTimer(window_, kTooltipTimerId), void();
    pointer_ = pointer;
    SetTimer(window_, kTooltipTimerId, kDelayMilliseconds, nullptr);
}

bool HoverTips::OnTimer(UINT_PTR id)
{
    if (id != kTooltipTimerId)
        return false;
    KillTimer(window_, kTooltipTimerId);
    ShowTracked();
    return true;
}

// The keyboard has no pointer to rest: the tip of what Tab reached shows at once, under it.
void HoverTips::FocusMoved(Element* focused, const Rect& place)
{
    Hide();
    Hold(owner_, TipOwner(focused));
    pointer_ = { place.x, place.Bottom() - kPopupBelow + kPopupRight };
    ShowTracked();
}

void HoverTips::ShowTracked()
{
    if (!owner_ || owner_->deleted || !owner_->OwnerDocument())
        return;
    if (const std::wstring* title = owner_->FindAttribute("title")) {
        if (!title->empty())
            shown_ = TitleTip { TitleLines(*title), pointer_ };
        RepaintWindow(window_);
    } else if (Element* root = owner_->OwnerDocument()->Root()) {
        if (Element* popup = ElementById(*root, owner_->AttributeOr("titleid")))
            ShowPopup(*popup);
    }
}

void HoverTips::ShowPopup(Element& popup)
{
    Hold(popup_, &popup);
    SetRuntimeStyle(popup, "position", L"fixed");
    SetRuntimeStyle(popup, "left", std::to_wstring(pointer_.x + kPopupRight) + L"px");
    SetRuntimeStyle(popup, "top", std::to_wstring(pointer_.y + kPopupBelow) + L"px");
    ChangeState(popup, kStateExpanded, 0);
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
