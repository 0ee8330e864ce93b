#include "htmlengine/document/controls/Popups.h"

#include "htmlengine/document/controls/Control.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"

namespace htmlengine {

namespace {

Control* OwnerControl(Document& document)
{
    Element* owner = document.PopupOwner();
    return owner && !owner->deleted ? owner->GetControl() : nullptr;
}

}  // namespace

void NotePopupOpened(Element& owner)
{
    Document* document = owner.OwnerDocument();
    if (!document) return;
    if (document->PopupOwner() != &owner) CloseOpenPopup(*document);
    document->SetPopupOwner(&owner);
}

void NotePopupClosed(Element& owner)
{
    Document* document = owner.OwnerDocument();
    if (document && document->PopupOwner() == &owner) document->SetPopupOwner(nullptr);
}

void CloseOpenPopup(Document& document)
{
    Element* owner = document.PopupOwner();
    document.SetPopupOwner(nullptr);
    if (Control* control = owner && !owner->deleted ? owner->GetControl() : nullptr) control->ClosePopup(*owner);
}

bool RoutePopupPress(Document& document, int x, int y)
{
    Control* control = OwnerControl(document);
    if (!control) return false;
    ElementHold hold(*document.PopupOwner());
    return control->OnPopupPress(*document.PopupOwner(), x, y);
}

bool DismissPopupOutside(Document& document, Element* pressed)
{
    Element* owner = document.PopupOwner();
    bool outside = owner && (!pressed || (pressed != owner && !owner->IsAncestorOf(pressed)));
    if (outside) CloseOpenPopup(document);
    return outside;
}

void RoutePopupHover(Document& document, Element* hovered)
{
    Control* control = OwnerControl(document);
    if (!control) return;
    ElementHold hold(*document.PopupOwner());
    control->OnPopupHover(*document.PopupOwner(), hovered);
}

bool RoutePopupKey(Document& document, unsigned key, unsigned keyboardState, bool down)
{
    if (!down) {
        bool taken = key != 0 && document.PopupKey() == key;
        if (taken) document.SetPopupKey(0);
        return taken;
    }
    Control* control = OwnerControl(document);
    if (!control) return false;
    ElementHold hold(*document.PopupOwner());
    bool taken = control->OnPopupKey(*document.PopupOwner(), key, keyboardState);
    document.SetPopupKey(taken ? key : 0);
    return taken;
}

}  // namespace htmlengine
