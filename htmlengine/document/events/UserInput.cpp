#include "htmlengine/document/events/UserInput.h"

#include "htmlengine/document/controls/Control.h"
#include "htmlengine/document/controls/Popups.h"
#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/dom/ElementStates.h"
#include "htmlengine/document/events/Dispatcher.h"
#include "htmlengine/document/events/Focus.h"
#include "htmlengine/document/events/FocusScope.h"
#include "htmlengine/document/style/Cascade.h"

#include <vector>

namespace htmlengine {

namespace {

bool SendMouse(Document& document, Element& target, UINT cmd, unsigned keyboardState)
{
    return SendMouseEvent(document, target, cmd, keyboardState, 1, MousePoint());
}

bool SendKey(Document& document, Element& target, UINT cmd, unsigned key, unsigned keyboardState)
{
    KEY_PARAMS params = { cmd, &target, key, keyboardState };
    return DispatchEvent(document, target, GROUP_KEY, &params, &params.cmd);
}

// Without a focused element keys go to the body, so that page rules on it see them; while a
// panel holds the keyboard and the focus is not inside it, to the panel. A focused element that
// is hidden now takes no keys: Enter must not press a button nobody sees.
Element* KeyTarget(Document& document, Element* target)
{
    if (target)
        return target;
    Element* focus = document.Focus() && IsElementVisible(*document.Focus()) ? document.Focus() : nullptr;
    if (focus && InsideInputScopes(document, *focus))
        return focus;
    if (Element* scope = InputScope(document))
        return scope;
    if (focus)
        return focus;
    Element* root = document.Root();
    for (Element* child : root ? root->Children() : std::vector<Element*>())
        if (child->Tag() == "body")
            return child;
    return root;
}

// Enter and Space on an element the page made focusable (tabindex, "focusable: true") that is no
// control of its own: whatever acts on its click acts on the key, so markup alone puts it in
// reach of the keyboard. Controls keep their own keys.
bool ActivatesOnKey(Document& document, Element& element, unsigned key, unsigned keyboardState)
{
    bool plain = !(keyboardState & (KEYBOARD_CONTROL | KEYBOARD_ALT | KEYBOARD_SHIFT));
    return plain && (key == VK_RETURN || key == VK_SPACE) && &element == document.Focus() && !element.GetControl() &&
           !element.deleted && FocusableAncestor(element) == &element;
}

}  // namespace

bool SendMouseEvent(Document& document, Element& target, UINT cmd, unsigned keyboardState, unsigned buttons,
                    const MousePoint& point)
{
    if (target.deleted || target.OwnerDocument() != &document)
        return true;
    MOUSE_PARAMS params = {};
    params.cmd = cmd;
    params.target = &target;
    params.pos = point.element;
    params.pos_document = point.document;
    params.button_state = buttons;
    params.alt_state = keyboardState;
    return DispatchEvent(document, target, GROUP_MOUSE, &params, &params.cmd);
}

void ClickControls(Document& document, Element& target)
{
    for (Element* e = &target; e && !target.deleted; e = e->Parent()) {
        if (e->OwnerDocument() != &document)
            return;
        Control* control = e->GetControl();
        if (control && control->OnClick(*e, target))
            return;
    }
}

bool TakesInput(Document& document, Element& element)
{
    if (element.deleted || element.OwnerDocument() != &document || IsDisabledInTree(element))
        return false;
    return InsideInputScopes(document, element);
}

bool ClickElement(Document& document, Element& target, unsigned keyboardState, bool doubleClick)
{
    UserActed(document);
    SettleFocusScope(document);
    if (!TakesInput(document, target))
        return false;
    ElementHold hold(target);
    DismissPopupOutside(document, &target);
    SendMouse(document, target, MOUSE_DOWN, keyboardState);
    if (target.deleted)
        return true;
    if (Element* focusable = FocusableAncestor(target))
        MoveFocusByUser(document, focusable, true);
    SendMouse(document, target, MOUSE_UP, keyboardState);
    if (doubleClick)
        SendMouse(document, target, MOUSE_DCLICK, keyboardState);
    ActivateAsClick(document, target, keyboardState);
    return true;
}

void ActivateAsClick(Document& document, Element& target, unsigned keyboardState)
{
    if (!SendMouse(document, target, MOUSE_CLICK, keyboardState))
        ClickControls(document, target);
}

namespace {

bool DeliverKeyDown(Document& document, Element* target, unsigned key, unsigned keyboardState)
{
    Element* element = KeyTarget(document, target);
    if (!element || !TakesInput(document, *element))
        return false;
    ElementHold hold(*element);
    if (RoutePopupKey(document, key, keyboardState, true))
        return true;
    if (SendKey(document, *element, KEY_DOWN, key, keyboardState))
        return true;
    Control* control = element->deleted ? nullptr : element->GetControl();
    if (control)
        return control->OnKeyDown(*element, key, keyboardState);
    if (!ActivatesOnKey(document, *element, key, keyboardState))
        return false;
    ClickElement(document, *element, keyboardState, false);
    return true;
}

}  // namespace

// What the key did to the focus is settled at once, so the program sees where it is.
bool KeyDown(Document& document, Element* target, unsigned key, unsigned keyboardState)
{
    if (key != VK_SHIFT && key != VK_CONTROL && key != VK_MENU)  // a modifier alone does nothing
        UserActed(document);
    SettleFocusScope(document);
    bool taken = DeliverKeyDown(document, target, key, keyboardState);
    SettleFocusScope(document);
    return taken;
}

bool KeyUp(Document& document, Element* target, unsigned key, unsigned keyboardState)
{
    SettleFocusScope(document);
    Element* element = KeyTarget(document, target);
    if (!element || !TakesInput(document, *element))
        return false;
    ElementHold hold(*element);
    if (RoutePopupKey(document, key, keyboardState, false))
        return true;
    return SendKey(document, *element, KEY_UP, key, keyboardState);
}

void TypeText(Document& document, Element* target, const std::wstring& text)
{
    SettleFocusScope(document);
    Element* element = KeyTarget(document, target);
    if (!element || !TakesInput(document, *element))
        return;
    ElementHold hold(*element);
    for (wchar_t character : text) {
        if (element->deleted)
            return;
        if (SendKey(document, *element, KEY_CHAR, character, 0))
            continue;
        if (Control* control = element->GetControl())
            control->OnCharacter(*element, character);
    }
}

}  // namespace htmlengine
