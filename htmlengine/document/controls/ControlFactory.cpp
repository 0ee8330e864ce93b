#include "htmlengine/document/controls/ControlFactory.h"

#include "htmlengine/document/controls/ButtonControls.h"
#include "htmlengine/document/controls/DateControl.h"
#include "htmlengine/document/controls/DropdownControl.h"
#include "htmlengine/document/controls/EditControl.h"
#include "htmlengine/document/controls/SelectControls.h"
#include "htmlengine/document/dom/AsciiCase.h"
#include "htmlengine/document/dom/Element.h"

namespace htmlengine {

namespace {

std::unique_ptr<Control> InputControl(Element& element, const std::wstring& type)
{
    if (type.empty() || type == L"text")
        return std::make_unique<EditControl>(element, false);
    if (type == L"password")
        return std::make_unique<EditControl>(element, true);
    if (type == L"checkbox")
        return std::make_unique<CheckboxControl>();
    if (type == L"radio")
        return std::make_unique<RadioControl>();
    if (type == L"date")
        return std::make_unique<DateControl>(element);
    if (type == L"button" || type == L"submit")
        return std::make_unique<ButtonControl>();
    return std::make_unique<EditControl>(element, false);
}

std::unique_ptr<Control> OtherControl(Element& element)
{
    const std::string& tag = element.Tag();
    if (tag == "select")
        return std::make_unique<DropdownControl>();
    if (tag == "progress")
        return std::make_unique<ProgressControl>();
    if (tag == "a" && element.HasAttribute("href"))
        return std::make_unique<HyperlinkControl>();
    return nullptr;
}

}  // namespace

std::unique_ptr<Control> ImplicitControl(Element& element)
{
    const std::string& tag = element.Tag();
    if (tag != "input" && tag != "button")
        return OtherControl(element);
    std::wstring type = ToLowerAscii(element.AttributeOr("type"));
    if (tag == "input")
        return InputControl(element, type);
    if (tag == "button" && type == L"checkbox")
        return std::make_unique<CheckboxControl>();
    if (tag == "button" && type == L"radio")
        return std::make_unique<RadioControl>();
    if (tag == "button" && element.AttributeOr("role") == L"dropdown")
        return nullptr;  // its select opens
    return std::make_unique<ButtonControl>();
}

bool BuiltInBehavior(const std::string& name, Element&, std::unique_ptr<Control>& control)
{
    if (name == "button")
        control = std::make_unique<ButtonControl>();
    else if (name == "clickable")
        control = std::make_unique<ClickableControl>();
    else if (name == "select")
        control = std::make_unique<ListControl>();
    else if (name != "column-resizer")
        return false;
    return true;
}

}  // namespace htmlengine
