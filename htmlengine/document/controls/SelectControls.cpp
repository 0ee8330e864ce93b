#include "htmlengine/document/controls/SelectControls.h"

#include "htmlengine/document/controls/SelectChoice.h"
#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/dom/ElementStates.h"
#include "htmlengine/document/events/Dispatcher.h"

#include <algorithm>
#include <cwchar>
#include <functional>
#include <vector>

namespace htmlengine {

namespace {

const unsigned kUp = 0x26;
const unsigned kDown = 0x28;

Element* AncestorOrSelf(Element& from, const Element& stop, const char* tag)
{
    for (Element* e = &from; e && e != &stop; e = e->Parent())
        if (e->Tag() == tag) return e;
    return nullptr;
}

Element* Popup(Element& select)
{
    for (Element* child : select.Children())
        if (child->Tag() == "popup") return child;
    return nullptr;
}

void CollectOptions(Element& element, std::vector<Element*>& options)
{
    for (Element* child : element.Children()) {
        if (child->Tag() == "option") options.push_back(child);
        CollectOptions(*child, options);
    }
}

void TogglePopup(Element& select)
{
    Element* popup = Popup(select);
    if (!popup) return;
    bool open = (popup->State() & kStateExpanded) != 0;
    ChangeState(*popup, open ? kStateCollapsed : kStateExpanded, 0);
}

int AttributeNumber(const Element& element, const char* name)
{
    const std::wstring* text = element.FindAttribute(name);
    return text ? int(std::wcstol(text->c_str(), nullptr, 10)) : 0;
}

}  // namespace

ControlValue DropdownControl::GetValue(Element& element) const
{
    Element* chosen = ChosenOption(element);
    if (!chosen) return ControlValue::Undefined();
    return ControlValue::String(chosen->AttributeOr("value", TextContent(*chosen)));
}

void DropdownControl::SetValue(Element& element, const ControlValue& value)
{
    if (value.kind != ControlValue::Kind::String && value.kind != ControlValue::Kind::Integer) return;
    std::wstring wanted = value.kind == ControlValue::Kind::String ? value.text : std::to_wstring(value.number);
    std::vector<Element*> options;
    CollectOptions(element, options);
    for (Element* option : options)
        if (option->AttributeOr("value") == wanted) return ChooseOption(element, option);
}

bool DropdownControl::OnClick(Element& element, Element& target)
{
    Element* option = AncestorOrSelf(target, element, "option");
    if (option && !(option->State() & kStateDisabled)) {
        Choose(element, *option);
        return true;
    }
    TogglePopup(element);
    return true;
}

bool DropdownControl::OnKeyDown(Element& element, unsigned key, unsigned)
{
    if (key != kUp && key != kDown) return false;
    std::vector<Element*> options;
    CollectOptions(element, options);
    if (options.empty()) return true;
    auto chosen = std::find(options.begin(), options.end(), ChosenOption(element));
    if (chosen == options.end())
        chosen = options.begin();
    else if (key == kDown && chosen + 1 != options.end())
        ++chosen;
    else if (key == kUp && chosen != options.begin())
        --chosen;
    Choose(element, **chosen);
    return true;
}

void DropdownControl::Choose(Element& select, Element& option)
{
    ChooseOption(select, &option);
    if (Element* popup = Popup(select)) ChangeState(*popup, kStateCollapsed, 0);
    SendBehaviorEvent(select, select, EVENT_VALUE_CHANGED, 0);
}

ControlValue ListControl::GetValue(Element& element) const
{
    std::vector<Element*> options;
    CollectOptions(element, options);
    for (Element* option : options)
        if (option->State() & kStateChecked) return ControlValue::String(option->AttributeOr("value"));
    return ControlValue::Undefined();
}

bool ListControl::OnClick(Element& element, Element& target)
{
    Element* option = AncestorOrSelf(target, element, "option");
    if (!option) return false;
    std::vector<Element*> options;
    CollectOptions(element, options);
    for (Element* each : options)
        ChangeState(*each, each == option ? kStateChecked : 0, each == option ? 0 : kStateChecked);
    return false;  // the option's own behaviours still see the click
}

ControlValue ProgressControl::GetValue(Element& element) const
{
    return ControlValue::Integer(AttributeNumber(element, "value"));
}

void ProgressControl::SetValue(Element& element, const ControlValue& value)
{
    if (value.kind == ControlValue::Kind::Integer) element.SetAttribute("value", std::to_wstring(value.number));
}

bool StepProgress(Element& progress)
{
    if (!progress.HasAttribute("requested-value")) return false;
    int target = std::clamp(AttributeNumber(progress, "requested-value"), 0, 100);
    int value = AttributeNumber(progress, "value");
    int next = value < target ? std::min(value + 3, target) : std::max(value - 1, target);
    progress.SetAttribute("value", std::to_wstring(next));
    if (next == target) progress.RemoveAttribute("requested-value");
    if (Document* document = progress.OwnerDocument()) document->InvalidateStyles();
    return true;
}

}  // namespace htmlengine
