#include "htmlengine/document/controls/ButtonControls.h"

#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/dom/ElementStates.h"
#include "htmlengine/document/events/Dispatcher.h"

#include <functional>

namespace htmlengine {

namespace {

const unsigned kReturn = 0x0D;
const unsigned kSpace = 0x20;

bool IsRadio(const Element& element)
{
    return (element.Tag() == "input" || element.Tag() == "button") && element.AttributeOr("type") == L"radio";
}

void ForEachRadioOfGroup(Element& root, const std::wstring& name, const std::function<void(Element&)>& visit)
{
    for (Element* child : root.Children()) {
        if (IsRadio(*child) && child->AttributeOr("name") == name)
            visit(*child);
        ForEachRadioOfGroup(*child, name, visit);
    }
}

bool IsChecked(const Element& element)
{
    return (element.State() & kStateChecked) != 0;
}

}  // namespace

bool ButtonControl::OnClick(Element& element, Element&)
{
    ElementHold hold(element);
    Activate(element);
    return true;
}

bool ButtonControl::OnKeyDown(Element& element, unsigned key, unsigned)
{
    if (key != kReturn && key != kSpace)
        return false;
    return OnClick(element, element);
}

void ButtonControl::Activate(Element& element)
{
    SendBehaviorEvent(element, element, EVENT_BUTTON_CLICK, 0);
}

ControlValue CheckboxControl::GetValue(Element& element) const
{
    return ControlValue::Boolean(IsChecked(element));
}

void CheckboxControl::SetValue(Element& element, const ControlValue& value)
{
    bool checked = value.IsSetFlag();
    ChangeState(element, checked ? kStateChecked : 0, checked ? 0 : kStateChecked);
}

void CheckboxControl::Activate(Element& element)
{
    bool checked = !IsChecked(element);
    ChangeState(element, checked ? kStateChecked : 0, checked ? 0 : kStateChecked);
    SendBehaviorEvent(element, element, EVENT_VALUE_CHANGED, 0);
    if (!element.deleted)
        ButtonControl::Activate(element);
}

void CheckRadio(Element& radio)
{
    std::wstring name = radio.AttributeOr("name");
    Element* top = radio.TopAncestor();
    if (!name.empty())
        ForEachRadioOfGroup(*top, name, [&](Element& other) {
            if (&other != &radio)
                ChangeState(other, 0, kStateChecked);
        });
    ChangeState(radio, kStateChecked, 0);
}

void RadioControl::SetValue(Element& element, const ControlValue& value)
{
    bool checked = value.IsSetFlag();
    if (checked)
        CheckRadio(element);
    else
        ChangeState(element, 0, kStateChecked);
}

void RadioControl::Activate(Element& element)
{
    bool wasChecked = IsChecked(element);
    CheckRadio(element);
    if (!wasChecked)
        SendBehaviorEvent(element, element, EVENT_VALUE_CHANGED, 0);
    if (!element.deleted)
        ButtonControl::Activate(element);
}

void HyperlinkControl::Activate(Element& element)
{
    SendBehaviorEvent(element, element, EVENT_HYPERLINK_CLICK, 0);
}

void ClickableControl::Activate(Element& element)
{
    SendBehaviorEvent(element, element, EVENT_ACTIVATED, 0);
}

}  // namespace htmlengine
