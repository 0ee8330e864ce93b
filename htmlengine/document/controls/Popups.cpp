#include "htmlengine/document/controls/Popups.h"

#include "htmlengine/document/controls/Control.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/dom/ElementStates.h"

namespace htmlengine {

namespace {

Control* OwnerControl(Document& document)
{
    Element* owner = document.PopupOwner();
    return owner && !owner->deleted ? owner->GetControl() : nullptr;
}

// A list the page expanded at or below `element`, or null.
Element* ExpandedListIn(Element& element)
{
    Control* control = element.GetControl();
    if (control && control->Type() == kControlList && (element.State() & kStateExpanded))
        return &element;
    for (Element* child : element.Children())
        if (Element* list = ExpandedListIn(*child))
            return list;
    return nullptr;
}

// What takes the keys before the page: the open popup's owner, else a list expanded inside the
// focused element.
Element* KeyedPopup(Document& document)
{
    if (OwnerControl(document))
        return document.PopupOwner();
    return document.Focus() ? ExpandedListIn(*document.Focus()) : nullptr;
}

}  // namespace

void NotePopupOpened(Element& owner)
{
    Document* document = owner.OwnerDocument();
    if (!document)
        return;
    if (document->PopupOwner() != &owner)
        CloseOpenPopup(*document);
    document->SetPopupOwner(&owner);
}

void NotePopupClosed(Element& owner)
{
    Document* document = owner.OwnerDocument();
    if (document && document->PopupOwner() == &owner)
        document->SetPopupOwner(nullptr);
}

void CloseOpenPopup(Document& document)
{
    Element* owner = document.PopupOwner();
    document.SetPopupOwner(nullptr);
    if (Control* control = owner && !owner->deleted ? owner->GetControl() : nullptr)
        control->ClosePopup(*owner);
}

bool RoutePopupPress(Document& document, int x, int y)
{
    Control* control = OwnerControl(document);
    if (!control)
        return false;
    ElementHold hold(*document.PopupOwner());
    return control->OnPopupPress(*document.PopupOwner(), x, y);
}

bool DismissPopupOutside(Document& document, Element* pressed)
{
    Element* owner = document.PopupOwner();
    bool outside = owner && (!pressed || (pressed != owner && !owner->IsAncestorOf(pressed)));
    if (outside)
        CloseOpenPopup(document);
    return outside;
}

void RoutePopupHover(Document& document, Element* hovered)
{
    Control* control = OwnerControl(document);
    if (!control)
        return;
    ElementHold hold(*document.PopupOwner());
    control->OnPopupHover(*document.PopupOwner(), hovered);
}

bool RoutePopupKey(Document& document, unsigned key, unsigned keyboardState, bool down)
{
    if (!down) {
        bool taken = key != 0 && document.PopupKey() == key;
        if (taken)
            document.SetPopupKey(0);
        return taken;
    }
    Element* owner = KeyedPopup(document);
    if (!owner)
        return false;
    ElementHold hold(*owner);
    bool taken = owner->GetControl()->OnPopupKey(*owner, key, keyboardState);
    document.SetPopupKey(taken ? key : 0);
    return taken;
}

}  // namespace htmlengine
