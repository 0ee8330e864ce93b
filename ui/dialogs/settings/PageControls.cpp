#include "ui/dialogs/settings/PageControls.h"

#include "json/TextHelpers.h"

namespace settings_page {

void SetTextValue(Element input, const std::wstring& text)
{
    if (!input.is_valid())
        return;
    input.set_value(json::value(text.c_str()));
}

boost::optional<std::wstring> ReadTextValue(const Element& input)
{
    if (!input.is_valid())
        return boost::none;
    return std::wstring(input.get_value().get_string(L"").c_str());
}

void SetChecked(Element box, bool checked)
{
    if (!box.is_valid())
        return;
    box.set_value(json::value(checked));
}

boost::optional<bool> ReadChecked(const Element& box)
{
    if (!box.is_valid())
        return boost::none;
    return box.get_value().get(false);
}

std::vector<Element> ChildrenFrom(const Element& parent, UINT first)
{
    std::vector<Element> children;
    const UINT count = parent.is_valid() ? parent.children_count() : 0;
    for (UINT n = first; n < count; ++n)
        children.push_back(parent.child(n));
    return children;
}

std::vector<Element> DataRows(const Element& table)
{
    const int headerRows = htmlayout::wtoi(table.is_valid() ? table.get_attribute("fixedrows") : nullptr, 0);
    return ChildrenFrom(table, static_cast<UINT>(headerRows > 0 ? headerRows : 0));
}

}  // namespace settings_page
