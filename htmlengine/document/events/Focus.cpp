#include "htmlengine/document/events/Focus.h"

#include "htmlengine/document/controls/Control.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/dom/ElementStates.h"
#include "htmlengine/document/events/Dispatcher.h"
#include "htmlengine/document/events/HandlerBinding.h"
#include "htmlengine/document/style/Cascade.h"

namespace htmlengine {

namespace {

void SwapFocusState(Document& document, Element* element, bool takeWindowFocus)
{
    if (Element* old = document.Focus()) {
        old->SetStateBits(old->State() & ~kStateFocus);
        document.StyleChanged(*old);
    }
    document.SetFocus(element);
    if (element) {
        element->SetStateBits(element->State() | kStateFocus);
        document.StyleChanged(*element);
        if (takeWindowFocus)
            document.Host().TakeFocus();
    }
}

void SendFocusEvent(Document& document, Element& target, UINT cmd, bool byMouse)
{
    FOCUS_PARAMS params = { cmd, &target, byMouse, FALSE };
    DispatchEvent(document, target, GROUP_FOCUS, &params, &params.cmd);
}

// Focus given by the keyboard or the program brings the whole element into view; a click's
// target is in view already.
void ShowFocused(Document& document, Element* element)
{
    if (element && document.Focus() == element && !element->deleted)
        document.Host().ScrollIntoView(*element);
}

}  // namespace

void SetFocusSilently(Document& document, Element* element)
{
    SwapFocusState(document, element, true);
    ShowFocused(document, element);
}

void HandFocusTo(Document& document, Element* element)
{
    SwapFocusState(document, element, false);
}

void MoveFocusByUser(Document& document, Element* element, bool byMouse)
{
    Element* old = document.Focus();
    if (old == element)
        return;
    if (old)
        AddReference(old);
    SwapFocusState(document, element, true);
    if (old) {
        if (!old->deleted && old->GetControl())
            old->GetControl()->OnFocusLost(*old);
        if (!old->deleted)
            SendFocusEvent(document, *old, FOCUS_LOST, byMouse);
        DropReference(old);
    }
    if (element && document.Focus() == element)
        SendFocusEvent(document, *element, FOCUS_GOT, byMouse);
    if (!byMouse)
        ShowFocused(document, element);
}

Element* FocusableAncestor(Element& element)
{
    for (Element* e = &element; e; e = e->Parent()) {
        if (e->Tag() == "button" && e->AttributeOr("role") == L"dropdown")
            continue;  // a select's drop button: its select takes the focus, whatever its tabindex
        if (e->GetControl() && e->GetControl()->IsFocusable())
            return e;
        if (e->HasAttribute("tabindex") || StyleProperty(*e, "focusable") == L"true")
            return e;
        if (e->HasHandlers())
            for (const HandlerBinding& handler : e->Handlers())
                if (handler.proc && (handler.subscription & GROUP_KEY))
                    return e;  // a behaviour that wants keys
    }
    return nullptr;
}

}  // namespace htmlengine
