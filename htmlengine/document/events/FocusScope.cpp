#include "htmlengine/document/events/FocusScope.h"

#include "htmlengine/document/controls/Popups.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/events/Focus.h"
#include "htmlengine/document/events/TabOrder.h"
#include "htmlengine/document/events/UserInput.h"
#include "htmlengine/document/style/Cascade.h"
#include "htmlengine/document/style/ComputedStyle.h"

#include <algorithm>

namespace htmlengine {

namespace {

bool Contains(const Element* scope, const Element& element)
{
    return !scope || scope == &element || scope->IsAncestorOf(&element);
}

bool IsShownScope(Element* element)
{
    return element && ComputedStyleOf(*element)->focusScope && IsElementVisible(*element);
}

// Only displayed subtrees are walked: a hidden panel holds nothing, nor does anything inside it.
Element* TopmostShownScope(Document& document)
{
    Element* top = nullptr;
    int topZ = 0;
    std::vector<Element*> pending;
    if (document.Root())
        pending.push_back(document.Root());
    while (!pending.empty()) {
        Element* element = pending.back();
        pending.pop_back();
        std::shared_ptr<const ComputedStyle> style = ComputedStyleOf(*element);
        if (style->display == Display::None)
            continue;
        int z = style->zIndexAuto ? 0 : style->zIndex;
        if (style->focusScope && style->visibility == Visibility::Visible && (!top || z >= topZ)) {
            top = element;
            topZ = z;
        }
        for (auto child = element->Children().rbegin(); child != element->Children().rend(); ++child)
            pending.push_back(*child);
    }
    return top;
}

// What holds the keyboard: the topmost shown panel, else the event root, else the whole page.
Element* KeyboardHolder(Document& document)
{
    Element* scope = InputScope(document);
    return scope ? scope : document.Root();
}

// The element itself or its nearest ancestor that takes the focus and can hold it now.
Element* NearestHolder(Document& document, Element* from)
{
    for (Element* e = from ? FocusableAncestor(*from) : nullptr; e;
         e = e->Parent() ? FocusableAncestor(*e->Parent()) : nullptr)
        if (CanHoldFocus(document, e))
            return e;
    return nullptr;
}

// The focus cannot be on `lost` (null: it was removed from `from`): it goes to the nearest
// holder up from `from`, else to what holds the keyboard's entry focus, and `lost` is kept to get
// it back.
void Rehome(Document& document, Element* lost, Element* from)
{
    Element* home = NearestHolder(document, from);
    Element* holder = home ? nullptr : KeyboardHolder(document);
    if (holder)
        home = EntryFocus(document, *holder);
    HandFocusTo(document, home);
    document.Scopes().TakenFrom().Reset(lost);
    document.Scopes().PutOn().Reset(home);
}

// A focus the engine took goes back once its element can hold it, while it is still where the
// engine put it: anything else that moved it meanwhile wins.
void GiveBack(Document& document)
{
    FocusScopes& scopes = document.Scopes();
    Element* from = scopes.TakenFrom().Get();
    if (!from)
        return;
    if (document.Focus() != scopes.PutOn().Get())
        scopes.ForgetTakenFocus();
    else if (CanHoldFocus(document, from)) {
        scopes.ForgetTakenFocus();
        HandFocusTo(document, from);
    }
}

void SettleUnusableFocus(Document& document)
{
    Element* focus = document.Focus();
    Element* removedFrom = document.Scopes().RemovedFrom().Get();
    document.Scopes().RemovedFrom().Reset();
    if (focus && !CanHoldFocus(document, focus))
        Rehome(document, focus, focus);
    else if (!focus && removedFrom)
        Rehome(document, nullptr, removedFrom);
    else
        GiveBack(document);
}

// Whose the focus is: the element it was taken from while it waits where the engine put it.
Element* FocusOwner(Document& document)
{
    FocusScopes& scopes = document.Scopes();
    Element* from = scopes.TakenFrom().Get();
    return from && document.Focus() == scopes.PutOn().Get() ? from : document.Focus();
}

// A focus already inside the new panel stays (the user or the program put it there). A list or
// calendar left open behind the panel closes: it would otherwise still take presses and keys.
void Enter(Document& document, Element& scope)
{
    if (document.PopupOwner() && !Contains(&scope, *document.PopupOwner()))
        CloseOpenPopup(document);
    Element* focus = document.Focus();
    if (focus && Contains(&scope, *focus))
        return;
    HandFocusTo(document, EntryFocus(document, scope));
}

// A panel closed: the focus goes back to what had it when the panel opened, settled as any
// unusable focus when that cannot hold it now.
void Return(Document& document, Element* returnTo)
{
    if (CanHoldFocus(document, returnTo))
        HandFocusTo(document, returnTo);
    else if (Element* scope = document.Scopes().Top())
        Enter(document, *scope);
    else if (!CanHoldFocus(document, document.Focus()))
        Rehome(document, returnTo, returnTo);
}

}  // namespace

bool CanHoldFocus(Document& document, Element* element)
{
    return element && TakesInput(document, *element) && IsElementVisible(*element);
}

Element* EntryFocus(Document& document, Element& scope)
{
    std::vector<Element*> pending { &scope };
    while (!pending.empty()) {
        Element* element = pending.back();
        pending.pop_back();
        if (element->HasAttribute("autofocus") && CanHoldFocus(document, element))
            return element;
        for (auto child = element->Children().rbegin(); child != element->Children().rend(); ++child)
            pending.push_back(*child);
    }
    return FirstTabStop(document, scope);
}

Element* InputScope(Document& document)
{
    Element* scope = document.Scopes().Top();
    return scope ? scope : document.EventRoot();
}

bool InsideInputScopes(Document& document, const Element& element)
{
    return Contains(document.EventRoot(), element) && Contains(document.Scopes().Top(), element);
}

void SettleFocusScope(Document& document)
{
    FocusScopes& scopes = document.Scopes();
    if (scopes.SettledAt() == document.StyleGeneration())
        return;
    auto& stack = scopes.Stack();
    Element* top = TopmostShownScope(document);
    auto held = std::find_if(stack.begin(), stack.end(), [&](const std::unique_ptr<FocusScopes::Entry>& entry) {
        return top && entry->scope.Get() == top;
    });
    bool returning = false;
    Element* returnTo = nullptr;
    if (held != stack.end()) {
        // The panels above it closed: the focus goes back to where it was when the first of them opened.
        if (held + 1 != stack.end()) {
            returning = true;
            returnTo = held[1]->returnTo.Get();
            stack.erase(held + 1, stack.end());
        }
    } else {
        while (!stack.empty() && !IsShownScope(stack.back()->scope.Get())) {
            returning = true;
            returnTo = stack.back()->returnTo.Get();
            stack.pop_back();
        }
        if (top) {
            auto entry = std::make_unique<FocusScopes::Entry>();
            entry->scope.Reset(top);
            entry->returnTo.Reset(returning ? returnTo : FocusOwner(document));
            stack.push_back(std::move(entry));
            Enter(document, *top);
            returning = false;
        }
    }
    if (returning)
        Return(document, returnTo);
    SettleUnusableFocus(document);
    scopes.SetSettledAt(document.StyleGeneration());
}

void UserActed(Document& document)
{
    document.Scopes().ForgetTakenFocus();
}

}  // namespace htmlengine
