#include "ui/dialogs/settings/MappingSelect.h"

#include <algorithm>

#include "app/HtmlEscape.h"

namespace {

std::wstring Attribute(const wchar_t* name, const std::wstring& value)
{
    return std::wstring(L" ") + name + L"=\"" + HtmlEscape(value) + L"\"";
}

}  // namespace

std::wstring MappingOptionMarkup(const MappingOption& option, bool chosen)
{
    std::wstring markup = L"<option" + Attribute(L"mappingState", std::to_wstring(option.state));
    if (option.value)
        markup += Attribute(L"value", *option.value);
    if (option.postfix)
        markup += Attribute(L"postfix", *option.postfix);
    if (chosen)
        markup += L" selected";
    return markup + L">" + HtmlEscape(option.text) + L"</option>";
}

MappingOption UndecidedOption(int state)
{
    return MappingOption(state, L"--please select--");
}

MappingSelect::MappingSelect(const std::wstring& id, const std::wstring& cssClass) : m_id(id), m_class(cssClass) {}

void MappingSelect::Add(const MappingOption& option, bool chosen)
{
    Entry entry = { option, chosen };
    m_entries.push_back(entry);
}

std::wstring MappingSelect::Markup(const MappingOption& undecided, bool alwaysShowUndecided) const
{
    std::wstring markup = L"<select" + Attribute(L"id", m_id);
    if (!m_class.empty())
        markup += Attribute(L"class", m_class);
    markup += L"><caption></caption><button role=\"dropdown\" tabindex=\"-1\"></button><popup>";
    bool chosenSeen = false;
    const bool anyChosen =
        std::any_of(m_entries.begin(), m_entries.end(), [](const Entry& entry) { return entry.chosen; });
    if (alwaysShowUndecided || !anyChosen)
        markup += MappingOptionMarkup(undecided, !anyChosen);
    for (const Entry& entry : m_entries) {
        markup += MappingOptionMarkup(entry.option, entry.chosen && !chosenSeen);
        chosenSeen = chosenSeen || entry.chosen;
    }
    return markup + L"</popup></select>";
}
