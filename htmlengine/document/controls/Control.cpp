#include "htmlengine/document/controls/Control.h"

#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/events/Adoption.h"

namespace htmlengine {

ControlValue TextValue(Element& element)
{
    return ControlValue::String(TextContent(element));
}

void SetTextValue(Element& element, const ControlValue& value)
{
    DiscardContent(element);
    std::wstring text = value.kind == ControlValue::Kind::String    ? value.text
                        : value.kind == ControlValue::Kind::Integer ? std::to_wstring(value.number)
                                                                    : std::wstring();
    if (!text.empty())
        element.AppendNode(new TextNode(text));
}

ControlValue Control::GetValue(Element& element) const
{
    return TextValue(element);
}
void Control::SetValue(Element& element, const ControlValue& value)
{
    SetTextValue(element, value);
}
bool Control::OnClick(Element&, Element&)
{
    return false;
}
bool Control::OnKeyDown(Element&, unsigned, unsigned)
{
    return false;
}
bool Control::OnCharacter(Element&, wchar_t)
{
    return false;
}
void Control::OnFocusLost(Element&) {}
void Control::OnTabbedInto(Element&) {}
bool Control::OnPopupKey(Element&, unsigned, unsigned)
{
    return false;
}
void Control::OnExpansionChanged(Element&) {}
bool Control::OnPopupPress(Element&, int, int)
{
    return false;
}
void Control::ClosePopup(Element&) {}
void Control::OnPopupHover(Element&, Element*) {}
bool Control::OnMouse(Element&, const MouseInput&)
{
    return false;
}

}  // namespace htmlengine
