#include "tests/support/PageProbe.h"

#include <gtest/gtest.h>

#include "htmlengine/api/EngineTestHooks.h"
#include "tests/support/PaintedLines.h"

using htmlayout::dom::element;

namespace {

void CALLBACK AppendText(const wchar_t* text, UINT length, LPVOID param)
{
    static_cast<std::wstring*>(param)->append(text, length);
}

std::wstring OrNone(const wchar_t* value)
{
    return value ? value : L"(none)";
}

}  // namespace

std::wstring TextOf(const element& found)
{
    return std::wstring(found.get_text().c_str());
}

std::wstring AttributeOf(const element& found, const char* name)
{
    return OrNone(found.get_attribute(name));
}

bool HasState(const element& found, UINT state)
{
    return (found.get_state() & state) == state;
}

element PageProbe::Root() const
{
    return element::root_element(m_window);
}

element PageProbe::Find(const std::string& selector) const
{
    const element found = FirstMatch(selector);
    EXPECT_TRUE(found.is_valid()) << selector;
    return found;
}

element PageProbe::FirstMatch(const std::string& selector) const
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
    return TextOf(FirstMatch(selector));
}

std::wstring PageProbe::Html(const std::string& selector) const
{
    const json::astring html = FirstMatch(selector).get_html(false);
    return std::wstring(html.c_str(), html.c_str() + html.length());
}

std::wstring PageProbe::Attribute(const std::string& selector, const char* name) const
{
    return AttributeOf(FirstMatch(selector), name);
}

std::wstring PageProbe::Style(const std::string& selector, const char* name) const
{
    return OrNone(FirstMatch(selector).get_style_attribute(name));
}

bool PageProbe::HasState(const std::string& selector, UINT state) const
{
    return ::HasState(FirstMatch(selector), state);
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
    const element target = FirstMatch(selector);
    ASSERT_TRUE(target.is_valid()) << selector;
    Click(target);
}

void PageProbe::Click(const element& target) const
{
    HTMLayoutTestClick(target, 0);
    Flush();
}

void PageProbe::Focus(const element& target) const
{
    HTMLayoutTestSetFocus(m_window, target);
    Flush();
}

void PageProbe::Choose(const element& select, const wchar_t* value) const
{
    Focus(select);
    HTMLayoutTestChooseOption(select, 0, value);
    Flush();
}

void PageProbe::ChooseAt(const element& select, UINT index) const
{
    Focus(select);
    HTMLayoutTestChooseOption(select, index, 0);
    Flush();
}

void PageProbe::Flush() const
{
    HTMLayoutTestFlushPostedEvents(m_window);
}

std::wstring PageProbe::Errors() const
{
    std::wstring errors;
    HTMLayoutTestErrors(m_window, AppendText, &errors);
    return errors;
}

std::vector<std::wstring> PageProbe::PaintedLines() const
{
    return ::PaintedLines(m_window);
}
