#include "ui/dialogs/settings/MappingChoice.h"

#include "core/Mapping.h"
#include "ui/toolkit/ElementHelpers.h"
#include "json/TextHelpers.h"

namespace {

std::wstring AttributeText(const htmlayout::dom::element& element, const char* name)
{
    const wchar_t* text = element.get_attribute(name);
    return text ? text : L"";
}

}  // namespace

boost::optional<MappingChoice> ReadMappingChoice(const htmlayout::dom::element& select)
{
    if (!select.is_valid())
        return boost::none;
    htmlayout::dom::element caption = htmlayout::get_select_caption(select);
    const htmlayout::dom::element& carrier = caption.is_valid() ? caption : select;
    const wchar_t* state = carrier.get_attribute("mappingState");
    if (!state)
        return boost::none;
    MappingChoice choice = { htmlayout::wtoi(state, 0), AttributeText(carrier, "value"),
                             AttributeText(carrier, "postfix") };
    return choice;
}

bool ApplyMappingChoice(Quorvane::Mapping& mapping, const MappingChoice& choice)
{
    if (choice.state != Quorvane::Mapping::Mapped) {
        mapping.SetState(choice.state);
        return true;
    }
    if (choice.value.empty())
        return false;
    mapping.SetTarget(choice.value, Quorvane::Mapping::Mapped);
    return true;
}

std::map<std::wstring, htmlayout::dom::element> MappingSelectsById(const std::vector<htmlayout::dom::element>& rows)
{
    std::map<std::wstring, htmlayout::dom::element> selects;
    for (const htmlayout::dom::element& row : rows) {
        htmlayout::dom::element select = row.child(1).child(0);
        const wchar_t* id = select.is_valid() ? select.get_attribute("id") : nullptr;
        if (id)
            selects[id] = select;
    }
    return selects;
}
