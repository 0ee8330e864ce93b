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

bool CanHold(Document& document, Element* element)
{
    return element && TakesInput(document, *element) && IsElementVisible(*element);
}

// Where the focus goes in a panel: its first "autofocus" element, else its first Tab stop.
Element* EntryFocus(Document& document, Element& scope)
{
    std::vector<Element*> pending { &scope };
    while (!pending.empty()) {
        Element* element = pending.back();
        pending.pop_back();
        if (element->HasAttribute("autofocus") && CanHold(document, element))
            return element;
        for (auto child = element->Children().rbegin(); child != element->Children().rend(); ++child)
            pending.push_back(*child);
    }
    std::vector<Element*> stops = TabStops(document, scope, IsElementVisible);
    return stops.empty() ? nullptr : stops.front();
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

// The element is gone or cannot take the focus now: the focus goes into what holds the
// keyboard instead, or to the page's first Tab stop, so the keyboard is never left nowhere.
void Return(Document& document, Element* returnTo)
{
    if (CanHold(document, returnTo)) {
        HandFocusTo(document, returnTo);
        return;
    }
    Element* scope = document.Scopes().Top();
    if (scope) {
        Enter(document, *scope);
        return;
    }
    if (CanHold(document, document.Focus()))
        return;
    Element* page = document.EventRoot() ? document.EventRoot() : document.Root();
    std::vector<Element*> stops = page ? TabStops(document, *page, IsElementVisible) : std::vector<Element*>();
    HandFocusTo(document, stops.empty() ? nullptr : stops.front());
}

}  // namespace

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
            entry->returnTo.Reset(returning ? returnTo : document.Focus());
            stack.push_back(std::move(entry));
            Enter(document, *top);
            returning = false;
        }
    }
    if (returning)
        Return(document, returnTo);
    scopes.SetSettledAt(document.StyleGeneration());
}

}  // namespace htmlengine
