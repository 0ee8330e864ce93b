#include "htmlengine/document/controls/StateRules.h"

#include "htmlengine/document/controls/Control.h"
#include "htmlengine/document/controls/SelectChoice.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementStates.h"
#include "htmlengine/document/events/Focus.h"

namespace htmlengine {

namespace {

unsigned ExclusiveExpansion(unsigned state, unsigned set)
{
    if (set & kStateCollapsed)
        return state & ~kStateExpanded;
    if (set & kStateExpanded)
        return state & ~kStateCollapsed;
    return state;
}

bool IsCheckable(const Element& element)
{
    std::wstring type = element.AttributeOr("type");
    return (element.Tag() == "input" || element.Tag() == "button") && (type == L"checkbox" || type == L"radio");
}

}  // namespace

void ChangeState(Element& element, unsigned set, unsigned clear)
{
    unsigned before = element.State();
    unsigned state = ExclusiveExpansion((before & ~clear) | set, set);
    element.SetStateBits((state & ~kStateFocus) | (before & kStateFocus));
    if (((before ^ state) & kStateExpanded) && element.GetControl())
        element.GetControl()->OnExpansionChanged(element);
    Document* document = element.OwnerDocument();
    if (document && (set & kStateFocus))
        SetFocusSilently(*document, &element);
    if (document && (clear & kStateFocus) && document->Focus() == &element)
        SetFocusSilently(*document, nullptr);
    Element* select = element.Tag() == "option" && ((set | clear) & kStateChecked) ? SelectOf(element) : nullptr;
    if (select && (set & kStateChecked))
        ChooseOption(*select, &element);
    else if (select)
        RefreshCaption(*select);
    if (document)
        document->StyleChanged(element);
}

bool IsDisabledInTree(const Element& element)
{
    for (const Element* e = &element; e; e = e->Parent())
        if (e->State() & kStateDisabled)
            return true;
    return false;
}

void ApplyMarkupStates(Element& element)
{
    unsigned state = element.State();
    if (element.Tag() == "option" && element.HasAttribute("selected"))
        state |= kStateChecked;
    if (IsCheckable(element) && element.HasAttribute("checked"))
        state |= kStateChecked;
    if (element.HasAttribute("disabled"))
        state |= kStateDisabled;
    element.SetStateBits(state);
}

}  // namespace htmlengine
