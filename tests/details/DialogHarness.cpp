#include "DialogHarness.h"

#include <gtest/gtest.h>

using htmlayout::dom::element;

namespace {

void CALLBACK CollectText(const wchar_t* text, UINT length, LPVOID param)
{
    static_cast<std::wstring*>(param)->assign(text, length);
}

}  // namespace

std::wstring TextOf(const element& found)
{
    return std::wstring(found.get_text().c_str());
}

std::wstring AttributeOf(const element& found, const char* name)
{
    const wchar_t* value = found.get_attribute(name);
    return value ? value : L"(none)";
}

element PageProbe::Find(const std::string& selector) const
{
    return Root().find_first("%s", selector.c_str());
}

std::vector<element> PageProbe::FindAll(const std::string& selector) const
{
    std::vector<element> found;
    Root().find_all(&found, "%s", selector.c_str());
    return found;
}

std::wstring PageProbe::Text(const std::string& selector) const
{
    return TextOf(Find(selector));
}

std::wstring PageProbe::Attribute(const std::string& selector, const char* name) const
{
    return AttributeOf(Find(selector), name);
}

bool PageProbe::HasState(const std::string& selector, UINT state) const
{
    return (Find(selector).get_state() & state) != 0;
}

std::wstring PageProbe::Texts(const std::string& selector) const
{
    std::wstring texts;
    const std::vector<element> found = FindAll(selector);
    for (size_t i = 0; i < found.size(); ++i)
        texts += (i ? L"|" : L"") + TextOf(found[i]);
    return texts;
}

void PageProbe::Click(const std::string& selector) const
{
    const element target = Find(selector);
    ASSERT_TRUE(target.is_valid()) << selector;
    HTMLayoutTestClick(target, 0);
}

void PageProbe::Choose(const std::string& selectSelector, const wchar_t* value) const
{
    const element select = Find(selectSelector);
    ASSERT_TRUE(select.is_valid()) << selectSelector;
    HTMLayoutTestChooseOption(select, 0, value);
}

std::wstring PageProbe::Errors() const
{
    std::wstring errors;
    HTMLayoutTestErrors(m_window, CollectText, &errors);
    return errors;
}
