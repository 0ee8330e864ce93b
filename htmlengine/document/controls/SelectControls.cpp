#include "htmlengine/document/controls/SelectControls.h"

#include "htmlengine/document/controls/OptionHighlight.h"
#include "htmlengine/document/controls/SelectChoice.h"
#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/dom/ElementStates.h"
#include "htmlengine/document/events/Dispatcher.h"
#include "htmlengine/document/events/UserInput.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <vector>

namespace htmlengine {

namespace {

int AttributeNumber(const Element& element, const char* name)
{
    const std::wstring* text = element.FindAttribute(name);
    return text ? int(std::wcstol(text->c_str(), nullptr, 10)) : 0;
}

void CloseAndActivateHighlighted(Element& list)
{
    Element* option = HighlightedOption(list);
    ChangeState(list, kStateCollapsed, 0);
    Document* document = list.OwnerDocument();
    if (!option || !document)
        return;
    ElementHold hold(*option);
    ActivateAsClick(*document, *option, 0);
}

}  // namespace

ControlValue ListControl::GetValue(Element& element) const
{
    for (Element* option : OptionsOf(element))
        if (option->State() & kStateChecked)
            return ControlValue::String(option->AttributeOr("value"));
    return ControlValue::Undefined();
}

bool ListControl::OnClick(Element& element, Element& target)
{
    Element* option = OptionAround(target, element);
    if (!option)
        return false;
    for (Element* each : OptionsOf(element))
        ChangeState(*each, each == option ? kStateChecked : 0, each == option ? 0 : kStateChecked);
    return false;  // the option's own behaviours still see the click
}

bool ListControl::OnPopupKey(Element& element, unsigned key, unsigned keyboardState)
{
    if (!(element.State() & kStateExpanded))
        return false;
    if (IsDropKey(key, keyboardState)) {  // closes, as it opened
        ChangeState(element, kStateCollapsed, 0);
        return true;
    }
    if (key == VK_RETURN) {
        CloseAndActivateHighlighted(element);
        return true;
    }
    if (key == VK_ESCAPE || key == VK_TAB) {
        ChangeState(element, kStateCollapsed, 0);
        return key == VK_ESCAPE;  // Tab moves the focus on as usual
    }
    return MoveHighlight(element, key);
}

// Each opening starts afresh, as a dropdown's list does; a closed list shows no highlight.
void ListControl::OnExpansionChanged(Element& element)
{
    if (element.State() & kStateExpanded)
        HighlightOnOpening(element);
    else
        HighlightOption(element, nullptr);
}

ControlValue ProgressControl::GetValue(Element& element) const
{
    return ControlValue::Integer(AttributeNumber(element, "value"));
}

void ProgressControl::SetValue(Element& element, const ControlValue& value)
{
    if (value.kind == ControlValue::Kind::Integer)
        element.SetAttribute("value", std::to_wstring(value.number));
}

bool StepProgress(Element& progress)
{
    if (!progress.HasAttribute("requested-value"))
        return false;
    int target = std::clamp(AttributeNumber(progress, "requested-value"), 0, 100);
    int value = AttributeNumber(progress, "value");
    int next = value < target ? std::min(value + 3, target) : std::max(value - 1, target);
    progress.SetAttribute("value", std::to_wstring(next));
    if (next == target)
        progress.RemoveAttribute("requested-value");
    if (Document* document = progress.OwnerDocument())
        document->StyleChanged(progress);
    return true;
}

}  // namespace htmlengine
